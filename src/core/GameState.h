#pragma once
// The two-level state machine's values: which mode runs, which front-end or in-game screen is shown,
// and which roaming overlay owns the keys. Changed only through the functions of core/Modes.h
// (the overlay by the roaming key handling).

#include <cstdint>

enum GameModeValue : int32_t { MODE_MENU = 0, MODE_GAME = 1, MODE_GAME_OVER = 2, MODE_SPLASH = 3 };
enum MenuScreenValue : int32_t { MENU_MAIN = 0, MENU_CREDITS = 1, MENU_OPTIONS = 2, MENU_SAVES = 3 };
enum GameScreenValue : int32_t { SCREEN_ROAMING = 0, SCREEN_BATTLE = 1, SCREEN_WORLD_MAP = 2 };
enum RoamingOverlayValue : int32_t {
    OVERLAY_NONE = 0,
    OVERLAY_PAUSE = 1,
    OVERLAY_OPTIONS = 2,
    OVERLAY_INVENTORY = 3,
    OVERLAY_DIALOGUE = 4,
    OVERLAY_SHOP = 5,
    OVERLAY_FISHING = 6,
    OVERLAY_FISH_COLLECTION = 7,
};

inline constexpr int32_t STATE_NONE = -1;  // before the first state is entered

struct GameStates {
    int32_t gameMode = STATE_NONE;
    int32_t menuScreen = STATE_NONE;
    int32_t gameScreen = STATE_NONE;
    int32_t roamingOverlay = STATE_NONE;
};

extern GameStates gStates;

void ResetGameStates();
