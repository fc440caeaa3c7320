#include "frontend/TitleMenu.h"

#include "core/Input.h"
#include "core/Pictures.h"
#include "core/Screen.h"
#include "core/Settings.h"
#include "core/SoundEffects.h"
#include "frontend/CreditsScreen.h"
#include "frontend/OptionsScreen.h"
#include "frontend/SaveSlotMenu.h"

namespace {

// Divisors of the game area for each button's centre, in entry order.
constexpr double TITLE_BUTTON_X_DIVISOR = 1.15;
constexpr double TITLE_BUTTON_Y_DIVISORS[TITLE_ENTRY_COUNT] = {2.5, 2.0, 1.7, 1.5};

// The order the mouse tests and the screen draws the buttons in.
constexpr TitleEntry TITLE_CLICK_ORDER[TITLE_ENTRY_COUNT] = {TITLE_PLAY, TITLE_CREDITS, TITLE_OPTIONS,
                                                             TITLE_QUIT};

void BuildButton(TitleMenu& menu, int entry) {
    TitleButton& button = menu.buttons[entry];
    button.normal.loadFromFile(TITLE_BUTTON_PATHS[entry][0]);
    button.pressed.loadFromFile(TITLE_BUTTON_PATHS[entry][1]);
    button.sprite = sf::Sprite(entry == TITLE_PLAY ? button.pressed : button.normal);
    CentreOrigin(button.sprite);
    const double x = static_cast<double>(gScreen.gameWidth) / TITLE_BUTTON_X_DIVISOR;
    const double y = static_cast<double>(gScreen.gameHeight) / TITLE_BUTTON_Y_DIVISORS[entry];
    button.sprite.setPosition(static_cast<float>(x), static_cast<float>(y));
    button.sprite.setScale(gScreen.scale, gScreen.scale);
}

}  // namespace

void LoadTitleMenu(TitleMenu& menu) {
    menu.backgroundOpaque = LoadPicture(menu.backgroundTexture, TITLE_BACKGROUND_PATH);
    menu.background = sf::Sprite(menu.backgroundTexture);
    menu.background.setScale(gScreen.scale, gScreen.scale);
    for (int entry = 0; entry < TITLE_ENTRY_COUNT; ++entry)
        BuildButton(menu, entry);
    menu.cursor = TITLE_PLAY;
    menu.loaded = true;
}

void UpdateTitleMenu(TitleMenu& menu) {
    for (int entry = 0; entry < TITLE_ENTRY_COUNT; ++entry) {
        TitleButton& button = menu.buttons[entry];
        button.sprite.setTexture(entry == menu.cursor ? button.pressed : button.normal, true);
    }
}

void DrawTitleMenu(sf::RenderWindow& window, const TitleMenu& menu) {
    if (!menu.loaded) return;
    window.draw(menu.background, menu.backgroundOpaque ? sf::BlendNone : sf::BlendAlpha);
    for (TitleEntry entry : TITLE_CLICK_ORDER)
        window.draw(menu.buttons[entry].sprite);
}

namespace {

// Play, Options and Credits open their screens in the title's place; the key path plays the confirm
// sound first.
void OpenEntry(ScreenContext context, int entry) {
    switch (entry) {
        case TITLE_PLAY:
            context.requests.Replace(std::make_unique<SaveSlotScreen>(context));
            break;
        case TITLE_OPTIONS:
            context.requests.Replace(std::make_unique<OptionsMenuScreen>(context, false));
            break;
        case TITLE_CREDITS:
            context.requests.Replace(std::make_unique<CreditsMenuScreen>(context));
            break;
        case TITLE_QUIT:
            context.requests.CloseWindow();
            break;
        default:
            break;
    }
}

}  // namespace

void HandleTitleKey(ScreenContext context, TitleMenu& menu, const sf::Event::KeyEvent& keyEvent) {
    const KeyBindings& keys = gSettings.keys;
    if (keyEvent.code == keys.escape) {
        context.requests.CloseWindow();
        return;
    }
    // The cursor follows the keys held at this moment, not the key of the event.
    if (menu.cursor > TITLE_PLAY && IsKeyHeld(keys.up)) {
        PlaySoundEffect(SOUND_CURSOR_MOVE);
        menu.cursor -= 1;
    }
    if (menu.cursor < TITLE_QUIT && IsKeyHeld(keys.down)) {
        PlaySoundEffect(SOUND_CURSOR_MOVE);
        menu.cursor += 1;
    }
    if (keyEvent.code != keys.enter) return;
    if (menu.cursor != TITLE_QUIT) PlaySoundEffect(SOUND_CURSOR_CONFIRM);
    OpenEntry(context, menu.cursor);
}

void HandleTitleClick(ScreenContext context, TitleMenu& menu, sf::Vector2f pointer) {
    for (TitleEntry entry : TITLE_CLICK_ORDER) {
        if (menu.buttons[entry].sprite.getGlobalBounds().contains(pointer)) {
            OpenEntry(context, entry);
            return;
        }
    }
}
