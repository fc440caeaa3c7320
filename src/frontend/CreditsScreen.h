#pragma once
// The credits: four blocks of text typing themselves out over a picture, and a back button.

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/System/Vector2.hpp>

void LoadCreditsScreen();
void UpdateCreditsScreen(float dt);
void DrawCreditsScreen(sf::RenderWindow& window);
void UnloadCreditsScreen();
// True when the point (window pixels) lies on the back button.
bool CreditsBackButtonContains(sf::Vector2f point);
