#include "frontend/RoamingScreen.h"

#include <cstring>

#include "battle/BattleData.h"
#include "content/Fishing.h"
#include "content/Items.h"
#include "content/MapContent.h"
#include "content/Puzzles.h"
#include "content/Reach.h"
#include "content/SavedContent.h"
#include "content/Shop.h"
#include "content/Story.h"
#include "core/GameStates.h"
#include "core/Input.h"
#include "core/Log.h"
#include "core/Screen.h"
#include "core/Settings.h"
#include "core/StateMachine.h"
#include "core/Text.h"
#include "frontend/OptionsScreen.h"
#include "frontend/PauseMenu.h"
#include "world/Camera.h"
#include "world/Clouds.h"
#include "world/GameSession.h"
#include "world/MapDecor.h"
#include "world/MapLoading.h"
#include "world/MapNames.h"
#include "world/Player.h"
#include "world/SaveFiles.h"

RoamingScreen gRoaming;

namespace {

const char* const FISHING_POSTS[] = {"PECHE_POST_1", "PECHE_POST_2", "PECHE_POST_3"};

// The first point, in depth order, whose name contains the name of the map just left.
void PlaceOnSpawnPoint() {
    for (const MapPoint& point : gMap.mapPoints) {
        if (Contains(point.name, gSession.previousMapName)) {
            gPlayer.sprite.setPosition(static_cast<float>(static_cast<int>(point.x)),
                                       static_cast<float>(static_cast<int>(point.y)));
            // The rest of a door's frame tests the new map's triggers: against the feet where they
            // now stand, not where they stood on the map just left.
            UpdateFootBox();
            return;
        }
    }
}

int FishingPostIndex(const char* name) {
    for (int post = 0; post < 3; ++post) {
        if (std::strcmp(name, FISHING_POSTS[post]) == 0) return post;
    }
    return -1;
}

bool TriggerIsLeftToTheStory(const char* name) {
    return std::strcmp(name, "Bed") == 0 || std::strcmp(name, "EXIT") == 0 ||
           Contains(name, "HOUSE_ENTER_SPRITI");
}

// An enemy in reach starts its battle at once and leaves the map (the next save marks it gone). The
// NPC that moves into its place waits for the next frame.
void StartNpcBattle(size_t index, sf::RenderWindow& window) {
    ResetView(window);
    SetGameScreen(SCREEN_BATTLE);
    std::vector<Npc>& npcs = gMapContent.npcList.npcs;
    StartBattle(npcs[index].battlePath.c_str());
    npcs.erase(npcs.begin() + static_cast<long>(index));
}

void UpdateMapNpcs(float dt, sf::RenderWindow& window) {
    std::vector<Npc>& npcs = gMapContent.npcList.npcs;
    for (size_t i = 0; i < npcs.size(); ++i) {
        UpdateNpc(dt, npcs[i]);
        PushOutOfRect(npcs[i].box);
        if (InNpcReach(npcs[i]) == 1 && npcs[i].type == NPC_BATTLE) StartNpcBattle(i, window);
    }
}

// Everything the map held is let go before another one is built: its people, its items, the shop.
void ReleaseMapAndShop() {
    ReleasePuzzles();
    ReleaseMapContent();
    UnloadShop();
}

}  // namespace

void LoadRoamingScreen(sf::RenderWindow& window) {
    // What every map shares (the key prompt, the shop, the hero, the inventory screen) is built once per
    // game, not again at every door.
    if (!gPrompt.built) BuildInteractionPrompt();
    if (!gShop.built) LoadShop();
    if (gRoaming.roamingFirstLoad == 1) {
        InitPlayer();
        ArmPuzzles();
    }
    ReleaseMapContent();
    if (!gInventory.built) BuildInventoryScreen();
    LogDebug("%s", gSession.currentMapName);
    LoadMap(gMapContent.npcList, gMapContent.mapItemList);
    LoadPuzzles();
    if (MapHasClouds(gSession.currentMapName)) BuildCloudLayer();
    PlaceOnSpawnPoint();
    SetPlayerSheet();
    LogDebug("creat\n");
    gMainView = MakeMapView({REFERENCE_WIDTH * 0.5f, REFERENCE_HEIGHT * 0.5f}, window);
    ApplyMainView(window);
    ParkInteractionPrompt();
    ComputeMapPixelSize();
    gRoaming.roamingFirstLoad = 0;
    gRoaming.loaded = true;
}

