#include "frontend/PauseMenu.h"

// Built with the roaming overlays; empty until then.

void LoadPauseMenu() {}
void HandlePauseClick(sf::RenderWindow&) {}
