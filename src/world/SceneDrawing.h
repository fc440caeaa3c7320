#pragma once
// Drawing of the in-game scene (roaming, battle, world map) and the roaming camera.

#include <SFML/Graphics/RenderWindow.hpp>

#include <cstdint>

// The map's extent in screen units, for the camera clamp.
struct Camera {
    int32_t mapPixelWidth = 0;
    int32_t mapPixelHeight = 0;
};

extern Camera gCamera;

void DrawGameScene(sf::RenderWindow& window);
void DrawRoamingScreen(sf::RenderWindow& window);
void UpdateCamera(sf::RenderWindow& window);
void ResetCamera();
