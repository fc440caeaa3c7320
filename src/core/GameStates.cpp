#include "core/GameStates.h"

GameStates gStates;

void ResetGameStates() {
    gStates = GameStates{};
}
