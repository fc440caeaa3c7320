#include "core/Modes.h"

// The one module that knows every screen: it loads and releases them as the states change.

#include "battle/BattleData.h"
#include "battle/BattleFlow.h"
#include "battle/BattleHud.h"
#include "battle/GameOver.h"
#include "core/GameState.h"
#include "core/Log.h"
#include "core/Music.h"
#include "core/Screen.h"
#include "frontend/CreditsScreen.h"
#include "frontend/OptionsScreen.h"
#include "frontend/SaveSlotMenu.h"
#include "frontend/Splash.h"
#include "frontend/TitleMenu.h"
#include "world/Roaming.h"
#include "world/WorldMap.h"

namespace {

void LoadMode(int32_t mode, sf::RenderWindow& window) {
    switch (mode) {
        case MODE_MENU:
            ReturnToTitleMenu();
            PlayMusic(MUSIC_TITLE);
            ResetView(window);
            break;
        case MODE_GAME:
            SetGameScreen(SCREEN_ROAMING);
            LoadRoamingScreen(window);  // sets its own view
            LoadBattleEffects();
            LoadEnemyTemplates();
            LoadPartyRoster();
            FillPouchForNewGame();
            break;
        case MODE_GAME_OVER:
            LoadGameOver();  // starts its own music
            ResetView(window);
            break;
        case MODE_SPLASH:
            LoadSplash();
            ResetView(window);
            break;
        default:
            break;
    }
}

void LoadMenuScreen(sf::RenderWindow& window, int32_t screen) {
    switch (screen) {
        case MENU_MAIN:
            LoadTitleMenu();
            break;
        case MENU_CREDITS:
            LoadCreditsScreen();
            break;
        case MENU_OPTIONS:
            LoadOptionsScreen();
            break;
        case MENU_SAVES:
            LoadSaveSlotMenu(window);
            break;
        default:
            break;
    }
}

}  // namespace

void SetGameMode(int32_t mode, sf::RenderWindow& window) {
    UnloadCurrentMode(window);
    gStates.gameMode = mode;
    LoadMode(mode, window);
}

void UnloadCurrentMode(sf::RenderWindow& window) {
    switch (gStates.gameMode) {
        case MODE_MENU:
            UnloadMenuScreen();
            StopMusic();
            break;
        case MODE_GAME:
            // The in-game screens stay: whoever leaves the game releases the roaming screen or the
            // battle, and the next SetGameScreen releases the rest.
            EmptyPouch();
            StopMusic();
            break;
        case MODE_GAME_OVER:
            SetGameScreen(SCREEN_ROAMING);  // releases the lost battle
            UnloadRoamingScreen(window);    // writes no save in this mode
            ReleaseCombatantData();
            ReleaseGameOver();
            StopMusic();
            break;
        case MODE_SPLASH:
            UnloadSplash();
            break;
        default:
            break;
    }
}

void SetGameScreen(int32_t screen) {
    switch (gStates.gameScreen) {
        case SCREEN_ROAMING:
            StopMusic();
            break;
        case SCREEN_BATTLE:
            StopMusic();
            ReleaseBattle();
            break;
        case SCREEN_WORLD_MAP:
            StopMusic();
            ReleaseWorldMap();
            break;
        default:
            break;
    }
    gStates.gameScreen = screen;
    switch (screen) {
        case SCREEN_ROAMING:
            PlayMusic(MUSIC_ROAMING);
            break;
        case SCREEN_BATTLE:
            PlayMusic(MUSIC_BATTLE);
            break;  // StartBattle sets the battle up afterwards
        case SCREEN_WORLD_MAP:
            LoadWorldMap();
            break;  // no music on the world map
        default:
            break;
    }
}

void SetMenuScreen(sf::RenderWindow& window, int32_t screen) {
    if (screen != gStates.menuScreen) UnloadMenuScreen();
    gStates.menuScreen = screen;
    LoadMenuScreen(window, screen);
}

void UnloadMenuScreen() {
    switch (gStates.menuScreen) {
        case MENU_MAIN:
            UnloadTitleMenu();
            break;
        case MENU_CREDITS:
            UnloadCreditsScreen();
            break;
        case MENU_OPTIONS:
            UnloadOptionsScreen();
            break;
        case MENU_SAVES:
            UnloadSaveSlotMenu();
            break;
        default:
            break;
    }
}

void ReturnToTitleMenu() {
    if (gStates.menuScreen != MENU_MAIN) UnloadMenuScreen();
    gStates.menuScreen = MENU_MAIN;
    LoadTitleMenu();
}
