#pragma once
// The in-game pause menu over the roaming screen: a translucent dark backdrop and three stacked buttons,
// Continue, Options and Exit to menu, chosen with the Return key or the mouse.

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <array>
#include <cstdint>

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

extern PauseMenu gPauseMenu;

// Built afresh on every opening (nothing of an earlier opening kept), with the cursor on Continue.
void LoadPauseMenu();
// The highlighted button follows the cursor.
void UpdatePauseMenu();
// Over the scene, in the game area's own view; the camera's view comes back after.
void DrawPauseMenu(sf::RenderWindow& window);
// A mouse press while the pause menu is open: each button under the pointer acts, in menu order.
void HandlePauseClick(sf::RenderWindow& window);
// Exit to menu: the title with its music, then the roaming screen let go, which saves the game.
void ExitToTitleFromPause(sf::RenderWindow& window);
void ReleasePauseMenu();
