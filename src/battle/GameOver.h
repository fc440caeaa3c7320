#pragma once
// The game-over screen: a veil, a picture, a line and a back button fading in over the lost battle.

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/System/Vector2.hpp>

void LoadGameOver();
void UpdateGameOver(float dt);
// Veil, picture, back button, text, over the frozen battle.
void DrawGameOverOverlay(sf::RenderWindow& window);
void ReleaseGameOver();
// True once the back button has faded in and the point lies on it.
bool GameOverBackButtonHit(sf::Vector2f point);
