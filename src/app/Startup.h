#pragma once
// Everything that happens once before the first frame: the game area, the window, the settings, the
// screen stack with the logos on it.

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/System/Clock.hpp>

#include <memory>

#include "app/PadKeys.h"
#include "app/ScreenStack.h"

// The program's state: the window, the clock and the screen stack, which owns every screen and, through
// them, every game session and map scene. A new context is a new program: nothing of an earlier one is
// left once it is gone (the screens unloaded, the thumbnail in flight written, the sounds stopped).
struct GameContext {
    std::unique_ptr<sf::RenderWindow> window;
    std::unique_ptr<sf::Clock> clock;
    std::unique_ptr<ScreenStack> stack;
    PadKeys pad;
    bool focused = true;  // false while the player is in another window: the game waits, silent

    GameContext() = default;
    GameContext(const GameContext&) = delete;
    GameContext& operator=(const GameContext&) = delete;
    ~GameContext();
};

// Measures the desktop, creates the window and the clock, loads the settings and enters the splash.
void InitGame(GameContext& context);

// Makes sure the working directory holds Assets/: the folder the game was started from, or else the
// executable's own folder. Without either, prints which folders were searched and returns false.
bool EnterAssetTree(const char* argv0);
