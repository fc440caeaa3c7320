#include "core/StateMachine.h"

namespace {

StateHandlers gHandlers;

}  // namespace

void InstallStateHandlers(const StateHandlers& handlers) {
    gHandlers = handlers;
}

void SetGameMode(GameMode mode, sf::RenderWindow& window) {
    UnloadCurrentMode(window);
    gStates.gameMode = mode;
    if (gHandlers.loadMode != nullptr) gHandlers.loadMode(mode, window);
}

void UnloadCurrentMode(sf::RenderWindow& window) {
    if (gHandlers.unloadMode != nullptr) gHandlers.unloadMode(gStates.gameMode, window);
}

void SetGameScreen(GameScreen screen) {
    if (gHandlers.leaveGameScreen != nullptr) gHandlers.leaveGameScreen(gStates.gameScreen);
    gStates.gameScreen = screen;
    if (gHandlers.enterGameScreen != nullptr) gHandlers.enterGameScreen(screen);
}

void SetMenuScreen(sf::RenderWindow& window, MenuScreen screen) {
    if (screen != gStates.menuScreen) UnloadMenuScreen();
    gStates.menuScreen = screen;
    if (gHandlers.loadMenuScreen != nullptr) gHandlers.loadMenuScreen(screen, window);
}

void UnloadMenuScreen() {
    if (gHandlers.unloadMenuScreen != nullptr) gHandlers.unloadMenuScreen(gStates.menuScreen);
}

void ReturnToTitleMenu(sf::RenderWindow& window) {
    SetMenuScreen(window, MENU_MAIN);
}

void StoryMapChange(sf::RenderWindow& window, const char* newMap, bool emptyInventory) {
    if (gHandlers.storyMapChange != nullptr) gHandlers.storyMapChange(window, newMap, emptyInventory);
}

void DrawGameScene(sf::RenderWindow& window) {
    if (gHandlers.drawGameScene != nullptr) gHandlers.drawGameScene(window);
}
