#pragma once
// The hero's torch in the night forest: a warm glow added over the darkness, brightest at the flame and
// fading softly, that flickers a little as a flame does.

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

struct Torchlight {
    sf::Texture texture;  // the glow, made once: warm light whose strength falls off to nothing at its rim
    sf::Sprite glow;
    float time = 0.0f;  // seconds lit, for the flicker
};

void BuildTorchlight(Torchlight& torch);
// The glow follows the flame (map pixels) and flickers with the time gone by.
void UpdateTorchlight(Torchlight& torch, sf::Vector2f flame, float dt);
// Added to what is drawn already, so the lit ground grows brighter, never darker.
void DrawTorchlight(sf::RenderWindow& window, const Torchlight& torch);
