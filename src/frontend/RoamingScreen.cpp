#include "frontend/RoamingScreen.h"

#include <chrono>
#include <cstring>

#include "battle/screen/BattleScreen.h"
#include "battle/screen/CombatantAnimation.h"
#include "content/DialogueScreen.h"
#include "content/Fishing.h"
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
#include "world/MapLoading.h"
#include "world/SaveThumbnail.h"

namespace {

const char* const FISHING_POSTS[] = {"PECHE_POST_1", "PECHE_POST_2", "PECHE_POST_3"};

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

}  // namespace

void RoamingScreen::Load() {
    battleSheets_ = std::make_unique<BattleSheets>();
    sheetPictures_ = std::async(std::launch::async, DecodeBattleSheets);
    session_->FillPouchForGame();
    BuildScene({});
    loaded_ = true;
    if (start_ != GameStart::NEW_GAME) return;
    // The slot's thumbnail: the bedroom as the new game first shows it, under the Start pop-up.
    WriteThumbnail();
    context_.requests.Push(std::make_unique<DialogueScreen>(context_, OpenPopUp(POPUP_START)));
}

void RoamingScreen::BuildScene(sf::Vector2f standing) {
    LogDebug("%s", session_->CurrentMap());
    scene_.reset();  // the map left goes first, whole
    scene_ = std::make_unique<MapScene>();
    LoadMapScene(*scene_, *session_, pictures_, standing);
    LogDebug("creat\n");
    gMainView = MakeMapView({REFERENCE_WIDTH * 0.5f, REFERENCE_HEIGHT * 0.5f}, context_.window);
    ApplyMainView(context_.window);
}

void RoamingScreen::WriteThumbnail() {
    const auto draw = [this](sf::RenderWindow& window) { DrawRoamingScreen(window, *scene_, *session_); };
    if (!WriteSlotThumbnail(context_.window, session_->Save().Folder(), draw))
        LogDebug("fail to save image\n");
}

void RoamingScreen::Unload(Leaving how) {
    if (!loaded_) return;
    if (how == Leaving::SAVING) {
        session_->SetPreviousMap(session_->CurrentMap());
        if (SaveMapState(*scene_, *session_)) WriteThumbnail();
    }
    scene_.reset();
    if (sheetPictures_.valid()) sheetPictures_.wait();  // the worker done before the game goes
    battleSheets_.reset();
    session_->EmptyPouch();
    loaded_ = false;
}

void RoamingScreen::Reveal() {
    UpdateCamera(scene_->camera, scene_->hero, context_.window);
    if (pendingTravel_.empty()) return;
    const std::string destination = std::move(pendingTravel_);
    pendingTravel_.clear();
    ChangeMap(destination);
}

void RoamingScreen::FinishSheets() {
    if (sheetPictures_.valid()) MakeBattleSheets(*battleSheets_, sheetPictures_.get());
}

const BattleSheets& RoamingScreen::Sheets() {
    FinishSheets();
    if (scene_ && scene_->loaded) KeepBattleBackground(*battleSheets_, scene_->map.look.battleBackground);
    return *battleSheets_;
}

void RoamingScreen::Animate(float dt) {
    MapScene& scene = *scene_;
    if (scene.hero.currentAnimation != nullptr) AnimateSpriteSheet(*scene.hero.currentAnimation, dt);
    for (MapPoint& point : scene.map.mapPoints)
        AnimateSpriteSheet(point.animation, dt);
    AdvanceTileAnimations(scene.map.tileCache, scene.map.tileSheets, dt);
    if (scene.map.look.clouds) UpdateCloudLayer(scene.clouds, scene.map, dt);
}

void RoamingScreen::UpdateBeneath(float dt) {
    if (!loaded_ || !scene_->loaded) return;
    Animate(dt);
    for (Npc& npc : scene_->npcList.npcs)
        UpdateNpc(dt, npc);
}

void RoamingScreen::UpdateRoaming(float dt) {
    if (!loaded_ || !scene_->loaded) return;
    MapScene& scene = *scene_;
    // The sheets become textures on the first frame after their pictures are ready, not at a touch.
    if (sheetPictures_.valid() &&
        sheetPictures_.wait_for(std::chrono::seconds(0)) == std::future_status::ready)
        FinishSheets();
    MovePlayer(scene.hero, scene.map.look, dt);
    Animate(dt);
    UpdateFootBox(scene.hero);
    UpdateCamera(scene.camera, scene.hero, context_.window);
    const std::string here = session_->CurrentMap();
    Act(UpdateStory(scene, *session_));
    if (here != session_->CurrentMap()) return;  // the story moved the hero: the new map waits a frame
    UpdatePuzzles(scene, *session_, dt);
    if (UpdateMapNpcs(dt)) return;
    HandleTriggers();
}

