#pragma once
// The world map: one marker per region, travel between the ones reachable from where the hero came.

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Window/Event.hpp>

#include <array>
#include <cstdint>

inline constexpr int WORLD_LOCATION_COUNT = 8;
inline constexpr const char* WORLD_MARKER = "Assets/Sprites/ChangeMap/Cursor.png";
inline constexpr const char* WORLD_MARKER_SELECTED =
    "Assets/Sprites/ChangeMap/Point de selection minimap.png";
inline constexpr const char* WORLD_BACKGROUND = "Assets/Sprites/ChangeMap/BackgroundMap.png";
inline constexpr const char* SOUND_WORLD_STEP = "Assets/Sounds/ChangeMap/ChangePos.wav";

struct WorldMapLocation {
    sf::Texture texture;  // its own copy of the marker
    sf::Sprite sprite;
    std::array<int32_t, WORLD_LOCATION_COUNT> links{};
    const char* name = nullptr;
};

struct WorldMap {
    std::array<WorldMapLocation, WORLD_LOCATION_COUNT> locations;
    sf::Texture markerTexture;
    sf::Texture selectedTexture;
    sf::Texture backgroundTexture;
    sf::Sprite background;
    int32_t here = 0;    // where the hero came from
    int32_t cursor = 0;  // the selected location
    bool loaded = false;
};

extern WorldMap gWorldMap;

void LoadWorldMap();
void HandleWorldMapKey(sf::RenderWindow& window, const sf::Event::KeyEvent& keyEvent);
void UpdateWorldMap(float dt, sf::RenderWindow& window);
void DrawWorldMap(sf::RenderWindow& window);
void ReleaseWorldMap();
