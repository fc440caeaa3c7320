#pragma once
// The game's modes: the logos, the front-end menus, a game being played, and the game over. A mode is
// the bottom of the screen stack (core/Screens.h); SetGameMode asks the app to empty the stack and
// load the mode's first screen.

#include <cstdint>

enum class GameMode : int32_t {
    MODE_NONE = -1,
    MODE_MENU = 0,
    MODE_GAME = 1,
    MODE_GAME_OVER = 2,
    MODE_SPLASH = 3
};

// The values keep the game's prefixed names (MODE_GAME) without their type in front.
using enum GameMode;
