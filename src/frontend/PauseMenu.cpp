#include "frontend/PauseMenu.h"

#include "core/Pictures.h"
#include "core/Screen.h"
#include "core/Settings.h"
#include "frontend/OptionsScreen.h"

namespace {

constexpr const char* BACKDROP_PICTURE = "Assets/Sprites/MenuGame/fondnoir.png";
constexpr float BACKDROP_SCALE = 56.0f;  // a small dark picture stretched over the whole game area
constexpr sf::Uint8 BACKDROP_ALPHA = 100;

struct ButtonPlace {
    const char* normal;
    const char* pressed;
    double heightDivisor;  // the button's centre at gameHeight / this
};

constexpr ButtonPlace BUTTON_PLACES[PAUSE_ENTRY_COUNT] = {
    {"Assets/Sprites/MenuGame/Continue.png", "Assets/Sprites/MenuGame/Continue appuy\xE9.png", 3.0},
    {"Assets/Sprites/MenuGame/Options non appuy\xE9.png", "Assets/Sprites/MenuGame/Options appuy\xE9.png",
     2.2},
    {"Assets/Sprites/MenuGame/Exit to menu.png", "Assets/Sprites/MenuGame/Exit to menu appuy\xE9.png", 1.7},
};

// Drawn in this order: Continue, Exit to menu, Options.
constexpr PauseEntry DRAW_ORDER[PAUSE_ENTRY_COUNT] = {PAUSE_CONTINUE, PAUSE_EXIT, PAUSE_OPTIONS};

// The game area's own view is in place when the menu is drawn: no letterbox offset is added here.
constexpr int32_t KEY_RETURN = 58;  // chooses in the pause menu, a fixed key

void BuildButton(PauseMenu& menu, int entry) {
    const ButtonPlace& place = BUTTON_PLACES[entry];
    PauseButton& button = menu.buttons[static_cast<size_t>(entry)];
    button.normal.loadFromFile(place.normal);
    button.pressed.loadFromFile(place.pressed);
    button.sprite = sf::Sprite(entry == PAUSE_CONTINUE ? button.pressed : button.normal);
    CentreOrigin(button.sprite);
    const double y = static_cast<double>(gScreen.gameHeight) / place.heightDivisor;
    button.sprite.setPosition(gScreen.gameWidth * 0.5f, static_cast<float>(y));
    button.sprite.setScale(gScreen.scale, gScreen.scale);
}

}  // namespace

void LoadPauseMenu(PauseMenu& menu) {
    menu = PauseMenu{};
    menu.backdropTexture.loadFromFile(BACKDROP_PICTURE);
    menu.backdrop = sf::Sprite(menu.backdropTexture);
    menu.backdrop.setScale(BACKDROP_SCALE * gScreen.scale, BACKDROP_SCALE * gScreen.scale);
    menu.backdrop.setColor(sf::Color(255, 255, 255, BACKDROP_ALPHA));
    for (int entry = 0; entry < PAUSE_ENTRY_COUNT; ++entry)
        BuildButton(menu, entry);
    menu.cursor = PAUSE_CONTINUE;
    menu.built = true;
}

void UpdatePauseMenu(PauseMenu& menu) {
    if (!menu.built) return;
    for (int entry = 0; entry < PAUSE_ENTRY_COUNT; ++entry) {
        PauseButton& button = menu.buttons[static_cast<size_t>(entry)];
        button.sprite.setTexture(entry == menu.cursor ? button.pressed : button.normal, true);
    }
}

void DrawPauseMenu(sf::RenderWindow& window, const PauseMenu& menu) {
    if (!menu.built) return;
    ApplyDefaultView(window);
    window.draw(menu.backdrop);
    for (PauseEntry entry : DRAW_ORDER)
        window.draw(menu.buttons[static_cast<size_t>(entry)].sprite);
}

int PauseEntryAt(const PauseMenu& menu, sf::Vector2f pointer) {
    for (int entry = 0; entry < PAUSE_ENTRY_COUNT; ++entry) {
        if (menu.buttons[static_cast<size_t>(entry)].sprite.getGlobalBounds().contains(pointer)) return entry;
    }
    return -1;
}

void PauseScreen::Key(const sf::Event::KeyEvent& key) {
    const KeyBindings& keys = gSettings.keys;
    if (key.code == keys.escape) {
        context_.requests.Pop();
        return;
    }
    if (menu.cursor > PAUSE_CONTINUE && key.code == keys.up) menu.cursor -= 1;
    if (menu.cursor < PAUSE_EXIT && key.code == keys.down) menu.cursor += 1;
    if (key.code == KEY_RETURN) Choose(menu.cursor);
}

void PauseScreen::Click(sf::Vector2f pointer, sf::Mouse::Button) {
    const int entry = PauseEntryAt(menu, pointer);
    if (entry >= 0) Choose(entry);
}

void PauseScreen::Choose(int entry) {
    switch (entry) {
        case PAUSE_CONTINUE:
            context_.requests.Pop();
            break;
        case PAUSE_OPTIONS:
            context_.requests.Replace(std::make_unique<OptionsMenuScreen>(context_, true));
            break;
        case PAUSE_EXIT:
            // Saved while the game still holds everything it had, the battle pouch included.
            context_.requests.SetGameMode(MODE_MENU, Leaving::SAVING);
            break;
        default:
            break;
    }
}
