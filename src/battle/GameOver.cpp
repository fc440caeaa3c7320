#include "battle/GameOver.h"

#include <algorithm>

#include "battle/BattleLayout.h"
#include "core/Pictures.h"
#include "core/Text.h"

GameOverState gGameOver;

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

void Colour(GameOverStage stage, uint8_t alpha) {
    switch (stage) {
        case STAGE_VEIL:
            gGameOver.veil.setFillColor(sf::Color(0, 0, 0, alpha));
            break;
        case STAGE_PICTURE:
            gGameOver.picture.setColor(sf::Color(255, 255, 255, alpha));
            break;
        case STAGE_TEXT:
            gGameOver.failText.setFillColor(sf::Color(255, 255, 255, alpha));
            break;
        case STAGE_BUTTON:
            gGameOver.backButton.setColor(sf::Color(255, 255, 255, alpha));
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

void LoadGameOver() {
    gGameOver = GameOverState();
    gGameOver.veil.setSize({BATTLE_W, BATTLE_H});
    Centre(gGameOver.picture, gGameOver.pictureTexture, "Assets/Sprites/Game Over/GameOver.png",
           {BATTLE_W / 2, BATTLE_H / 2 - 300});
    Centre(gGameOver.backButton, gGameOver.buttonTexture, "Assets/Sprites/Game Over/XFailed.png",
           {BATTLE_W / 2, BATTLE_H / 2 + 200});
    gGameOver.font.loadFromFile(GAME_FONT);
    gGameOver.failText = SharpText(gGameOver.font, "You failed to regain your freedom...", FAIL_TEXT_SIZE);
    CentreOrigin(gGameOver.failText);
    gGameOver.failText.setPosition(BATTLE_W / 2, BATTLE_H / 2);
    for (int stage = 0; stage < GAME_OVER_STAGES; ++stage)
        Colour(static_cast<GameOverStage>(stage), 0);
}

void UpdateGameOver(float dt) {
    const auto next = std::find(gGameOver.done.begin(), gGameOver.done.end(), false);
    if (next == gGameOver.done.end()) return;
    const auto stage = static_cast<GameOverStage>(next - gGameOver.done.begin());
    gGameOver.fadeSpeed += STAGES[stage].acceleration * dt;
    // The fade speeds up as it goes; a long frame could carry it past full, so it stops there.
    const float alpha = std::min(static_cast<float>(gGameOver.fadeAlpha) + gGameOver.fadeSpeed, 255.0f);
    gGameOver.fadeAlpha = static_cast<uint8_t>(alpha);
    Colour(stage, gGameOver.fadeAlpha);
    if (gGameOver.fadeAlpha > STAGES[stage].doneAbove) {
        *next = true;
        gGameOver.fadeSpeed = 0.0f;
        gGameOver.fadeAlpha = 0;
    }
}

void DrawGameOverOverlay(sf::RenderWindow& window) {
    ApplyReferenceView(window);
    window.draw(gGameOver.veil);
    window.draw(gGameOver.picture);
    window.draw(gGameOver.backButton);
    window.draw(gGameOver.failText);
}

void ReleaseGameOver() {
    gGameOver = GameOverState();
}

bool GameOverBackButtonHit(sf::Vector2f point) {
    if (!gGameOver.done[STAGE_BUTTON] || gScreen.scale <= 0.0f) return false;
    return gGameOver.backButton.getGlobalBounds().contains(point / gScreen.scale);
}

void GameOverScreen::Key(const sf::Event::KeyEvent& key) {
    if (key.code == KEY_CODE_R) {
        context_.requests.SetGameMode(MODE_GAME, Leaving::ABANDONING, slot_);  // try again
    } else if (key.code == KEY_CODE_ESCAPE) {
        context_.requests.SetGameMode(MODE_MENU);
    }
}

void GameOverScreen::Click(sf::Vector2f pointer, sf::Mouse::Button button) {
    if (button == sf::Mouse::Left && GameOverBackButtonHit(pointer)) context_.requests.SetGameMode(MODE_MENU);
}
