#pragma once
// The in-game pause menu over the roaming screen: a translucent dark backdrop and three stacked buttons,
// Continue, Options and Exit to menu, chosen with the Return key or the mouse. While it is open the map
// waits and every key is the menu's.

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <array>
#include <cstdint>

#include "core/Screens.h"

enum PauseEntry : int32_t { PAUSE_CONTINUE = 0, PAUSE_OPTIONS = 1, PAUSE_EXIT = 2, PAUSE_ENTRY_COUNT = 3 };

struct PauseButton {
    sf::Texture normal;
    sf::Texture pressed;
    sf::Sprite sprite;
};

struct PauseMenu {
    sf::Texture backdropTexture;
    sf::Sprite backdrop;
    std::array<PauseButton, PAUSE_ENTRY_COUNT> buttons;
    int32_t cursor = PAUSE_CONTINUE;
    bool built = false;
};

// Built afresh on every opening (nothing of an earlier opening kept), with the cursor on Continue.
void LoadPauseMenu(PauseMenu& menu);
// The highlighted button follows the cursor.
void UpdatePauseMenu(PauseMenu& menu);
// Over the scene, in the game area's own view.
void DrawPauseMenu(sf::RenderWindow& window, const PauseMenu& menu);
// The entry under the pointer (game-area pixels), or -1.
int PauseEntryAt(const PauseMenu& menu, sf::Vector2f pointer);

class PauseScreen final : public Screen {
public:
    explicit PauseScreen(ScreenContext context) : context_(context) {}
    ScreenKind Kind() const override { return SCREEN_PAUSE; }
    void Load() override { LoadPauseMenu(menu); }
    // UP and DOWN move, the fixed Return key chooses, ESCAPE closes.
    void Key(const sf::Event::KeyEvent& key) override;
    // The button under the pointer, any mouse button.
    void Click(sf::Vector2f pointer, sf::Mouse::Button) override;
    void Update(float) override { UpdatePauseMenu(menu); }
    void Draw(sf::RenderWindow& window) override { DrawPauseMenu(window, menu); }
    bool CoversBelow() const override { return false; }

    PauseMenu menu;

private:
    // Continue closes the menu, Options takes its place, Exit to menu saves and leaves for the title.
    void Choose(int entry);
    ScreenContext context_;
};
