#include "frontend/CreditsScreen.h"

// The four typed-out blocks come with the dialogue text reveal; empty until then.

void LoadCreditsScreen() {}
void UpdateCreditsScreen(float) {}
void DrawCreditsScreen(sf::RenderWindow&) {}
void UnloadCreditsScreen() {}
bool CreditsBackButtonContains(sf::Vector2f) {
    return false;
}
