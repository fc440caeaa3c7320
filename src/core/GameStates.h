#pragma once
// The two-level state machine's values: which mode runs, which front-end or in-game screen is shown,
// and which roaming overlay owns the keys. Modes and screens change only through core/StateMachine.h;
// the overlay is set by the roaming key handling and the overlays themselves.
//
// Every switch over these names each value and has no default, so the compiler points at every place
// that forgets a new screen.

#include <cstdint>

enum class GameMode : int32_t {
    MODE_NONE = -1,
    MODE_MENU = 0,
    MODE_GAME = 1,
    MODE_GAME_OVER = 2,
    MODE_SPLASH = 3
};
enum class MenuScreen : int32_t {
    MENU_NONE = -1,
    MENU_MAIN = 0,
    MENU_CREDITS = 1,
    MENU_OPTIONS = 2,
    MENU_SAVES = 3
};
enum class GameScreen : int32_t {
    SCREEN_NONE = -1,
    SCREEN_ROAMING = 0,
    SCREEN_BATTLE = 1,
    SCREEN_WORLD_MAP = 2
};
enum class RoamingOverlay : int32_t {
    OVERLAY_UNSET = -1,  // program start, before the first game
    OVERLAY_NONE = 0,
    OVERLAY_PAUSE = 1,
    OVERLAY_OPTIONS = 2,
    OVERLAY_INVENTORY = 3,
    OVERLAY_DIALOGUE = 4,
    OVERLAY_SHOP = 5,
    OVERLAY_FISHING = 6,
    OVERLAY_FISH_COLLECTION = 7,
};

// The values keep the game's prefixed names (MODE_GAME, OVERLAY_SHOP) without their type in front.
using enum GameMode;
using enum MenuScreen;
using enum GameScreen;
using enum RoamingOverlay;

struct GameStates {
    GameMode gameMode = MODE_NONE;
    MenuScreen menuScreen = MENU_NONE;
    GameScreen gameScreen = SCREEN_NONE;
    RoamingOverlay roamingOverlay = OVERLAY_UNSET;
};

extern GameStates gStates;

void ResetGameStates();
