#pragma once
// The options screen: seven key bindings and three volumes, shown from the title and from the pause menu.

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Event.hpp>

void LoadOptionsScreen();
void HandleOptionsKey(const sf::Event::KeyEvent& keyEvent);
void HandleOptionsClick(sf::RenderWindow& window);
void UpdateOptionsScreen();
void DrawOptionsScreen(sf::RenderWindow& window);
void UnloadOptionsScreen();
void RefreshKeyLabels();
