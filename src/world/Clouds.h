#pragma once
// The clouds drifting over the outdoor maps (dark smoke at night and over the burning village).

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <array>

inline constexpr int CLOUD_COUNT = 20;
// The clouds take turns among this many pictures, each loaded once for the layer.
inline constexpr int CLOUD_PICTURES = 8;

struct CloudLayer {
    bool held = false;
    std::array<sf::Texture, CLOUD_PICTURES> textures;
    std::array<sf::Sprite, CLOUD_COUNT> sprites;
};

struct MapState;

// Twenty clouds over the map's width, tinted as dark smoke where the map says so.
void BuildCloudLayer(CloudLayer& clouds, const MapState& map);
void UpdateCloudLayer(CloudLayer& clouds, const MapState& map, float dt);
