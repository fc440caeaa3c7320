#include "world/Roaming.h"

// Maps, the hero and doors come with the world's own work; the screen is empty until then.

void LoadRoamingScreen(sf::RenderWindow&) {}
void UpdateRoaming(float, sf::RenderWindow&) {}
void HandleTriggers(sf::RenderWindow&) {}
void ChangeMap(const char*, sf::RenderWindow&) {}
void UnloadRoamingScreen(sf::RenderWindow&) {}
