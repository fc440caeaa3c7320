#pragma once
// The roaming screen: walking a map, its doors and its per-frame order of work.

#include <SFML/Graphics/RenderWindow.hpp>

#include <cstdint>

struct RoamingScreen {
    int32_t roamingFirstLoad = 1;  // the next roaming load builds the hero
    bool loaded = false;
};

extern RoamingScreen gRoaming;

void LoadRoamingScreen(sf::RenderWindow& window);
void UpdateRoaming(float dt, sf::RenderWindow& window);
void HandleTriggers(sf::RenderWindow& window);
void ChangeMap(const char* destination, sf::RenderWindow& window);
// The story's map changes: like a door, and for the night the inventory is emptied before the save.
void MoveHeroForStory(sf::RenderWindow& window, const char* destination, bool emptyInventory);
// Saves the map left (except after a lost battle), then lets the screen go.
void UnloadRoamingScreen(sf::RenderWindow& window);
// Lets the screen go without saving.
void DiscardRoamingScreen(sf::RenderWindow& window);
