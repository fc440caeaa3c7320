#include "frontend/TitleMenu.h"

#include "core/GameStates.h"
#include "core/Input.h"
#include "core/Pictures.h"
#include "core/Screen.h"
#include "core/Settings.h"
#include "core/SoundEffects.h"
#include "core/StateMachine.h"

TitleMenu gTitleMenu;

namespace {

// Divisors of the game area for each button's centre, in entry order.
constexpr double TITLE_BUTTON_X_DIVISOR = 1.15;
constexpr double TITLE_BUTTON_Y_DIVISORS[TITLE_ENTRY_COUNT] = {2.5, 2.0, 1.7, 1.5};

// The order the mouse tests and the screen draws the buttons in.
constexpr TitleEntry TITLE_CLICK_ORDER[TITLE_ENTRY_COUNT] = {TITLE_PLAY, TITLE_CREDITS, TITLE_OPTIONS,
                                                             TITLE_QUIT};

void BuildButton(int entry) {
    TitleButton& button = gTitleMenu.buttons[entry];
    button.normal.loadFromFile(TITLE_BUTTON_PATHS[entry][0]);
    button.pressed.loadFromFile(TITLE_BUTTON_PATHS[entry][1]);
    button.sprite = sf::Sprite(entry == TITLE_PLAY ? button.pressed : button.normal);
    CentreOrigin(button.sprite);
    const double x = static_cast<double>(gScreen.gameWidth) / TITLE_BUTTON_X_DIVISOR;
    const double y = static_cast<double>(gScreen.gameHeight) / TITLE_BUTTON_Y_DIVISORS[entry];
    button.sprite.setPosition(static_cast<float>(x), static_cast<float>(y));
    button.sprite.setScale(gScreen.scale, gScreen.scale);
}

// Play, Options and Credits open their screens; the key path plays the confirm sound first.
void OpenEntry(sf::RenderWindow& window, int entry) {
    switch (entry) {
        case TITLE_PLAY:
            SetMenuScreen(window, MENU_SAVES);
            break;
        case TITLE_OPTIONS:
            SetMenuScreen(window, MENU_OPTIONS);
            break;
        case TITLE_CREDITS:
            SetMenuScreen(window, MENU_CREDITS);
            break;
        case TITLE_QUIT:
            window.close();
            break;
        default:
            break;
    }
}

}  // namespace

void LoadTitleMenu() {
    gTitleMenu.backgroundOpaque = LoadPicture(gTitleMenu.backgroundTexture, TITLE_BACKGROUND_PATH);
    gTitleMenu.background = sf::Sprite(gTitleMenu.backgroundTexture);
    gTitleMenu.background.setScale(gScreen.scale, gScreen.scale);
    for (int entry = 0; entry < TITLE_ENTRY_COUNT; ++entry)
        BuildButton(entry);
    gTitleMenu.cursor = TITLE_PLAY;
    gTitleMenu.loaded = true;
}

void HandleTitleKey(sf::RenderWindow& window, const sf::Event::KeyEvent& keyEvent) {
    const KeyBindings& keys = gSettings.keys;
    if (keyEvent.code == keys.escape) window.close();
    // The cursor follows the keys held at this moment, not the key of the event.
    if (gTitleMenu.cursor > TITLE_PLAY && IsKeyHeld(keys.up)) {
        PlaySoundEffect(SOUND_CURSOR_MOVE);
        gTitleMenu.cursor -= 1;
    }
    if (gTitleMenu.cursor < TITLE_QUIT && IsKeyHeld(keys.down)) {
        PlaySoundEffect(SOUND_CURSOR_MOVE);
        gTitleMenu.cursor += 1;
    }
    if (keyEvent.code != keys.enter) return;
    if (gTitleMenu.cursor != TITLE_QUIT) PlaySoundEffect(SOUND_CURSOR_CONFIRM);
    OpenEntry(window, gTitleMenu.cursor);
}

void HandleTitleClick(sf::RenderWindow& window) {
    const sf::Vector2f pointer = PointerPosition(window);
    for (TitleEntry entry : TITLE_CLICK_ORDER) {
        if (gTitleMenu.buttons[entry].sprite.getGlobalBounds().contains(pointer)) {
            OpenEntry(window, entry);
            return;
        }
    }
}

void UpdateTitleMenu() {
    for (int entry = 0; entry < TITLE_ENTRY_COUNT; ++entry) {
        TitleButton& button = gTitleMenu.buttons[entry];
        button.sprite.setTexture(entry == gTitleMenu.cursor ? button.pressed : button.normal, true);
    }
}

void DrawTitleMenu(sf::RenderWindow& window) {
    if (!gTitleMenu.loaded) return;
    window.draw(gTitleMenu.background, gTitleMenu.backgroundOpaque ? sf::BlendNone : sf::BlendAlpha);
    for (TitleEntry entry : TITLE_CLICK_ORDER)
        window.draw(gTitleMenu.buttons[entry].sprite);
}

void UnloadTitleMenu() {
    gTitleMenu = TitleMenu{};
}
