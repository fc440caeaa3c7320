#include "content/Torchlight.h"

#include <SFML/Graphics/Image.hpp>

#include <algorithm>
#include <cmath>

namespace {

constexpr unsigned GLOW_RADIUS = 160;  // map pixels: a little past the darkness's clear circle
const sf::Color FLAME_COLOUR(255, 176, 96);
constexpr float CENTRE_STRENGTH = 0.42f;  // how much light the centre adds, of full white
// The flame sits in the hero's raised hand, left of and above his feet.
const sf::Vector2f FLAME_FROM_HERO(-14.0f, -18.0f);

// Strength at a distance, 0 to 1 of the radius: bright near the flame, a long soft fall to nothing.
float Falloff(float distance) {
    const float left = std::max(0.0f, 1.0f - distance);
    return left * left * (0.35f + 0.65f * left);
}

}  // namespace

void BuildTorchlight(Torchlight& torch) {
    const unsigned size = GLOW_RADIUS * 2;
    sf::Image image;
    image.create(size, size, sf::Color::Transparent);
    for (unsigned y = 0; y < size; ++y) {
        for (unsigned x = 0; x < size; ++x) {
            const float dx = static_cast<float>(x) + 0.5f - GLOW_RADIUS;
            const float dy = static_cast<float>(y) + 0.5f - GLOW_RADIUS;
            const float strength = CENTRE_STRENGTH * Falloff(std::hypot(dx, dy) / GLOW_RADIUS);
            const auto scaled = [strength](sf::Uint8 channel) {
                return static_cast<sf::Uint8>(std::lround(channel * strength));
            };
            image.setPixel(x, y,
                           sf::Color(scaled(FLAME_COLOUR.r), scaled(FLAME_COLOUR.g), scaled(FLAME_COLOUR.b)));
        }
    }
    torch.texture.loadFromImage(image);
    torch.texture.setSmooth(true);
    torch.glow = sf::Sprite(torch.texture);
    torch.glow.setOrigin(GLOW_RADIUS, GLOW_RADIUS);
    torch.time = 0.0f;
}

void UpdateTorchlight(Torchlight& torch, sf::Vector2f flame, float dt) {
    torch.time += dt;
    // Two slow waves and a quick one: never still, never a regular pulse.
    const float t = torch.time;
    const float flicker = 1.0f + 0.035f * std::sin(7.1f * t) + 0.02f * std::sin(12.7f * t + 1.3f) +
                          0.012f * std::sin(29.0f * t + 0.4f);
    torch.glow.setScale(flicker, flicker);
    torch.glow.setPosition(flame + FLAME_FROM_HERO);
}

void DrawTorchlight(sf::RenderWindow& window, const Torchlight& torch) {
    window.draw(torch.glow, sf::BlendAdd);
}
