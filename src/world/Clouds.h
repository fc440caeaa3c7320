#pragma once
// The clouds drifting over the outdoor maps (dark smoke at night and over the burning village).

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <array>

inline constexpr int CLOUD_COUNT = 20;

struct CloudLayer {
    bool held = false;
    std::array<sf::Texture, CLOUD_COUNT> textures;
    std::array<sf::Sprite, CLOUD_COUNT> sprites;
};

extern CloudLayer gClouds;

void BuildCloudLayer();
void UpdateCloudLayer(float dt);
void ReleaseCloudLayer();
