#include "frontend/RoamingKeys.h"

#include "content/Fishing.h"
#include "content/MapContent.h"
#include "content/Puzzles.h"
#include "content/Reach.h"
#include "content/Shop.h"
#include "content/Story.h"
#include "core/GameStates.h"
#include "core/Log.h"
#include "core/Settings.h"
#include "core/StateMachine.h"
#include "frontend/OptionsScreen.h"
#include "frontend/PauseMenu.h"
#include "frontend/RoamingScreen.h"

namespace {

constexpr int32_t KEY_F = 5;        // the fish collection, a fixed key
constexpr int32_t KEY_RETURN = 58;  // chooses in the pause menu, a fixed key

RoamingOverlay& Overlay() {
    return gStates.roamingOverlay;
}

// Rows and columns wrap around; the four tests run one after the other on the values already moved.
void MoveCollectionCursor(int32_t code) {
    const KeyBindings& keys = gSettings.keys;
    FishCollection& collection = gFishCollection;
    if (code == keys.up) collection.row = collection.row == 0 ? 2 : collection.row - 1;
    if (code == keys.down) collection.row = collection.row < 2 ? collection.row + 1 : 0;
    if (code == keys.left) collection.column = collection.column == 0 ? 2 : collection.column - 1;
    if (code == keys.right) collection.column = collection.column < 2 ? collection.column + 1 : 0;
    if (code == keys.escape) {
        ReleaseFishCollection();
        Overlay() = OVERLAY_NONE;
    }
}

// ENTER next to talking NPCs works their dialogues; the overlay follows whether one is open.
bool TalkToNpcs(const sf::Event::KeyEvent& keyEvent) {
    bool near = false;
    for (Npc& npc : gMapContent.npcList.npcs) {
        if (InNpcReach(npc) != 1) continue;
        near = true;
        if (npc.type != NPC_TALK) continue;
        if (keyEvent.code == gSettings.keys.enter) HandleDialogueKey(keyEvent, OwnerOf(npc));
        if (npc.open == 1) {
            LogDebug("open");
            Overlay() = OVERLAY_DIALOGUE;
        } else if (Overlay() == OVERLAY_DIALOGUE) {
            LogDebug("no open");
            Overlay() = OVERLAY_NONE;
        }
    }
    return near;
}

// One ENTER takes one item: the first in reach. The others wait for the next presses.
bool PickUpInReach(const sf::Event::KeyEvent& keyEvent) {
    bool near = false;
    std::vector<MapItem>& items = gMapContent.mapItemList.items;
    for (size_t i = 0; i < items.size(); ++i) {
        if (InItemReach(items[i]) != 1) continue;
        near = true;
        if (keyEvent.code != gSettings.keys.enter) continue;
        PickUpItem(gMapContent.mapItemList, i);
        ParkInteractionPrompt();
        return true;
    }
    return near;
}

void ToggleInventory(int32_t code) {
    if (code != gSettings.keys.inventory) return;
    if (Overlay() == OVERLAY_NONE) {
        Overlay() = OVERLAY_INVENTORY;
    } else if (Overlay() == OVERLAY_INVENTORY) {
        Overlay() = OVERLAY_NONE;
    }
}

enum class PauseOutcome { DONE, TO_OPTIONS };

PauseOutcome ChooseInPauseMenu(sf::RenderWindow& window, int32_t code) {
    int32_t& cursor = gPauseMenu.cursor;
    if (cursor > PAUSE_CONTINUE && code == gSettings.keys.up) cursor -= 1;
    if (cursor < PAUSE_EXIT && code == gSettings.keys.down) cursor += 1;
    if (code != KEY_RETURN) return PauseOutcome::DONE;
    switch (cursor) {
        case PAUSE_CONTINUE:
            Overlay() = OVERLAY_NONE;
            return PauseOutcome::DONE;
        case PAUSE_OPTIONS:
            LoadOptionsScreen();
            Overlay() = OVERLAY_OPTIONS;
            return PauseOutcome::TO_OPTIONS;
        default:
            ExitToTitleFromPause(window);
            return PauseOutcome::DONE;
    }
}

// ESCAPE opens and closes the pause menu; the menu, the options and fishing take the rest.
void HandleMenusAndFishing(sf::RenderWindow& window, const sf::Event::KeyEvent& keyEvent) {
    const int32_t code = keyEvent.code;
    const bool escape = code == gSettings.keys.escape;
    bool pauseStep = false;
    if (escape && Overlay() == OVERLAY_NONE) {
        LoadPauseMenu();
        Overlay() = OVERLAY_PAUSE;
        pauseStep = true;
    } else if (escape && Overlay() == OVERLAY_PAUSE) {
        Overlay() = OVERLAY_NONE;
        return;
    } else if (!escape && Overlay() == OVERLAY_PAUSE) {
        pauseStep = true;
    }
    if (pauseStep && ChooseInPauseMenu(window, code) == PauseOutcome::DONE) return;
    if (Overlay() == OVERLAY_OPTIONS) {
        HandleOptionsKey(window, keyEvent);
        if (escape) {
            Overlay() = OVERLAY_NONE;
            return;
        }
    }
    if (Overlay() == OVERLAY_FISHING && escape) {
        CleanupFishing();
        Overlay() = OVERLAY_NONE;
    }
}

}  // namespace

void HandleRoamingKey(sf::RenderWindow& window, const sf::Event::KeyEvent& keyEvent) {
    HandlePuzzleKey(keyEvent, gMapContent.mapItemList);
    if (Overlay() == OVERLAY_SHOP) {
        HandleShopKey(keyEvent);
        if (Overlay() == OVERLAY_NONE) return;
    }
    HandleStoryKey(window, keyEvent);
    if (keyEvent.code == KEY_F && Overlay() == OVERLAY_NONE) {
        Overlay() = OVERLAY_FISH_COLLECTION;
        LoadFishCollection();
    }
    if (Overlay() == OVERLAY_FISH_COLLECTION) {
        MoveCollectionCursor(keyEvent.code);
        return;
    }
    const bool nearNpc = TalkToNpcs(keyEvent);
    const bool nearItem = PickUpInReach(keyEvent);
    if (!nearNpc && !nearItem) ParkInteractionPrompt();
    ToggleInventory(keyEvent.code);
    HandleMenusAndFishing(window, keyEvent);
}
