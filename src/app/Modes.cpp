#include "app/Modes.h"

// The one module that knows every screen: it loads and releases them as the states change.

#include "battle/BattleData.h"
#include "battle/BattleFlow.h"
#include "battle/BattleHud.h"
#include "battle/CombatantAnimation.h"
#include "battle/GameOver.h"
#include "core/Music.h"
#include "core/Screen.h"
#include "core/StateMachine.h"
#include "frontend/CreditsScreen.h"
#include "frontend/OptionsScreen.h"
#include "frontend/RoamingDrawing.h"
#include "frontend/RoamingScreen.h"
#include "frontend/SaveSlotMenu.h"
#include "frontend/Splash.h"
#include "frontend/TitleMenu.h"
#include "frontend/WorldMap.h"

namespace {

void LoadMode(GameMode mode, sf::RenderWindow& window) {
    switch (mode) {
        case MODE_NONE:
            break;
        case MODE_MENU:
            ReturnToTitleMenu(window);
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
    }
}

void UnloadMode(GameMode mode, sf::RenderWindow& window) {
    switch (mode) {
        case MODE_NONE:
            break;
        case MODE_MENU:
            UnloadMenuScreen();
            StopMusic();
            break;
        case MODE_GAME:
            // The in-game screens stay: whoever leaves the game releases the roaming screen or the
            // battle, and the next SetGameScreen releases the rest. Left from a battle (fled to the
            // title, or lost), the map it interrupted goes unsaved: the enemy waits there again.
            if (gStates.gameScreen == SCREEN_BATTLE) DiscardRoamingScreen(window);
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
    }
}

void LeaveGameScreen(GameScreen screen) {
    switch (screen) {
        case SCREEN_NONE:
            break;
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
    }
}

void EnterGameScreen(GameScreen screen) {
    switch (screen) {
        case SCREEN_NONE:
            break;
        case SCREEN_ROAMING:
            PlayMusic(MUSIC_ROAMING);
            break;
        case SCREEN_BATTLE:
            PlayMusic(MUSIC_BATTLE);
            break;  // StartBattle sets the battle up afterwards
        case SCREEN_WORLD_MAP:
            LoadWorldMap();
            break;  // no music on the world map
    }
}

void LoadMenuScreen(MenuScreen screen, sf::RenderWindow& window) {
    switch (screen) {
        case MENU_NONE:
            break;
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
    }
}

void UnloadMenu(MenuScreen screen) {
    switch (screen) {
        case MENU_NONE:
            break;
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
    }
}

void DrawGameScreen(sf::RenderWindow& window) {
    switch (gStates.gameScreen) {
        case SCREEN_NONE:
            break;
        case SCREEN_ROAMING:
            DrawRoamingScreen(window);
            break;
        case SCREEN_BATTLE:
            DrawBattleScene(window);
            break;
        case SCREEN_WORLD_MAP:
            DrawWorldMap(window);
            break;
    }
}

}  // namespace

void InstallModeMachine() {
    InstallStateHandlers({LoadMode, UnloadMode, LeaveGameScreen, EnterGameScreen, LoadMenuScreen, UnloadMenu,
                          DrawGameScreen, MoveHeroForStory});
}
