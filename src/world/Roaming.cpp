#include "world/Roaming.h"

#include <cstring>

#include "battle/BattleData.h"
#include "content/Shop.h"
#include "content/Story.h"
#include "core/GameState.h"
#include "core/Input.h"
#include "core/Log.h"
#include "core/Modes.h"
#include "core/Screen.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "world/MapState.h"
#include "world/Player.h"
#include "world/SaveFiles.h"
#include "world/SceneDrawing.h"
#include "world/StoryFlags.h"
#include "world/WorldState.h"

RoamingScreen gRoaming;

namespace {

constexpr float PROMPT_PARKED = -1000.0f;
const char* const FISHING_POSTS[] = {"PECHE_POST_1", "PECHE_POST_2", "PECHE_POST_3"};

void BuildPrompt() {
    InteractionPrompt& prompt = gRoaming.prompt;
    prompt.texture.loadFromFile(PROMPT_PICTURE);
    prompt.sprite = sf::Sprite(prompt.texture);
    const sf::Vector2u size = prompt.texture.getSize();
    prompt.sprite.setOrigin(static_cast<float>(size.x) * 0.5f, static_cast<float>(size.y));
    prompt.sprite.setScale(gScreen.scale / 3.0f, gScreen.scale / 3.0f);
    prompt.font.loadFromFile(GAME_FONT);
    prompt.text = sf::Text("", prompt.font, static_cast<unsigned>(15.0f * gScreen.scale));
    prompt.text.setFillColor(sf::Color::Black);
}

// The first point, in depth order, whose name contains the name of the map just left.
void PlaceOnSpawnPoint() {
    for (const MapPoint& point : gMap.mapPoints) {
        if (Contains(point.name, gWorld.previousMapName)) {
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
    gMainView.setSize(gScreen.gameWidth, gScreen.gameHeight);
    gMainView.setCenter(gScreen.gameWidth * 0.5f, gScreen.gameHeight * 0.5f);
    ApplyMainView(window);
    SetGameScreen(SCREEN_BATTLE);
    std::vector<Npc>& npcs = gRoaming.npcList.npcs;
    StartBattle(npcs[index].battlePath.c_str());
    npcs.erase(npcs.begin() + static_cast<long>(index));
}

void UpdateMapNpcs(float dt, sf::RenderWindow& window) {
    std::vector<Npc>& npcs = gRoaming.npcList.npcs;
    for (size_t i = 0; i < npcs.size(); ++i) {
        UpdateNpc(dt, npcs[i]);
        PushOutOfRect(npcs[i].box);
        if (InNpcReach(npcs[i]) == 1 && npcs[i].type == NPC_BATTLE) StartNpcBattle(i, window);
    }
}

// Everything the map held is let go before another one is built: its people, its items, the shop.
void ReleaseMapContent() {
    gRoaming.npcList = NpcList{};
    gRoaming.mapItemList = MapItemList{};
    UnloadShop();
}

}  // namespace

void LoadRoamingScreen(sf::RenderWindow& window) {
    BuildPrompt();
    LoadShop();
    if (gWorld.roamingFirstLoad == 1) InitPlayer();
    gRoaming.mapItemList = MapItemList{};
    BuildInventoryScreen();
    gRoaming.npcList = NpcList{};
    LogDebug("%s", gWorld.currentMapName);
    LoadMap(gRoaming.npcList, gRoaming.mapItemList);
    if (MapHasClouds(gWorld.currentMapName)) BuildCloudLayer();
    PlaceOnSpawnPoint();
    SetPlayerSheet();
    LogDebug("creat\n");
    gMainView = MakeGameView({0.0f, 0.0f, gScreen.gameWidth * 0.5f, gScreen.gameHeight * 0.5f}, window);
    gMainView.setCenter(gScreen.gameWidth * 0.5f, gScreen.gameHeight * 0.5f);
    ApplyMainView(window);
    ParkInteractionPrompt();
    ComputeMapPixelSize();
    gWorld.roamingFirstLoad = 0;
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
    if (MapHasClouds(gWorld.currentMapName)) UpdateCloudLayer(dt);
    UpdateStory(window, dt);
    UpdateMapNpcs(dt, window);
    HandleTriggers(window);
    ShowShopGold();
    ShowInventoryGold();
}

void HandleTriggers(sf::RenderWindow& window) {
    for (const sf::FloatRect& rect : gMap.collisionRects)
        PushOutOfRect(rect);
    SetPreviousMapName(gWorld.currentMapName);
    // The count is read again on every turn: a door loads another map in the middle of the pass.
    for (int i = 0; i < static_cast<int>(gMap.triggers.size()); ++i) {
        const MapTrigger trigger = GetTrigger(i);
        const int post = FishingPostIndex(trigger.name);
        if (post >= 0) {
            // Fishing itself opens with the fishing minigame; a post never blocks.
            continue;
        }
        if (TriggerIsLeftToTheStory(trigger.name)) continue;
        if (PushOutOfTrigger(trigger) == 0) continue;
        if (std::strcmp(trigger.name, "MAP") == 0) {
            if (gStory.worldMapOpen == 1) {
                SetPreviousMapName(gWorld.currentMapName);
                SetGameScreen(SCREEN_WORLD_MAP);
                return;
            }
            continue;
        }
        ChangeMap(trigger.name, window);
    }
}

void ChangeMap(const char* destination, sf::RenderWindow& window) {
    std::string reason;
    if (!MapCanBeEntered(destination, reason)) {
        // The door pushed the hero back already: he stays where he is and the save is untouched.
        LogDebug("Cannot go to map %s from %s: %s\n", destination, gWorld.currentMapName, reason.c_str());
        return;
    }
    LogDebug("tp roaming \n");
    SetPreviousMapName(gWorld.currentMapName);
    LogDebug("setcurrentMap : %s\n", destination);
    SetCurrentMapName(destination);
    SaveMapState(gRoaming.npcList, gRoaming.mapItemList, window);
    UnloadMap();
    ReleaseMapContent();
    LoadRoamingScreen(window);
    ComputeMapPixelSize();
    ApplyMainView(window);
}

void UnloadRoamingScreen(sf::RenderWindow& window) {
    if (!gRoaming.loaded) return;
    if (gStates.gameMode != MODE_GAME_OVER) SaveMapState(gRoaming.npcList, gRoaming.mapItemList, window);
    ReleasePlayer();
    gWorld.roamingFirstLoad = 1;
    UnloadMap();
    ReleaseMapContent();
    if (MapHasClouds(gWorld.previousMapName)) ReleaseCloudLayer();
    gRoaming.prompt = InteractionPrompt{};
    gRoaming.loaded = false;
}

void DrawInteractionPrompt(sf::RenderWindow& window) {
    window.draw(gRoaming.prompt.sprite);
    window.draw(gRoaming.prompt.text);
}

void ParkInteractionPrompt() {
    gRoaming.prompt.sprite.setPosition(PROMPT_PARKED, PROMPT_PARKED);
    gRoaming.prompt.text.setPosition(PROMPT_PARKED, PROMPT_PARKED);
}
