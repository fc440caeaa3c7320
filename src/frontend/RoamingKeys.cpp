// One key press on the roaming screen, nothing over the map: it does one thing, the first that applies
// of the water sources, the story, the fish collection, talking, picking up, the inventory and the pause
// menu. Whatever it opens takes the next presses.

#include "content/DialogueScreen.h"
#include "content/Fishing.h"
#include "content/InventoryScreen.h"
#include "content/Puzzles.h"
#include "content/Reach.h"
#include "content/Story.h"
#include "core/Log.h"
#include "core/Settings.h"
#include "frontend/PauseMenu.h"
#include "frontend/RoamingScreen.h"

namespace {

constexpr int32_t KEY_F = 5;  // the fish collection, a fixed key

bool IsBound(int32_t code) {
    for (int32_t key : CurrentKeyCodes()) {
        if (key == code) return true;
    }
    return false;
}

}  // namespace

// ENTER next to a person who talks opens their dialogue.
bool RoamingScreen::TalkToNpcs(const sf::Event::KeyEvent& key, bool& near) {
    for (Npc& npc : scene_->npcList.npcs) {
        if (InNpcReach(*scene_, npc) != 1) continue;
        near = true;
        if (npc.type != NPC_TALK || key.code != gSettings.keys.enter) continue;
        std::unique_ptr<Conversation> talk = Begin(std::make_unique<NpcConversation>(npc), key);
        if (!talk) continue;
        LogDebug("open");
        context_.requests.Push(std::make_unique<DialogueScreen>(context_, std::move(talk)));
        return true;
    }
    return false;
}

// One ENTER takes one item: the first in reach. The others wait for the next presses.
bool RoamingScreen::PickUpInReach(const sf::Event::KeyEvent& key, bool& near) {
    std::vector<MapItem>& items = scene_->mapItemList.items;
    for (size_t i = 0; i < items.size(); ++i) {
        if (InItemReach(*scene_, items[i]) != 1) continue;
        near = true;
        if (key.code != gSettings.keys.enter) continue;
        PickUpItem(*session_, scene_->mapItemList, i);
        ParkInteractionPrompt(scene_->prompt);
        return true;
    }
    return false;
}

void RoamingScreen::HandleRoamingKey(const sf::Event::KeyEvent& key) {
    if (!loaded_ || !scene_->loaded) return;
    StoryTurn turn = HandlePuzzleKey(*scene_, *session_, key);
    if (!turn.Acts()) turn = HandleStoryKey(*scene_, *session_, key);
    if (turn.Acts()) {
        Act(std::move(turn));
        return;
    }
    // F is the collection's unless a hand-written settings file gave it to an action.
    if (key.code == KEY_F && !IsBound(KEY_F)) {
        context_.requests.Push(std::make_unique<FishCollectionScreen>(context_, *session_));
        return;
    }
    bool near = false;
    if (TalkToNpcs(key, near) || PickUpInReach(key, near)) return;
    if (!near) ParkInteractionPrompt(scene_->prompt);
    if (key.code == gSettings.keys.inventory) {
        context_.requests.Push(std::make_unique<InventoryScreen>(context_, *session_));
    } else if (key.code == gSettings.keys.escape) {
        context_.requests.Push(std::make_unique<PauseScreen>(context_));
    }
}

void RoamingScreen::FocusLost() {
    context_.requests.Push(std::make_unique<PauseScreen>(context_));
}
