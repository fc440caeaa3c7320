#pragma once
// The options screen: seven key bindings (left) and three volumes (right), shown from the title menu and
// over the game from the pause menu. Every change is written to the settings file at once.

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Window/Event.hpp>

#include <array>
#include <cstdint>
#include <string>

#include "core/Screens.h"
#include "core/Settings.h"
#include "frontend/OptionsDisplay.h"

inline constexpr int32_t OPTIONS_BACK_ENTRY = KEY_ACTION_COUNT;  // the key cursor's last place
inline constexpr int OPTIONS_TITLE_COUNT = 5;
inline constexpr int32_t OPTIONS_DISPLAY_ENTRY = VOLUME_KIND_COUNT;  // the volume cursor's last place

struct KeyRow {
    sf::Texture texture;
    sf::Sprite sprite;
    sf::Text label;
    int32_t waiting = 0;  // 1 while the row waits for its new key
};

struct VolumeBar {
    sf::Texture barTexture;
    sf::Sprite bar;
    sf::Texture cursorTexture;
    sf::Sprite cursor;
    int32_t selected = 0;  // 1 while LEFT and RIGHT move it
};

struct OptionsScreen {
    sf::Texture backgroundTexture;
    sf::Sprite background;
    std::array<KeyRow, KEY_ACTION_COUNT> rows;
    sf::Font font;
    sf::Texture arrowTexture;
    sf::Sprite arrow;
    sf::Texture backNormal;
    sf::Texture backHighlighted;
    sf::Sprite back;
    std::array<sf::Text, OPTIONS_TITLE_COUNT> titles;
    std::array<VolumeBar, VOLUME_KIND_COUNT> bars;
    int32_t column = 0;        // 0 the key rows, 1 the volume bars
    int32_t keyCursor = 0;     // 0 to 6 the rows, OPTIONS_BACK_ENTRY the back button
    int32_t volumeCursor = 0;  // 0 general, 1 music, 2 sounds, OPTIONS_DISPLAY_ENTRY the display row
    int32_t editing = 0;       // a row waits for a key, or a bar is being moved
    int32_t anyRowWaiting = 0;
    bool overGame = false;  // opened from the pause menu: ESCAPE goes back to the map
    sf::Text refusal;       // why the key just pressed for a row was not taken
    DisplayRow display;
    bool switchWindow = false;  // the display row was chosen: the screen asks for the other window mode
    bool built = false;
};

// Builds the screen afresh (nothing of an earlier opening kept), cursors and flags at 0.
void LoadOptionsScreen(OptionsScreen& options);
// Keys of the options; true when the key asks to leave (the back entry in the front-end).
bool HandleOptionsKey(OptionsScreen& options, const sf::Event::KeyEvent& keyEvent);
// Mouse presses on the title's options: a row clicked waits for its key (never while one waits).
void HandleOptionsClick(OptionsScreen& options, sf::Vector2f pointer);
void UpdateOptionsScreen(OptionsScreen& options);
// In the game area's own view.
void DrawOptionsScreen(sf::RenderWindow& window, const OptionsScreen& options);
// The seven labels from the current bindings.
void RefreshKeyLabels(OptionsScreen& options);
// One key press on a volume bar, acting only while the bar is selected; the file is written every time.
void AdjustVolume(OptionsScreen& options, VolumeBar& bar, const sf::Event::KeyEvent& keyEvent, float& volume);
// Why a key cannot be bound to the action (an empty text when it can): the unknown key never, a key
// already bound to an action, and, for every action but ENTER, the keys the game keeps for itself
// (Return chooses in menus, F opens the fish collection).
std::string KeyRefusal(int action, int32_t code);

// The options in the title's place, or over the map from the pause menu (then ESCAPE returns to the map
// and the mouse does nothing).
class OptionsMenuScreen final : public Screen {
public:
    OptionsMenuScreen(ScreenContext context, bool overGame) : context_(context) {
        options.overGame = overGame;
    }
    ScreenKind Kind() const override { return SCREEN_OPTIONS; }
    void Load() override { LoadOptionsScreen(options); }
    void Key(const sf::Event::KeyEvent& key) override;
    void Click(sf::Vector2f pointer, sf::Mouse::Button) override;
    void Update(float) override { UpdateOptionsScreen(options); }
    void Draw(sf::RenderWindow& window) override;
    bool CoversBelow() const override { return !options.overGame; }
    MusicWish Music() const override { return options.overGame ? MusicWish::INHERIT : MusicWish::TITLE; }

    OptionsScreen options;

private:
    void AskForWindowMode();

    ScreenContext context_;
};
