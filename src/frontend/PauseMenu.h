#pragma once
// The in-game pause menu over the roaming screen: Continue, Options, Exit to menu.

#include <SFML/Graphics/RenderWindow.hpp>

void LoadPauseMenu();
// A mouse press while the pause menu is open: each button under the pointer acts, in menu order.
void HandlePauseClick(sf::RenderWindow& window);
