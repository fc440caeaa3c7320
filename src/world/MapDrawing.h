#pragma once
// Drawing the map's tile layers: the ground below everyone, the roofs above.

#include <SFML/Graphics/RenderWindow.hpp>

#include "world/MapLoading.h"

void DrawTileLayer(sf::RenderWindow& window, MapState& map, const TiledLayer& layer);
// Every visible tile layer that is not a roof.
void DrawGroundLayers(sf::RenderWindow& window, MapState& map);
void DrawRoofLayers(sf::RenderWindow& window, MapState& map);
bool IsRoofLayer(const TiledLayer& layer);
