#pragma once
// The roaming camera: MainView follows the hero and stops at the edges of the map.

#include <SFML/Graphics/RenderWindow.hpp>

#include <cstdint>

// The map's extent in map pixels, for the camera clamp.
struct Camera {
    int32_t mapPixelWidth = 0;
    int32_t mapPixelHeight = 0;
    int32_t playerDrawn = 0;  // set by the depth pass once the hero has been drawn this frame
};

struct MapState;
struct PlayerCharacter;

// MainView on the hero, clamped to the map, applied.
void UpdateCamera(const Camera& camera, const PlayerCharacter& hero, sf::RenderWindow& window);
// The camera's limits from the loaded map's size in tiles (64 pixels each, whatever the map says).
void ComputeMapPixelSize(Camera& camera, const MapState& map);
