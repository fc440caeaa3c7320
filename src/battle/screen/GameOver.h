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

#include "core/Screens.h"

enum GameOverStage { STAGE_VEIL, STAGE_PICTURE, STAGE_TEXT, STAGE_BUTTON, GAME_OVER_STAGES };

struct GameOverState {
    sf::RectangleShape veil;
    sf::Texture pictureTexture, buttonTexture;
    sf::Sprite picture, backButton;
    sf::Font font;
    sf::Text failText;
    uint8_t fadeAlpha = 0;  // of the element fading in now
    float fadeSpeed = 0.0f;
    std::array<bool, GAME_OVER_STAGES> done{};
};

void LoadGameOver(GameOverState& gameOver);
void UpdateGameOver(GameOverState& gameOver, float dt);
// Veil, picture, back button, text, over the frozen battle.
void DrawGameOverOverlay(sf::RenderWindow& window, const GameOverState& gameOver);
// True once the back button has faded in and the point (window pixels from the game area's corner)
// lies on it.
bool GameOverBackButtonHit(const GameOverState& gameOver, sf::Vector2f point);

// Over the frozen lost battle. R (a fixed key) continues the game from its save, as Continue on the slot
// menu does; Escape, or the back button clicked with the left button once it is there, leaves for the
// title. The map the battle interrupted goes unsaved.
class GameOverScreen final : public Screen {
public:
    GameOverScreen(ScreenContext context, int32_t slot) : context_(context), slot_(slot) {}
    ScreenKind Kind() const override { return SCREEN_GAME_OVER; }
    void Load() override { LoadGameOver(gameOver); }
    void Key(const sf::Event::KeyEvent& key) override;
    void Click(sf::Vector2f pointer, sf::Mouse::Button button) override;
    void Update(float dt) override { UpdateGameOver(gameOver, dt); }
    void Draw(sf::RenderWindow& window) override { DrawGameOverOverlay(window, gameOver); }
    bool CoversBelow() const override { return false; }
    MusicWish Music() const override { return MusicWish::GAME_OVER; }

    GameOverState gameOver;

private:
    ScreenContext context_;
    int32_t slot_;
};
