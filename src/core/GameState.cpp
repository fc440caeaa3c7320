#include "core/GameState.h"

GameStates gStates;

void ResetGameStates() {
    gStates = GameStates{};
}
