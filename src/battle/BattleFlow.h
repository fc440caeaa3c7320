#pragma once
// Rounds, the speed timeline, victory and defeat.

#include <SFML/Graphics/RenderWindow.hpp>

void UpdateBattle(float dt, sf::RenderWindow& window);
// Releasing a battle that is already released does nothing.
void ReleaseBattle();
