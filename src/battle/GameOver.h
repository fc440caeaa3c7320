#pragma once
// The game-over screen: over the frozen lost battle, a veil, a picture, a line and a back button fade in
// one after the other, with their own music.

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Vector2.hpp>

#include <array>
#include <cstdint>

enum GameOverStage { STAGE_VEIL, STAGE_PICTURE, STAGE_TEXT, STAGE_BUTTON, GAME_OVER_STAGES };

struct GameOverScreen {
    sf::RectangleShape veil;
    sf::Texture pictureTexture, buttonTexture;
    sf::Sprite picture, backButton;
    sf::Font font;
    sf::Text failText;
    uint8_t fadeAlpha = 0;  // of the element fading in now
    float fadeSpeed = 0.0f;
    std::array<bool, GAME_OVER_STAGES> done{};
};

extern GameOverScreen gGameOver;

void LoadGameOver();
void UpdateGameOver(float dt);
// Veil, picture, back button, text, over the frozen battle.
void DrawGameOverOverlay(sf::RenderWindow& window);
void ReleaseGameOver();
// True once the back button has faded in and the point (window pixels from the game area's corner)
// lies on it.
bool GameOverBackButtonHit(sf::Vector2f point);
