#pragma once
// The title menu: a background and four image buttons (Play, Options, Credits, Quit), keys and mouse.

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Window/Event.hpp>

#include <cstdint>

#include "core/Screens.h"

enum TitleEntry : int32_t {
    TITLE_PLAY = 0,
    TITLE_OPTIONS = 1,
    TITLE_CREDITS = 2,
    TITLE_QUIT = 3,
    TITLE_ENTRY_COUNT = 4
};

inline constexpr const char* TITLE_BACKGROUND_PATH = "Assets/Sprites/Menu/Background.png";
inline constexpr const char* SOUND_CURSOR_MOVE = "Assets/Sounds/Interface/Button.wav";
inline constexpr const char* SOUND_CURSOR_CONFIRM = "Assets/Sounds/Interface/ButtonConfirm.wav";

// Normal and pressed pictures of each button, by entry (the accent is the Windows-1252 byte 0xE9).
inline constexpr const char* TITLE_BUTTON_PATHS[TITLE_ENTRY_COUNT][2] = {
    {"Assets/Sprites/Menu/Button/Play non appuy\xE9.png", "Assets/Sprites/Menu/Button/Play appuy\xE9.png"},
    {"Assets/Sprites/Menu/Button/Options non appuy\xE9.png",
     "Assets/Sprites/Menu/Button/Options appuy\xE9.png"},
    {"Assets/Sprites/Menu/Button/Credits non appuy\xE9.png",
     "Assets/Sprites/Menu/Button/Credits appuy\xE9.png"},
    {"Assets/Sprites/Menu/Button/Quit non appuy\xE9.png", "Assets/Sprites/Menu/Button/Quit appuy\xE9.png"},
};

struct TitleButton {
    sf::Texture normal;
    sf::Texture pressed;
    sf::Sprite sprite;
};

struct TitleMenu {
    sf::Texture backgroundTexture;
    sf::Sprite background;
    bool backgroundOpaque = false;  // drawn without blending
    TitleButton buttons[TITLE_ENTRY_COUNT];
    int32_t cursor = TITLE_PLAY;
    bool loaded = false;
};

void LoadTitleMenu(TitleMenu& menu);
void HandleTitleKey(ScreenContext context, TitleMenu& menu, const sf::Event::KeyEvent& keyEvent);
void HandleTitleClick(ScreenContext context, TitleMenu& menu, sf::Vector2f pointer);
void UpdateTitleMenu(TitleMenu& menu);
void DrawTitleMenu(sf::RenderWindow& window, const TitleMenu& menu);

// Play, Options, Credits and Quit, with the keys and the mouse; entering the menus always lands here.
class TitleScreen final : public Screen {
public:
    explicit TitleScreen(ScreenContext context) : context_(context) {}
    ScreenKind Kind() const override { return SCREEN_TITLE; }
    void Load() override { LoadTitleMenu(menu); }
    void Key(const sf::Event::KeyEvent& key) override { HandleTitleKey(context_, menu, key); }
    void Click(sf::Vector2f pointer, sf::Mouse::Button) override {
        HandleTitleClick(context_, menu, pointer);
    }
    void Update(float) override { UpdateTitleMenu(menu); }
    void Draw(sf::RenderWindow& window) override { DrawTitleMenu(window, menu); }
    MusicWish Music() const override { return MusicWish::TITLE; }

    TitleMenu menu;

private:
    ScreenContext context_;
};
