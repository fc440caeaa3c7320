#include "frontend/RoamingScreen.h"

#include <cstring>

#include "battle/BattleData.h"
#include "battle/BattleScreen.h"
#include "battle/CombatantAnimation.h"
#include "battle/Combatants.h"
#include "content/DialogueScreen.h"
#include "content/Fishing.h"
#include "content/MapContent.h"
#include "content/PopUps.h"
#include "content/Puzzles.h"
#include "content/Reach.h"
#include "content/SavedContent.h"
#include "content/Story.h"
#include "core/Input.h"
#include "core/Log.h"
#include "core/Screen.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "frontend/WorldMap.h"
#include "world/Camera.h"
#include "world/Clouds.h"
#include "world/GameSession.h"
#include "world/MapDecor.h"
#include "world/MapLoading.h"
#include "world/MapNames.h"
#include "world/Player.h"
#include "world/SaveFiles.h"
#include "world/SaveThumbnail.h"

namespace {

const char* const FISHING_POSTS[] = {"PECHE_POST_1", "PECHE_POST_2", "PECHE_POST_3"};

// The first point, in depth order, whose name contains the name of the map just left.
void PlaceOnSpawnPoint() {
    for (const MapPoint& point : gMap.mapPoints) {
        if (Contains(point.name, gSession.previousMapName)) {
            gPlayer.sprite.setPosition(static_cast<float>(static_cast<int>(point.x)),
                                       static_cast<float>(static_cast<int>(point.y)));
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

void WriteThumbnail(sf::RenderWindow& window) {
    if (!WriteSlotThumbnail(window, DrawRoamingScreen)) LogDebug("fail to save image\n");
}

}  // namespace

void RoamingScreen::Load() {
    LoadBattleEffects();
    LoadEnemyTemplates();
    LoadPartyRoster();
    FillPouchForNewGame();
    BuildInteractionPrompt();
    InitPlayer();
    ArmPuzzles();
    LoadMapScene();
    if (start_ != GameStart::NEW_GAME) return;
    // The slot's thumbnail: the bedroom as the new game first shows it, under the Start pop-up.
    WriteThumbnail(context_.window);
    context_.requests.Push(std::make_unique<DialogueScreen>(context_, OpenPopUp(POPUP_START)));
}

void RoamingScreen::LoadMapScene() {
    LogDebug("%s", gSession.currentMapName);
    LoadMap(gMapContent.npcList, gMapContent.mapItemList);
    LoadPuzzles();
    if (MapHasClouds(gSession.currentMapName)) BuildCloudLayer();
    PlaceOnSpawnPoint();
    SetPlayerSheet();
    LogDebug("creat\n");
    gMainView = MakeMapView({REFERENCE_WIDTH * 0.5f, REFERENCE_HEIGHT * 0.5f}, context_.window);
    ApplyMainView(context_.window);
    ParkInteractionPrompt();
    ComputeMapPixelSize();
    loaded_ = true;
}

// Everything the map held is let go before another one is built: its people, its items, its puzzles.
void RoamingScreen::ReleaseMapScene() {
    ReleasePuzzles();
    UnloadMap();
    ReleaseMapContent();
    ReleaseCloudLayer();
}

void RoamingScreen::Unload(Leaving how) {
    if (!loaded_) return;
    if (how == Leaving::SAVING) {
        SetPreviousMapName(gSession.currentMapName);
        if (SaveMapState(gMapContent.npcList, gMapContent.mapItemList)) WriteThumbnail(context_.window);
    }
    ReleaseMapScene();
    ReleaseDecorPictures();  // after the map, whose sprites show them
    ReleasePlayer();
    ReleaseInteractionPrompt();
    ReleaseCombatantData();
    ReleaseBattleEffects();
    EmptyPouch();
    loaded_ = false;
}

void RoamingScreen::Reveal() {
    ComputeMapPixelSize();
    UpdateCamera(context_.window);
    if (pendingTravel_.empty()) return;
    const std::string destination = std::move(pendingTravel_);
    pendingTravel_.clear();
    ChangeMap(destination);
}

void RoamingScreen::Animate(float dt) {
    if (gPlayer.currentAnimation != nullptr) AnimateSpriteSheet(*gPlayer.currentAnimation, dt);
    for (MapPoint& point : gMap.mapPoints)
        AnimateSpriteSheet(point.animation, dt);
    AdvanceTileAnimations(gMap.tileCache, gMap.tileSheets, dt);
    if (MapHasClouds(gSession.currentMapName)) UpdateCloudLayer(dt);
}

void RoamingScreen::UpdateBeneath(float dt) {
    if (!loaded_) return;
    Animate(dt);
    for (Npc& npc : gMapContent.npcList.npcs)
        UpdateNpc(dt, npc);
}

void RoamingScreen::UpdateRoaming(float dt) {
    if (!loaded_) return;
    MovePlayer(dt);
    Animate(dt);
    UpdateFootBox();
    UpdateCamera(context_.window);
    const std::string here = gSession.currentMapName;
    Act(UpdateStory());
    if (here != gSession.currentMapName) return;  // the story moved the hero: the new map waits a frame
    UpdatePuzzles(dt);
    if (UpdateMapNpcs(dt)) return;
    HandleTriggers();
}

// An enemy in reach starts its battle and leaves the map (the next save marks it gone). One battle a
// frame: any other enemy in reach waits for the hero's next step.
bool RoamingScreen::UpdateMapNpcs(float dt) {
    std::vector<Npc>& npcs = gMapContent.npcList.npcs;
    for (size_t i = 0; i < npcs.size(); ++i) {
        UpdateNpc(dt, npcs[i]);
        PushOutOfRect(npcs[i].box);
        if (npcs[i].type != NPC_BATTLE || InNpcReach(npcs[i]) != 1) continue;
        ResetView(context_.window);
        context_.requests.Push(std::make_unique<BattleScreen>(context_, npcs[i].battlePath, gSession.saveSlot));
        npcs.erase(npcs.begin() + static_cast<long>(i));
        return true;
    }
    return false;
}

// Walls push the feet back; a door loads its map and ends the pass (the new map's triggers wait for the
// next frame); a post with the rod and ENTER held casts the line; "MAP" opens the world map once the
// roads are open.
void RoamingScreen::HandleTriggers() {
    for (const sf::FloatRect& rect : gMap.collisionRects)
        PushOutOfRect(rect);
    SetPreviousMapName(gSession.currentMapName);
    for (const MapTrigger& trigger : gMap.triggers) {
        const int post = FishingPostIndex(trigger.name);
        if (post >= 0) {
            // A post never blocks.
            if (gPlayer.footBox.intersects(trigger.rect) && gSession.story.fishingUnlocked == 1 &&
                IsKeyHeld(gSettings.keys.enter)) {
                context_.requests.Push(std::make_unique<FishingScreen>(context_, post));
                return;
            }
            continue;
        }
        if (TriggerIsLeftToTheStory(trigger.name) || PushOutOfTrigger(trigger) == 0) continue;
        if (std::strcmp(trigger.name, "MAP") == 0) {
            if (gSession.story.worldMapOpen != 1) continue;
            OpenWorldMap();
            return;
        }
        ChangeMap(trigger.name);
        return;
    }
}

void RoamingScreen::OpenWorldMap() {
    context_.requests.Push(std::make_unique<WorldMapScreen>(
        context_, [this](const std::string& destination) { pendingTravel_ = destination; }));
}

void RoamingScreen::ChangeMap(const std::string& destination, bool emptyInventory) {
    std::string reason;
    if (!MapCanBeEntered(destination.c_str(), reason)) {
        // The door pushed the hero back already: he stays where he is and the save is untouched.
        LogDebug("Cannot go to map %s from %s: %s\n", destination.c_str(), gSession.currentMapName,
                 reason.c_str());
        return;
    }
    LogDebug("tp roaming \n");
    SetPreviousMapName(gSession.currentMapName);
    LogDebug("setcurrentMap : %s\n", destination.c_str());
    SetCurrentMapName(destination.c_str());
    // What is lost on the way is lost before the save is written, so that a save continued there does
    // not bring it back.
    if (emptyInventory) gSession.inventory.clear();
    // The map left and the map entered are saved together, in one write, before the new map shows.
    OpenSaveBatch();
    if (SaveMapState(gMapContent.npcList, gMapContent.mapItemList)) WriteThumbnail(context_.window);
    ReleaseMapScene();
    LoadMapScene();
    if (!CommitSaveBatch()) LogDebug("Cannot write %s: the previous save is kept\n", SaveFilePath().c_str());
}

void RoamingScreen::Act(StoryTurn turn) {
    if (turn.conversation) {
        context_.requests.Push(
            std::make_unique<DialogueScreen>(context_, std::move(turn.conversation), std::move(turn.whenOver)));
    }
    if (!turn.moveTo.empty()) ChangeMap(turn.moveTo, turn.emptyInventory);
    if (turn.popUp >= 0) context_.requests.Push(std::make_unique<DialogueScreen>(context_, OpenPopUp(turn.popUp)));
}
