#pragma once
// Drawing of the in-game scene (roaming, battle, world map) and the roaming camera.

#include <SFML/Graphics/RenderWindow.hpp>

#include <cstdint>

#include "world/tiled/TiledMap.h"

// The map's extent in screen units, for the camera clamp.
struct Camera {
    int32_t mapPixelWidth = 0;
    int32_t mapPixelHeight = 0;
    int32_t playerDrawn = 0;  // set by the depth pass once the hero has been drawn this frame
};

extern Camera gCamera;

void DrawGameScene(sf::RenderWindow& window);
void DrawRoamingScreen(sf::RenderWindow& window);
void DrawTileLayer(sf::RenderWindow& window, const TiledLayer& layer);
void DrawRoofLayers(sf::RenderWindow& window);
void UpdateCamera(sf::RenderWindow& window);
// The camera's limits from the loaded map's size in tiles (64 pixels each, whatever the map says).
void ComputeMapPixelSize();
bool IsRoofLayer(const TiledLayer& layer);
void ResetCamera();
