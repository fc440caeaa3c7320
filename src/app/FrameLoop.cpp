#include "app/FrameLoop.h"

#include <unistd.h>

#include <algorithm>

#include "app/Startup.h"
#include "battle/BattleFlow.h"
#include "battle/CommandMenus.h"
#include "battle/GameOver.h"
#include "core/Input.h"
#include "core/Random.h"
#include "core/Screen.h"
#include "core/Settings.h"
#include "core/SoundEffects.h"
#include "core/StateMachine.h"
#include "frontend/CreditsScreen.h"
#include "frontend/OptionsScreen.h"
#include "frontend/PauseMenu.h"
#include "frontend/RoamingKeys.h"
#include "frontend/RoamingScreen.h"
#include "frontend/SaveSlotMenu.h"
#include "frontend/Splash.h"
#include "frontend/TitleMenu.h"
#include "frontend/WorldMap.h"
#include "world/SaveThumbnail.h"

namespace {

// Fixed physical keys of the game-over screen, whatever the bindings say.
constexpr int32_t KEY_CODE_R = sf::Keyboard::R;
constexpr int32_t KEY_CODE_ESCAPE = sf::Keyboard::Escape;

void HandleMenuKey(sf::RenderWindow& window, const sf::Event::KeyEvent& keyEvent) {
    switch (gStates.menuScreen) {
        case MENU_MAIN:
            HandleTitleKey(window, keyEvent);
            break;
        case MENU_CREDITS:
            if (keyEvent.code == gSettings.keys.escape) ReturnToTitleMenu(window);
            break;
        case MENU_OPTIONS:
            HandleOptionsKey(window, keyEvent);
            break;
        case MENU_SAVES:
            HandleSaveSlotKey(window, keyEvent);
            break;
        case MENU_NONE:
            break;
    }
}

void HandleGameKey(sf::RenderWindow& window, const sf::Event::KeyEvent& keyEvent) {
    switch (gStates.gameScreen) {
        case SCREEN_ROAMING:
            HandleRoamingKey(window, keyEvent);
            break;
        case SCREEN_BATTLE:
            HandleBattleKey(window, keyEvent);
            break;
        case SCREEN_WORLD_MAP:
            HandleWorldMapKey(window, keyEvent);
            break;
        case SCREEN_NONE:
            break;
    }
}

void HandleMenuClick(sf::RenderWindow& window) {
    switch (gStates.menuScreen) {
        case MENU_MAIN:
            HandleTitleClick(window);
            break;
        case MENU_CREDITS:
            if (CreditsBackButtonContains(PointerPosition(window))) ReturnToTitleMenu(window);
            break;
        case MENU_OPTIONS:
            HandleOptionsClick(window);
            break;
        case MENU_SAVES:
            HandleSaveSlotClick(window);
            break;
        case MENU_NONE:
            break;
    }
}

void UpdateMenu(float dt) {
    switch (gStates.menuScreen) {
        case MENU_MAIN:
            UpdateTitleMenu();
            break;
        case MENU_CREDITS:
            UpdateCreditsScreen(dt);
            break;
        case MENU_OPTIONS:
            UpdateOptionsScreen();
            break;
        case MENU_SAVES:
            UpdateSaveSlotMenu();
            break;
        case MENU_NONE:
            break;
    }
}

void UpdateGame(float dt, sf::RenderWindow& window) {
    switch (gStates.gameScreen) {
        case SCREEN_ROAMING:
            UpdateRoaming(dt, window);
            break;
        case SCREEN_BATTLE:
            UpdateBattle(dt, window);
            break;
        case SCREEN_WORLD_MAP:
            UpdateWorldMap(dt, window);
            break;
        case SCREEN_NONE:
            break;
    }
}

void DrawMenu(sf::RenderWindow& window) {
    switch (gStates.menuScreen) {
        case MENU_MAIN:
            DrawTitleMenu(window);
            break;
        case MENU_CREDITS:
            DrawCreditsScreen(window);
            break;
        case MENU_OPTIONS:
            DrawOptionsScreen(window);
            break;
        case MENU_SAVES:
            DrawSaveSlotMenu(window);
            break;
        case MENU_NONE:
            break;
    }
}

}  // namespace

