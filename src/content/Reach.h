#pragma once
// What the hero can reach (people to talk to, items to take, enemies close enough to fight), and the
// key-name bubble that stands over whatever friendly thing is in reach.

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <cstdint>

#include "content/Items.h"
#include "content/Npcs.h"

inline constexpr const char* PROMPT_PICTURE = "Assets/Sprites/Dialogues/Interact.png";

struct InteractionPrompt {
    sf::Texture texture;
    sf::Sprite sprite;
    sf::Font font;
    sf::Text text;
    bool built = false;
};

extern InteractionPrompt gPrompt;

// Whether the hero's feet are within reach of an NPC (80 map pixels for an enemy, 20 otherwise);
// for anyone but an enemy the key prompt then stands over the NPC.
int32_t InNpcReach(const Npc& npc);
// Whether the hero's feet are within 20 * scale of an item; the prompt then stands over it.
int32_t InItemReach(const MapItem& item);

void BuildInteractionPrompt();
void DrawInteractionPrompt(sf::RenderWindow& window);
// Off every view, where the prompt waits while nothing is in reach.
void ParkInteractionPrompt();
void ReleaseInteractionPrompt();
