#include "frontend/Splash.h"

#include "core/Pictures.h"
#include "core/Screen.h"
#include "core/Settings.h"

namespace {

constexpr float SPLASH_PHASE_DELAY = 0.05f;
constexpr uint32_t SPLASH_ALPHA_STEP = 2;
constexpr uint32_t SPLASH_FADE_IN_END = 253;  // the alpha rises to 254
constexpr uint32_t SPLASH_FADE_OUT_END = 2;

void PlaceLogo(SplashState& splash) {
    sf::Sprite& sprite = splash.sprite;
    sprite.setTexture(splash.logos[splash.logoIndex], true);
    sprite.setColor(sf::Color(255, 255, 255, static_cast<sf::Uint8>(splash.alpha)));
    sprite.setScale(gScreen.scale, gScreen.scale);
    CentreOrigin(sprite);
    sprite.setPosition(gScreen.gameWidth * 0.5f, gScreen.gameHeight * 0.5f);
}

}  // namespace

void LoadSplash(SplashState& splash) {
    splash.timer = 0.0f;
    splash.logoIndex = 0;
    splash.alpha = 0;
    for (uint32_t i = 0; i < SPLASH_LOGO_COUNT; ++i)
        splash.logos[i].loadFromFile(SPLASH_LOGO_PATHS[i]);
    splash.sprite = sf::Sprite(splash.logos[0]);
    splash.sprite.setColor(sf::Color(255, 255, 255, 0));
    splash.fadingIn = 1;
    splash.loaded = true;
}

bool UpdateSplash(SplashState& splash, float dt) {
    if (!splash.loaded || splash.logoIndex >= SPLASH_LOGO_COUNT) return false;
    PlaceLogo(splash);
    splash.timer += dt;
    if (splash.timer < SPLASH_PHASE_DELAY) return false;
    if (splash.fadingIn == 1) {
        splash.alpha += SPLASH_ALPHA_STEP;
        if (splash.alpha >= SPLASH_FADE_IN_END) {
            splash.fadingIn = 0;
            splash.timer = 0.0f;
        }
        return false;
    }
    splash.alpha -= SPLASH_ALPHA_STEP;
    if (splash.alpha > SPLASH_FADE_OUT_END) return false;
    splash.logoIndex += 1;
    splash.fadingIn = 1;
    splash.timer = 0.0f;
    return splash.logoIndex >= SPLASH_LOGO_COUNT;
}

void DrawSplash(sf::RenderWindow& window, const SplashState& splash) {
    if (splash.loaded) window.draw(splash.sprite);
}

void SplashScreen::Key(const sf::Event::KeyEvent& key) {
    if (key.code == gSettings.keys.enter) context_.requests.SetGameMode(MODE_MENU);
}

void SplashScreen::Update(float dt) {
    if (UpdateSplash(splash, dt)) context_.requests.SetGameMode(MODE_MENU);
}
