#include "battle/BattleFlow.h"

// Empty until battles are built.

void UpdateBattle(float, sf::RenderWindow&) {}
void ReleaseBattle() {}
