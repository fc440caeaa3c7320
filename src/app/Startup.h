#pragma once
// Everything that happens once before the first frame: the game area, the window, the settings, the
// screen stack with the logos on it.

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/System/Clock.hpp>

#include <memory>

#include "app/ScreenStack.h"

struct GameContext {
    std::unique_ptr<sf::RenderWindow> window;
    std::unique_ptr<sf::Clock> clock;
    std::unique_ptr<ScreenStack> stack;
};

// Measures the desktop, creates the window and the clock, loads the settings and enters the splash.
void InitGame(GameContext& context);

// Every record of the game back to its program-start values, the game session with them (tests start
// each game from here; no window is needed).
void ResetProgramState();

// Makes sure the working directory holds Assets/: the folder the game was started from, or else the
// executable's own folder. Without either, prints which folders were searched and returns false.
bool EnterAssetTree(const char* argv0);
