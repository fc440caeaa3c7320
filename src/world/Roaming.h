#pragma once
// The roaming screen: walking a map, its doors and its per-frame order of work.

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>

#include "content/Items.h"
#include "content/Npcs.h"

inline constexpr const char* PROMPT_PICTURE = "Assets/Sprites/Dialogues/Interact.png";

// The key-name bubble shown over whatever the hero can talk to or pick up.
struct InteractionPrompt {
    sf::Texture texture;
    sf::Sprite sprite;
    sf::Font font;
    sf::Text text;
};

struct RoamingScreen {
    InteractionPrompt prompt;
    NpcList npcList;
    MapItemList mapItemList;
    bool loaded = false;
};

extern RoamingScreen gRoaming;

void LoadRoamingScreen(sf::RenderWindow& window);
void UpdateRoaming(float dt, sf::RenderWindow& window);
void HandleTriggers(sf::RenderWindow& window);
void ChangeMap(const char* destination, sf::RenderWindow& window);
void UnloadRoamingScreen(sf::RenderWindow& window);

void DrawInteractionPrompt(sf::RenderWindow& window);
// Off every view, where the prompt waits while nothing is in reach.
void ParkInteractionPrompt();
