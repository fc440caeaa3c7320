#pragma once
// The slot's thumbnail: the game area as the scene shows it, kept as capture.png beside save.txt.

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderWindow.hpp>

// The game area as the in-game scene draws it now.
sf::Image CaptureWindowGameArea(sf::RenderWindow& window);
// Writes that picture as the session slot's capture.png; returns whether it was written.
bool WriteSlotThumbnail(sf::RenderWindow& window);
