#include "battle/BattleHud.h"

// Empty until battles are built.

void LoadBattleEffects() {}
void DrawBattleScene(sf::RenderWindow&) {}
