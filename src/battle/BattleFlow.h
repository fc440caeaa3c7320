#pragma once
// Rounds: the party chooses, the enemies choose, then everybody acts once in the order of the speed
// timeline, each action followed by its pause. Victory when every enemy is down, defeat when the party is.

enum class BattleOutcome { GOING_ON, WON, LOST };

// One frame of the battle; WON on the frame the victory begins, LOST on the frame the party falls (the
// battle then stays as it ended, under the game over).
BattleOutcome UpdateBattle(float dt);
// The turn order of the round: fast fighters first, then normal, then slow, shuffled within each class.
void RollTimeline();
// Each living enemy picks a skill and its targets (a paralysed one keeps the action it lost).
void ChooseEnemyActions();
// Releasing a battle that is already released does nothing.
void ReleaseBattle();
// Every fighter back at its resting place.
void SendEveryoneHome();
