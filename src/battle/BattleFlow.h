#pragma once
// Rounds: the party chooses, the enemies choose, then everybody acts once in the order of the speed
// timeline, each action followed by its pause. Victory when every enemy is down, defeat when the party is.

#include <SFML/Graphics/RenderWindow.hpp>

void UpdateBattle(float dt, sf::RenderWindow& window);
// The turn order of the round: fast fighters first, then normal, then slow, shuffled within each class.
void RollTimeline();
// Each living enemy picks a skill and its targets (a paralysed one keeps the action it lost).
void ChooseEnemyActions();
// Releasing a battle that is already released does nothing.
void ReleaseBattle();
// Every fighter back at its resting place.
void SendEveryoneHome();
