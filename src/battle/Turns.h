#pragma once
// One turn of the speed timeline: the fighter whose number has come carries out its chosen action.

// Plays turn gBattle.currentTurn and sets the pause that follows it.
void ExecuteTurn();
