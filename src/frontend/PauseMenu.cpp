#include "frontend/PauseMenu.h"

PauseMenu gPauseMenu;

// The menu's pictures and buttons come with the pause menu's own work; the cursor already counts.
void LoadPauseMenu() {
    gPauseMenu.cursor = PAUSE_CONTINUE;
}

void HandlePauseClick(sf::RenderWindow&) {}
