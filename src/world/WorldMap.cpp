#include "world/WorldMap.h"

// Empty until the world map screen is built.

void LoadWorldMap() {}
void HandleWorldMapKey(sf::RenderWindow&, const sf::Event::KeyEvent&) {}
void UpdateWorldMap(float, sf::RenderWindow&) {}
void DrawWorldMap(sf::RenderWindow&) {}
void ReleaseWorldMap() {}