int RunGame(int argc, char** argv) {
    (void)argc;
    if (!EnterAssetTree(argv != nullptr ? argv[0] : nullptr)) return 1;
    SeedRandom(static_cast<unsigned>(getpid()));
    GameContext context;
    InitGame(context);
    sf::RenderWindow& window = *context.window;
    while (window.isOpen()) {
        sf::Event event{};
        while (window.pollEvent(event))
            HandleWindowEvent(window, event);
        UpdateFrame(*context.clock, window);
        DrawFrame(window);
    }
    context.clock.reset();
    // Closing the window in the game writes no save: unloading MODE_GAME only stops the music.
    UnloadCurrentMode(window);
    FinishThumbnailWrites();  // the last picture handed over still reaches the disk
    context.window.reset();
    return 0;
}

void HandleWindowEvent(sf::RenderWindow& window, const sf::Event& event) {
    switch (event.type) {
        case sf::Event::Closed:
            window.close();
            break;
        case sf::Event::KeyPressed:
            HandleKeyPressed(window, event.key);
            break;
        case sf::Event::MouseButtonPressed:
            HandleMouseButtonPressed(window, event.mouseButton);
            break;
        default:
            break;
    }
}

void HandleKeyPressed(sf::RenderWindow& window, const sf::Event::KeyEvent& keyEvent) {
    switch (gStates.gameMode) {
        case MODE_MENU:
            HandleMenuKey(window, keyEvent);
            break;
        case MODE_GAME:
            HandleGameKey(window, keyEvent);
            break;
        case MODE_GAME_OVER:
            if (keyEvent.code == KEY_CODE_R) {
                SetGameMode(MODE_GAME, window);  // try again
            } else if (keyEvent.code == KEY_CODE_ESCAPE) {
                SetGameMode(MODE_MENU, window);
            }
            break;
        case MODE_SPLASH:
            if (keyEvent.code == gSettings.keys.enter) SetGameMode(MODE_MENU, window);
            break;
        case MODE_NONE:
            break;
    }
}

void HandleMouseButtonPressed(sf::RenderWindow& window, const sf::Event::MouseButtonEvent& buttonEvent) {
    switch (gStates.gameMode) {
        case MODE_MENU:
            HandleMenuClick(window);
            break;
        case MODE_GAME:
            if (gStates.gameScreen == SCREEN_ROAMING && gStates.roamingOverlay == OVERLAY_PAUSE) {
                HandlePauseClick(window);
            }
            break;
        case MODE_GAME_OVER:
            if (buttonEvent.button == sf::Mouse::Left && GameOverBackButtonHit(PointerPosition(window))) {
                SetGameMode(MODE_MENU, window);
            }
            break;
        case MODE_SPLASH:
        case MODE_NONE:
            break;
    }
}

void UpdateFrame(sf::Clock& clock, sf::RenderWindow& window) {
    const float dt = clock.restart().asSeconds();
    AdvanceFrame(dt, window);
}

void AdvanceFrame(float frameTime, sf::RenderWindow& window) {
    const float dt = std::min(frameTime, MAX_FRAME_TIME);
    ReapSoundEffects();
    switch (gStates.gameMode) {
        case MODE_MENU:
            UpdateMenu(dt);
            break;
        case MODE_GAME:
            UpdateGame(dt, window);
            break;
        case MODE_GAME_OVER:
            UpdateGameOver(dt);
            break;
        case MODE_SPLASH:
            UpdateSplash(dt, window);
            break;
        case MODE_NONE:
            break;
    }
}

void RenderFrame(sf::RenderWindow& window) {
    window.clear(sf::Color::Black);
    switch (gStates.gameMode) {
        case MODE_MENU:
            DrawMenu(window);
            break;
        case MODE_GAME:
            DrawGameScene(window);
            break;
        case MODE_GAME_OVER:
            ApplyDefaultView(window);
            DrawGameScene(window);
            DrawGameOverOverlay(window);
            break;
        case MODE_SPLASH:
            DrawSplash(window);
            break;
        case MODE_NONE:
            break;
    }
}

void DrawFrame(sf::RenderWindow& window) {
    RenderFrame(window);
    window.display();
}
