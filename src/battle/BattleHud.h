#pragma once
// The battle's HUD, effect sheets and drawing.

#include <SFML/Graphics/RenderWindow.hpp>

void LoadBattleEffects();
void DrawBattleScene(sf::RenderWindow& window);
