#include "world/SceneDrawing.h"

#include "battle/BattleHud.h"
#include "core/GameState.h"
#include "world/WorldMap.h"

Camera gCamera;

void DrawGameScene(sf::RenderWindow& window) {
    switch (gStates.gameScreen) {
        case SCREEN_ROAMING:
            DrawRoamingScreen(window);
            break;
        case SCREEN_BATTLE:
            DrawBattleScene(window);
            break;
        case SCREEN_WORLD_MAP:
            DrawWorldMap(window);
            break;
        default:
            break;
    }
}

// The tile layers, decor, hero and overlays arrive with the maps.
void DrawRoamingScreen(sf::RenderWindow&) {}
void UpdateCamera(sf::RenderWindow&) {}

void ResetCamera() {
    gCamera = Camera{};
}
