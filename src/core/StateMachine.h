#pragma once
// Switching modes and screens. Each switch releases what the old state loaded before loading the new
// one, and the music follows. What each state loads and releases is known only to the app, which hands
// its entry points over at start-up: the screens below it switch states through these functions without
// knowing one another.

#include <SFML/Graphics/RenderWindow.hpp>

#include "core/GameStates.h"

struct StateHandlers {
    void (*loadMode)(GameMode mode, sf::RenderWindow& window) = nullptr;
    void (*unloadMode)(GameMode mode, sf::RenderWindow& window) = nullptr;
    void (*leaveGameScreen)(GameScreen screen) = nullptr;
    void (*enterGameScreen)(GameScreen screen) = nullptr;
    void (*loadMenuScreen)(MenuScreen screen, sf::RenderWindow& window) = nullptr;
    void (*unloadMenuScreen)(MenuScreen screen) = nullptr;
    void (*drawGameScene)(sf::RenderWindow& window) = nullptr;
    void (*storyMapChange)(sf::RenderWindow& window, const char* newMap, bool emptyInventory) = nullptr;
};

void InstallStateHandlers(const StateHandlers& handlers);

void SetGameMode(GameMode mode, sf::RenderWindow& window);
void UnloadCurrentMode(sf::RenderWindow& window);
void SetGameScreen(GameScreen screen);
void SetMenuScreen(sf::RenderWindow& window, MenuScreen screen);
void UnloadMenuScreen();
// Back to the title menu from another front-end screen: release it, then load the title.
void ReturnToTitleMenu(sf::RenderWindow& window);

// The story moves the hero to another map (the bed, the house's exit, the cabin's passage, the end):
// the map left is saved, the new one loaded with the hero on its point named after the map left, and,
// for the night, the inventory emptied first.
void StoryMapChange(sf::RenderWindow& window, const char* newMap, bool emptyInventory);

// The in-game scene of the current game screen (roaming, battle or world map), in its own views.
void DrawGameScene(sf::RenderWindow& window);
