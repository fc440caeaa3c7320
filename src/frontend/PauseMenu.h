#pragma once
// The in-game pause menu over the roaming screen: Continue, Options, Exit to menu.

#include <SFML/Graphics/RenderWindow.hpp>

#include <cstdint>

enum PauseEntry : int32_t { PAUSE_CONTINUE = 0, PAUSE_OPTIONS = 1, PAUSE_EXIT = 2 };

struct PauseMenu {
    int32_t cursor = PAUSE_CONTINUE;
};

extern PauseMenu gPauseMenu;

// Built on every opening, with the cursor on Continue.
void LoadPauseMenu();
// A mouse press while the pause menu is open: each button under the pointer acts, in menu order.
void HandlePauseClick(sf::RenderWindow& window);
