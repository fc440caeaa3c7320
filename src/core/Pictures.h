#pragma once
// Loading pictures and knowing which are fully opaque: those can be drawn without blending, which
// gives the same pixels for far less work on a software rasteriser.

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <string>

// True when every pixel of the area lies inside the image and has alpha 255.
bool IsOpaqueArea(const sf::Image& image, const sf::IntRect& area);

// The sprite turns and scales about the middle of its picture (its texture rectangle).
void CentreOrigin(sf::Sprite& sprite);

// Loads the file into the texture (a missing file leaves it empty); returns whether it is fully opaque.
bool LoadPicture(sf::Texture& texture, const std::string& path);