// An enemy in reach starts its battle and leaves the map (the next save marks it gone). One battle a
// frame: any other enemy in reach waits for the hero's next step.
bool RoamingScreen::UpdateMapNpcs(float dt) {
    MapScene& scene = *scene_;
    std::vector<Npc>& npcs = scene.npcList.npcs;
    for (size_t i = 0; i < npcs.size(); ++i) {
        UpdateNpc(dt, npcs[i]);
        PushOutOfRect(scene.hero, npcs[i].box);
        if (npcs[i].type != NPC_BATTLE || InNpcReach(scene, npcs[i]) != 1) continue;
        ResetView(context_.window);
        context_.requests.Push(std::make_unique<BattleScreen>(context_, *session_, scene.map.look,
                                                              npcs[i].battlePath, Sheets()));
        npcs.erase(npcs.begin() + static_cast<long>(i));
        return true;
    }
    return false;
}

// Walls push the feet back; a door loads its map and ends the pass (the new map's triggers wait for the
// next frame); a post with the rod and ENTER held casts the line; "MAP" opens the world map once the
// roads are open.
void RoamingScreen::HandleTriggers() {
    MapScene& scene = *scene_;
    for (const sf::FloatRect& rect : scene.map.collisionRects)
        PushOutOfRect(scene.hero, rect);
    session_->SetPreviousMap(session_->CurrentMap());
    for (const MapTrigger& trigger : scene.map.triggers) {
        const int post = FishingPostIndex(trigger.name);
        if (post >= 0) {
            // A post never blocks.
            if (scene.hero.footBox.intersects(trigger.rect) && session_->Story().fishingUnlocked == 1 &&
                IsKeyHeld(gSettings.keys.enter)) {
                context_.requests.Push(
                    std::make_unique<FishingScreen>(context_, *session_, scene.hero, post));
                return;
            }
            continue;
        }
        if (TriggerIsLeftToTheStory(trigger.name) || PushOutOfTrigger(scene.hero, trigger) == 0) continue;
        if (std::strcmp(trigger.name, "MAP") == 0) {
            if (session_->Story().worldMapOpen != 1) continue;
            OpenWorldMap();
            return;
        }
        ChangeMap(trigger.name);
        return;
    }
}

void RoamingScreen::OpenWorldMap() {
    context_.requests.Push(std::make_unique<WorldMapScreen>(
        context_, *session_, [this](const std::string& destination) { pendingTravel_ = destination; }));
}

void RoamingScreen::ChangeMap(const std::string& destination, bool emptyInventory) {
    std::string reason;
    if (!MapCanBeEntered(destination.c_str(), reason)) {
        // The door pushed the hero back already: he stays where he is and the save is untouched.
        LogDebug("Cannot go to map %s from %s: %s\n", destination.c_str(), session_->CurrentMap(),
                 reason.c_str());
        return;
    }
    LogDebug("tp roaming \n");
    session_->SetPreviousMap(session_->CurrentMap());
    LogDebug("setcurrentMap : %s\n", destination.c_str());
    session_->SetCurrentMap(destination.c_str());
    // What is lost on the way is lost before the save is written, so that a save continued there does
    // not bring it back.
    if (emptyInventory) session_->DropEverything();
    // The map left and the map entered are saved together, in one write, before the new map shows.
    SaveFile& save = session_->Save();
    save.OpenBatch();
    if (SaveMapState(*scene_, *session_)) WriteThumbnail();
    BuildScene(scene_->hero.sprite.getPosition());
    if (!save.CommitBatch()) LogDebug("Cannot write %s: the previous save is kept\n", save.Path().c_str());
}

void RoamingScreen::Act(StoryTurn turn) {
    if (turn.conversation) {
        context_.requests.Push(std::make_unique<DialogueScreen>(context_, std::move(turn.conversation),
                                                                std::move(turn.whenOver)));
    }
    if (!turn.moveTo.empty()) ChangeMap(turn.moveTo, turn.emptyInventory);
    if (turn.popUp >= 0)
        context_.requests.Push(std::make_unique<DialogueScreen>(context_, OpenPopUp(turn.popUp)));
}

void RoamingScreen::TimePasses(float dt) {
    if (session_) session_->AddPlayTime(dt);
}
