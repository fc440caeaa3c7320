#pragma once
// Drawing the map's tile layers: the ground below everyone, the roofs above.

#include <SFML/Graphics/RenderWindow.hpp>

#include "world/tiled/TiledMap.h"

void DrawTileLayer(sf::RenderWindow& window, const TiledLayer& layer);
// Every visible tile layer that is not a roof.
void DrawGroundLayers(sf::RenderWindow& window);
void DrawRoofLayers(sf::RenderWindow& window);
bool IsRoofLayer(const TiledLayer& layer);
