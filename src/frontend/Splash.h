#pragma once
// The two studio logos that fade in and out before the title menu.

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <cstdint>

#include "core/Screens.h"

inline constexpr const char* SPLASH_LOGO_PATHS[2] = {
    "Assets/Sprites/Start/Logo/Quendal.png",
    "Assets/Sprites/Start/Logo/Brisvane.png",
};
inline constexpr uint32_t SPLASH_LOGO_COUNT = 2;

struct SplashState {
    sf::Texture logos[SPLASH_LOGO_COUNT];
    sf::Sprite sprite;
    int32_t fadingIn = 0;
    uint32_t alpha = 0;
    float timer = 0.0f;      // seconds in the current phase; only delays the phase's start
    uint32_t logoIndex = 0;  // 2 ends the splash
    bool loaded = false;
};

void LoadSplash(SplashState& splash);
// True once the second logo has faded out.
bool UpdateSplash(SplashState& splash, float dt);
void DrawSplash(sf::RenderWindow& window, const SplashState& splash);

// The logos, then the title menu; the ENTER binding skips straight to the title.
class SplashScreen final : public Screen {
public:
    explicit SplashScreen(ScreenContext context) : context_(context) {}
    ScreenKind Kind() const override { return SCREEN_SPLASH; }
    void Load() override { LoadSplash(splash); }
    void Key(const sf::Event::KeyEvent& key) override;
    void Update(float dt) override;
    void Draw(sf::RenderWindow& window) override { DrawSplash(window, splash); }
    MusicWish Music() const override { return MusicWish::SILENCE; }

    SplashState splash;

private:
    ScreenContext context_;
};
