#include "world/SceneDrawing.h"

#include <cstring>
#include <string_view>

#include "battle/BattleHud.h"
#include "content/Items.h"
#include "content/Npcs.h"
#include "content/PopUps.h"
#include "content/Shop.h"
#include "core/GameState.h"
#include "core/Screen.h"
#include "world/MapState.h"
#include "world/Player.h"
#include "world/Roaming.h"
#include "world/WorldMap.h"
#include "world/WorldState.h"

Camera gCamera;

namespace {

constexpr int CAMERA_TILE = 64;

void DrawGround(sf::RenderWindow& window) {
    for (const TiledLayer* layer = gMap.loadedMap->layers; layer != nullptr; layer = layer->next) {
        if (layer->visible && !IsRoofLayer(*layer) && IsTileLayer(*layer)) DrawTileLayer(window, *layer);
    }
}

float HeroFootLine() {
    return gPlayer.footBox.top + gPlayer.footBox.height;
}

// Someone whose feet are higher up the screen than the hero's stands behind him.
bool StandsBehindHero(const Npc& npc) {
    return npc.box.top + npc.box.height <= HeroFootLine();
}

// The hero, with the people standing behind him drawn first, so no one's legs cover his head.
void DrawHero(sf::RenderWindow& window) {
    for (const Npc& npc : gRoaming.npcList.npcs) {
        if (StandsBehindHero(npc)) DrawNpc(window, npc);
    }
    window.draw(gPlayer.sprite);
    gCamera.playerDrawn = 1;
}

// Decor and hero by depth: a point lower than the hero's feet is drawn after him.
void DrawDepthPass(sf::RenderWindow& window) {
    const float feet = HeroFootLine();
    for (const MapPoint& point : gMap.mapPoints) {
        if (!(point.y <= feet) && gCamera.playerDrawn == 0) DrawHero(window);
        window.draw(*point.sprite);
    }
    if (gCamera.playerDrawn == 0) DrawHero(window);
}

void DrawClouds(sf::RenderWindow& window) {
    if (!MapHasClouds(gWorld.currentMapName) || !gClouds.held) return;
    for (const sf::Sprite& cloud : gClouds.sprites)
        window.draw(cloud);
}

// Each overlay in screen space over the scene; the camera's view comes back after each.
void DrawRoamingOverlay(sf::RenderWindow& window) {
    if (gStates.roamingOverlay == OVERLAY_INVENTORY) DrawInventory(window);
    if (gStates.roamingOverlay == OVERLAY_SHOP) DrawShop(window);
}

float ClampAxis(float position, float viewSize, int32_t mapSize) {
    if (viewSize * 0.5f > position) return viewSize * 0.5f;
    if (position > static_cast<float>(mapSize) - viewSize * 0.5f)
        return static_cast<float>(mapSize) - viewSize * 0.5f;
    return position;
}

}  // namespace

bool IsRoofLayer(const TiledLayer& layer) {
    if (layer.name == nullptr) return false;
    return std::strcmp(layer.name, "Up") == 0 || std::strcmp(layer.name, "Up-bis") == 0 ||
           std::strcmp(layer.name, "Batiment roof") == 0;
}

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

void DrawTileLayer(sf::RenderWindow& window, const TiledLayer& layer) {
    if (gMap.tileCache.stampEveryTile) {
        DrawTileLayerSprites(window, gMap.tileSprite, *gMap.loadedMap, layer);
        return;
    }
    DrawTileLayerChunks(window, gMap.tileCache, layer, gMap.tileSheetTexture);
}

void DrawRoofLayers(sf::RenderWindow& window) {
    for (const TiledLayer* layer = gMap.loadedMap->layers; layer != nullptr; layer = layer->next) {
        if (layer->visible && IsRoofLayer(*layer) && IsTileLayer(*layer)) DrawTileLayer(window, *layer);
    }
}

void DrawRoamingScreen(sf::RenderWindow& window) {
    if (!gMap.loadedMap) return;
    gMap.tileCache.drawCalls = 0;
    gCamera.playerDrawn = 0;
    ApplyMainView(window);
    DrawGround(window);
    DrawDepthPass(window);
    DrawRoofLayers(window);
    ApplyMainView(window);
    for (const MapItem& item : gRoaming.mapItemList.items)
        window.draw(item.sprite);
    DrawRoofLayers(window);  // roofs cover the map's items too
    for (const Npc& npc : gRoaming.npcList.npcs) {
        if (StandsBehindHero(npc)) continue;
        DrawNpc(window, npc);
        ApplyMainView(window);
    }
    ApplyMainView(window);
    DrawClouds(window);
    DrawInteractionPrompt(window);
    // Spoken text last, above the people, the smoke and the prompt.
    for (const Npc& npc : gRoaming.npcList.npcs)
        DrawNpcDialogue(window, npc);
    DrawPopUps(window);
    DrawRoamingOverlay(window);
}

void UpdateCamera(sf::RenderWindow& window) {
    const sf::Vector2f player = gPlayer.sprite.getPosition();
    const sf::Vector2f size = gMainView.getSize();
    gMainView.setCenter(ClampAxis(player.x, size.x, gCamera.mapPixelWidth),
                        ClampAxis(player.y, size.y, gCamera.mapPixelHeight));
    ApplyMainView(window);
}

void ComputeMapPixelSize() {
    const TiledMap* map = gMap.loadedMap.get();
    if (map == nullptr) return;
    gCamera.mapPixelHeight =
        static_cast<int32_t>(static_cast<float>(map->height * CAMERA_TILE) * gScreen.scale);
    gCamera.mapPixelWidth =
        static_cast<int32_t>(static_cast<float>(map->width * CAMERA_TILE) * gScreen.scale);
}

void ResetCamera() {
    gCamera = Camera{};
}
