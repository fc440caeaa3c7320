#include "frontend/Splash.h"

#include "core/GameStates.h"
#include "core/Pictures.h"
#include "core/Screen.h"
#include "core/StateMachine.h"

SplashState gSplash;

namespace {

constexpr float SPLASH_PHASE_DELAY = 0.05f;
constexpr uint32_t SPLASH_ALPHA_STEP = 2;
constexpr uint32_t SPLASH_FADE_IN_END = 253;  // the alpha rises to 254
constexpr uint32_t SPLASH_FADE_OUT_END = 2;

void PlaceLogo() {
    sf::Sprite& sprite = gSplash.sprite;
    sprite.setTexture(gSplash.logos[gSplash.logoIndex], true);
    sprite.setColor(sf::Color(255, 255, 255, static_cast<sf::Uint8>(gSplash.alpha)));
    sprite.setScale(gScreen.scale, gScreen.scale);
    CentreOrigin(sprite);
    sprite.setPosition(gScreen.gameWidth * 0.5f, gScreen.gameHeight * 0.5f);
}

}  // namespace

void LoadSplash() {
    gSplash.timer = 0.0f;
    gSplash.logoIndex = 0;
    gSplash.alpha = 0;
    for (uint32_t i = 0; i < SPLASH_LOGO_COUNT; ++i)
        gSplash.logos[i].loadFromFile(SPLASH_LOGO_PATHS[i]);
    gSplash.sprite = sf::Sprite(gSplash.logos[0]);
    gSplash.sprite.setColor(sf::Color(255, 255, 255, 0));
    gSplash.fadingIn = 1;
    gSplash.loaded = true;
}

void UpdateSplash(float dt, sf::RenderWindow& window) {
    if (!gSplash.loaded || gSplash.logoIndex >= SPLASH_LOGO_COUNT) return;
    PlaceLogo();
    gSplash.timer += dt;
    if (gSplash.timer < SPLASH_PHASE_DELAY) return;
    if (gSplash.fadingIn == 1) {
        gSplash.alpha += SPLASH_ALPHA_STEP;
        if (gSplash.alpha >= SPLASH_FADE_IN_END) {
            gSplash.fadingIn = 0;
            gSplash.timer = 0.0f;
        }
        return;
    }
    gSplash.alpha -= SPLASH_ALPHA_STEP;
    if (gSplash.alpha <= SPLASH_FADE_OUT_END) {
        gSplash.logoIndex += 1;
        gSplash.fadingIn = 1;
        gSplash.timer = 0.0f;
        if (gSplash.logoIndex >= SPLASH_LOGO_COUNT) SetGameMode(MODE_MENU, window);
    }
}

void DrawSplash(sf::RenderWindow& window) {
    if (gSplash.loaded) window.draw(gSplash.sprite);
}

void UnloadSplash() {
    gSplash = SplashState{};
}
