#include "frontend/OptionsScreen.h"

// Key rows, volume bars and their arrow come with the options screen's own work; empty until then.

void LoadOptionsScreen() {}
void HandleOptionsKey(const sf::Event::KeyEvent&) {}
void HandleOptionsClick(sf::RenderWindow&) {}
void UpdateOptionsScreen() {}
void DrawOptionsScreen(sf::RenderWindow&) {}
void UnloadOptionsScreen() {}
void RefreshKeyLabels() {}
