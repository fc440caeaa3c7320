#pragma once
// The world map: markers for the regions, travel between the reachable ones.

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Event.hpp>

void LoadWorldMap();
void HandleWorldMapKey(sf::RenderWindow& window, const sf::Event::KeyEvent& keyEvent);
void UpdateWorldMap(float dt, sf::RenderWindow& window);
void DrawWorldMap(sf::RenderWindow& window);
void ReleaseWorldMap();
