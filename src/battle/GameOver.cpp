#include "battle/GameOver.h"

// Empty until the end screens are built; the fixed R and Escape keys already work (core/FrameLoop).

void LoadGameOver() {}
void UpdateGameOver(float) {}
void DrawGameOverOverlay(sf::RenderWindow&) {}
void ReleaseGameOver() {}
bool GameOverBackButtonHit(sf::Vector2f) {
    return false;
}
