#pragma once
// Drawing the roaming screen: the map, its people, items and decor around the hero by depth, the roofs,
// the clouds, the key prompt, spoken text, pop-ups and the open overlay.

#include <SFML/Graphics/RenderWindow.hpp>

void DrawRoamingScreen(sf::RenderWindow& window);
