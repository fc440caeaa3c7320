#include "frontend/PauseMenu.h"

#include "core/GameStates.h"
#include "core/Input.h"
#include "core/Pictures.h"
#include "core/Screen.h"
#include "core/StateMachine.h"
#include "frontend/OptionsScreen.h"
#include "frontend/RoamingScreen.h"

PauseMenu gPauseMenu;

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
void BuildButton(int entry) {
    const ButtonPlace& place = BUTTON_PLACES[entry];
    PauseButton& button = gPauseMenu.buttons[static_cast<size_t>(entry)];
    button.normal.loadFromFile(place.normal);
    button.pressed.loadFromFile(place.pressed);
    button.sprite = sf::Sprite(entry == PAUSE_CONTINUE ? button.pressed : button.normal);
    CentreOrigin(button.sprite);
    const double y = static_cast<double>(gScreen.gameHeight) / place.heightDivisor;
    button.sprite.setPosition(gScreen.gameWidth * 0.5f, static_cast<float>(y));
    button.sprite.setScale(gScreen.scale, gScreen.scale);
}

void OpenOptionsFromPause() {
    LoadOptionsScreen();
    gStates.roamingOverlay = OVERLAY_OPTIONS;
}

}  // namespace

void LoadPauseMenu() {
    ReleasePauseMenu();
    gPauseMenu.backdropTexture.loadFromFile(BACKDROP_PICTURE);
    gPauseMenu.backdrop = sf::Sprite(gPauseMenu.backdropTexture);
    gPauseMenu.backdrop.setScale(BACKDROP_SCALE * gScreen.scale, BACKDROP_SCALE * gScreen.scale);
    gPauseMenu.backdrop.setColor(sf::Color(255, 255, 255, BACKDROP_ALPHA));
    for (int entry = 0; entry < PAUSE_ENTRY_COUNT; ++entry)
        BuildButton(entry);
    gPauseMenu.cursor = PAUSE_CONTINUE;
    gPauseMenu.built = true;
}

void UpdatePauseMenu() {
    if (!gPauseMenu.built) return;
    for (int entry = 0; entry < PAUSE_ENTRY_COUNT; ++entry) {
        PauseButton& button = gPauseMenu.buttons[static_cast<size_t>(entry)];
        button.sprite.setTexture(entry == gPauseMenu.cursor ? button.pressed : button.normal, true);
    }
}

void DrawPauseMenu(sf::RenderWindow& window) {
    if (!gPauseMenu.built) return;
    ApplyDefaultView(window);
    window.draw(gPauseMenu.backdrop);
    for (PauseEntry entry : DRAW_ORDER)
        window.draw(gPauseMenu.buttons[static_cast<size_t>(entry)].sprite);
    ApplyMainView(window);
}

void HandlePauseClick(sf::RenderWindow& window) {
    const sf::Vector2f pointer = PointerPosition(window);
    const auto hit = [&](PauseEntry entry) {
        return gPauseMenu.buttons[static_cast<size_t>(entry)].sprite.getGlobalBounds().contains(pointer);
    };
    // Each button is tried on its own, in menu order, as the pointer can only lie on one of them.
    if (hit(PAUSE_CONTINUE)) gStates.roamingOverlay = OVERLAY_NONE;
    if (hit(PAUSE_OPTIONS)) OpenOptionsFromPause();
    if (hit(PAUSE_EXIT)) ExitToTitleFromPause(window);
}

void ExitToTitleFromPause(sf::RenderWindow& window) {
    gStates.roamingOverlay = OVERLAY_NONE;
    // Saved while the game still holds everything it had, the battle pouch included.
    UnloadRoamingScreen(window);
    SetGameMode(MODE_MENU, window);
}

void ReleasePauseMenu() {
    gPauseMenu = PauseMenu{};
}