void UpdateRoaming(float dt, sf::RenderWindow& window) {
    if (!gRoaming.loaded) return;
    if (gStates.roamingOverlay == OVERLAY_NONE) MovePlayer(dt);
    if (gPlayer.currentAnimation != nullptr) AnimateSpriteSheet(*gPlayer.currentAnimation, dt);
    UpdateFootBox();
    UpdateCamera(window);
    for (MapPoint& point : gMap.mapPoints)
        AnimateSpriteSheet(point.animation, dt);
    AdvanceTileAnimations(gMap.tileCache, gMap.tileSheets, dt);
    if (MapHasClouds(gSession.currentMapName)) UpdateCloudLayer(dt);
    UpdateStory(window, dt);
    UpdatePuzzles(dt);
    UpdateMapNpcs(dt, window);
    HandleTriggers(window);
    ShowShopGold();
    ShowInventoryGold();
    if (gStates.roamingOverlay == OVERLAY_FISHING) UpdateFishing(dt);
    if (gStates.roamingOverlay == OVERLAY_FISH_COLLECTION) UpdateFishCollection();
    if (gStates.roamingOverlay == OVERLAY_PAUSE) UpdatePauseMenu();
    if (gStates.roamingOverlay == OVERLAY_OPTIONS) UpdateOptionsScreen();
}

void HandleTriggers(sf::RenderWindow& window) {
    for (const sf::FloatRect& rect : gMap.collisionRects)
        PushOutOfRect(rect);
    SetPreviousMapName(gSession.currentMapName);
    // The count is read again on every turn: a door loads another map in the middle of the pass.
    for (int i = 0; i < static_cast<int>(gMap.triggers.size()); ++i) {
        const MapTrigger trigger = GetTrigger(i);
        const int post = FishingPostIndex(trigger.name);
        if (post >= 0) {
            // A post never blocks: standing in it with the rod, ENTER held, casts the line.
            if (gPlayer.footBox.intersects(trigger.rect) && gStates.roamingOverlay == OVERLAY_NONE &&
                gSession.story.fishingUnlocked == 1 && IsKeyHeld(gSettings.keys.enter)) {
                gStates.roamingOverlay = OVERLAY_FISHING;
                LoadFishing(post);
            }
            continue;
        }
        if (TriggerIsLeftToTheStory(trigger.name)) continue;
        if (PushOutOfTrigger(trigger) == 0) continue;
        if (std::strcmp(trigger.name, "MAP") == 0) {
            if (gSession.story.worldMapOpen == 1) {
                SetPreviousMapName(gSession.currentMapName);
                SetGameScreen(SCREEN_WORLD_MAP);
                return;
            }
            continue;
        }
        ChangeMap(trigger.name, window);
    }
}

namespace {

void MoveHero(const char* destination, sf::RenderWindow& window, bool emptyInventory) {
    std::string reason;
    if (!MapCanBeEntered(destination, reason)) {
        // The door pushed the hero back already: he stays where he is and the save is untouched.
        LogDebug("Cannot go to map %s from %s: %s\n", destination, gSession.currentMapName, reason.c_str());
        return;
    }
    LogDebug("tp roaming \n");
    SetPreviousMapName(gSession.currentMapName);
    LogDebug("setcurrentMap : %s\n", destination);
    SetCurrentMapName(destination);
    // What is lost on the way is lost before the save is written, so that a save continued there does
    // not bring it back.
    if (emptyInventory) gSession.inventory.clear();
    // The map left and the map entered are saved together, in one write, before the new map shows.
    OpenSaveBatch();
    SaveMapState(gMapContent.npcList, gMapContent.mapItemList, window);
    UnloadMap();
    ReleaseMapContent();
    LoadRoamingScreen(window);
    if (!CommitSaveBatch()) LogDebug("Cannot write %s: the previous save is kept\n", SaveFilePath().c_str());
    ComputeMapPixelSize();
    ApplyMainView(window);
}

}  // namespace

void ChangeMap(const char* destination, sf::RenderWindow& window) {
    MoveHero(destination, window, false);
}

void MoveHeroForStory(sf::RenderWindow& window, const char* destination, bool emptyInventory) {
    MoveHero(destination, window, emptyInventory);
}

void UnloadRoamingScreen(sf::RenderWindow& window) {
    if (!gRoaming.loaded) return;
    if (gStates.gameMode != MODE_GAME_OVER)
        SaveMapState(gMapContent.npcList, gMapContent.mapItemList, window);
    DiscardRoamingScreen(window);
}

void DiscardRoamingScreen(sf::RenderWindow&) {
    if (!gRoaming.loaded) return;
    ReleasePlayer();
    gRoaming.roamingFirstLoad = 1;
    UnloadMap();
    ReleaseMapAndShop();
    ReleaseDecorPictures();  // after the map, whose sprites show them
    if (MapHasClouds(gSession.previousMapName)) ReleaseCloudLayer();
    ReleaseInteractionPrompt();
    gRoaming.loaded = false;
}
