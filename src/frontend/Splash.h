#pragma once
// The two studio logos that fade in and out before the title menu.

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <cstdint>

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

extern SplashState gSplash;

void LoadSplash();
void UpdateSplash(float dt, sf::RenderWindow& window);
void DrawSplash(sf::RenderWindow& window);
void UnloadSplash();
