#include "battle/screen/GameOver.h"

#include <algorithm>

#include "battle/screen/BattleLayout.h"
#include "core/Pictures.h"
#include "core/Text.h"

namespace {

// Fixed physical keys of the game-over screen, whatever the bindings say.
constexpr int32_t KEY_CODE_R = sf::Keyboard::R;
constexpr int32_t KEY_CODE_ESCAPE = sf::Keyboard::Escape;
constexpr unsigned FAIL_TEXT_SIZE = 25;

struct Stage {
    float acceleration;  // how fast the fade speeds up, per second
    int doneAbove;       // the stage ends once the alpha passes this
};

const Stage STAGES[GAME_OVER_STAGES] = {{4.0f, 129}, {4.0f, 249}, {2.0f, 249}, {4.0f, 249}};

void Colour(GameOverState& gameOver, GameOverStage stage, uint8_t alpha) {
    switch (stage) {
        case STAGE_VEIL:
            gameOver.veil.setFillColor(sf::Color(0, 0, 0, alpha));
            break;
        case STAGE_PICTURE:
            gameOver.picture.setColor(sf::Color(255, 255, 255, alpha));
            break;
        case STAGE_TEXT:
            gameOver.failText.setFillColor(sf::Color(255, 255, 255, alpha));
            break;
        case STAGE_BUTTON:
            gameOver.backButton.setColor(sf::Color(255, 255, 255, alpha));
            break;
        case GAME_OVER_STAGES:
            break;
    }
}

void Centre(sf::Sprite& sprite, sf::Texture& texture, const char* path, sf::Vector2f at) {
    LoadPicture(texture, path);
    sprite = sf::Sprite(texture);
    CentreOrigin(sprite);
    sprite.setPosition(at);
}

}  // namespace

void LoadGameOver(GameOverState& gameOver) {
    gameOver.veil.setSize({BATTLE_W, BATTLE_H});
    Centre(gameOver.picture, gameOver.pictureTexture, "Assets/Sprites/Game Over/GameOver.png",
           {BATTLE_W / 2, BATTLE_H / 2 - 300});
    Centre(gameOver.backButton, gameOver.buttonTexture, "Assets/Sprites/Game Over/XFailed.png",
           {BATTLE_W / 2, BATTLE_H / 2 + 200});
    gameOver.font.loadFromFile(GAME_FONT);
    gameOver.failText = SharpText(gameOver.font, "You failed to regain your freedom...", FAIL_TEXT_SIZE);
    CentreOrigin(gameOver.failText);
    gameOver.failText.setPosition(BATTLE_W / 2, BATTLE_H / 2);
    for (int stage = 0; stage < GAME_OVER_STAGES; ++stage)
        Colour(gameOver, static_cast<GameOverStage>(stage), 0);
}

void UpdateGameOver(GameOverState& gameOver, float dt) {
    const auto next = std::find(gameOver.done.begin(), gameOver.done.end(), false);
    if (next == gameOver.done.end()) return;
    const auto stage = static_cast<GameOverStage>(next - gameOver.done.begin());
    gameOver.fadeSpeed += STAGES[stage].acceleration * dt;
    // The fade speeds up as it goes; a long frame could carry it past full, so it stops there.
    const float alpha = std::min(static_cast<float>(gameOver.fadeAlpha) + gameOver.fadeSpeed, 255.0f);
    gameOver.fadeAlpha = static_cast<uint8_t>(alpha);
    Colour(gameOver, stage, gameOver.fadeAlpha);
    if (gameOver.fadeAlpha > STAGES[stage].doneAbove) {
        *next = true;
        gameOver.fadeSpeed = 0.0f;
        gameOver.fadeAlpha = 0;
    }
}

void DrawGameOverOverlay(sf::RenderWindow& window, const GameOverState& gameOver) {
    ApplyReferenceView(window);
    window.draw(gameOver.veil);
    window.draw(gameOver.picture);
    window.draw(gameOver.backButton);
    window.draw(gameOver.failText);
}

bool GameOverBackButtonHit(const GameOverState& gameOver, sf::Vector2f point) {
    if (!gameOver.done[STAGE_BUTTON] || gScreen.scale <= 0.0f) return false;
    return gameOver.backButton.getGlobalBounds().contains(point / gScreen.scale);
}

void GameOverScreen::Key(const sf::Event::KeyEvent& key) {
    if (key.code == KEY_CODE_R) {
        context_.requests.SetGameMode(MODE_GAME, Leaving::ABANDONING, slot_);  // try again
    } else if (key.code == KEY_CODE_ESCAPE) {
        context_.requests.SetGameMode(MODE_MENU);
    }
}

void GameOverScreen::Click(sf::Vector2f pointer, sf::Mouse::Button button) {
    if (button == sf::Mouse::Left && GameOverBackButtonHit(gameOver, pointer))
        context_.requests.SetGameMode(MODE_MENU);
}
