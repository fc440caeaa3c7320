#include "content/Story.h"

#include "content/Items.h"
#include "content/MapContent.h"
#include "content/Npcs.h"
#include "content/PopUps.h"
#include "content/Reach.h"
#include "core/GameStates.h"
#include "core/Log.h"
#include "core/Settings.h"
#include "world/GameSession.h"
#include "world/MapNames.h"

namespace {

constexpr int32_t STORY_KEY_WORLD_MAP = 10;  // K, a fixed key: opens the world map's roads
constexpr const char* FISHING_ROD_FILE = "Assets/Text/Maps/GoblinVillage/FishingRod.txt";

RoamingOverlay& Overlay() {
    return gStates.roamingOverlay;
}

Npc* FirstInReach(int32_t type) {
    for (Npc& npc : gMapContent.npcList.npcs) {
        if (npc.type == type && InNpcReach(npc) == 1) return &npc;
    }
    return nullptr;
}

// Gives the hero what an item file holds, straight into the inventory (a full one leaves it lying).
void GiveItem(const char* itemFile, const char* name) {
    LoadItemFile(itemFile, gMapContent.mapItemList);
    PickUpEveryItemNamed(gMapContent.mapItemList, name);
}

bool TakeThePurse() {
    bool found = false;
    // The inventory shrinks as purses go; the place after a removed one is passed over.
    for (size_t place = 0; place < gSession.inventory.size(); place += 1) {
        if (gSession.inventory[place].name.find("Burse") == std::string::npos) continue;
        LogDebug("burse here");
        RemoveInventoryItem("Burse");
        found = true;
    }
    return found;
}

// Puts the merchant on another of his dialogues. One still open is closed first, so the new one starts
// from its beginning with this same press instead of paging through text it never opened.
void SwitchDialogue(Npc& merchant, int32_t dialogue) {
    const size_t inUse = static_cast<size_t>(merchant.currentDialogue);
    if (merchant.open == 1 && inUse < merchant.dialogues.size()) {
        Dialogue& old = merchant.dialogues[inUse];
        old.currentPart = 0;
        old.reveal = TextReveal{};
        merchant.open = 0;
    }
    merchant.currentDialogue = dialogue;
}

// The merchant: met, then the purse for the fishing rod, then his shop, which his third dialogue opens.
void TalkToMerchant(const sf::Event::KeyEvent& keyEvent) {
    if (keyEvent.code != gSettings.keys.enter) return;
    Npc* merchant = FirstInReach(NPC_MERCHANT);
    if (merchant == nullptr) return;
    if (gSession.story.merchantMet == 0) {
        LogDebug("active true\n");
        gSession.story.merchantMet = 1;
        gSession.story.worldMapOpen = 1;
    } else if (gSession.story.purseDelivered == 0) {
        if (TakeThePurse()) {
            LogDebug("finish true\n");
            gSession.story.purseDelivered = 1;
            gSession.story.fishingUnlocked = 1;
            GiveItem(FISHING_ROD_FILE, "FishingRod");
            SwitchDialogue(*merchant, 1);
        }
    } else if (gSession.story.shopUnlocked == 0 && Overlay() != OVERLAY_DIALOGUE) {
        LogDebug("open shop\n");
        gSession.story.shopUnlocked = 1;
        SwitchDialogue(*merchant, 2);
    }
    if (Overlay() == OVERLAY_NONE || Overlay() == OVERLAY_DIALOGUE)
        HandleDialogueKey(keyEvent, OwnerOf(*merchant));
    if (merchant->open == 1) {
        LogDebug("openS\n");
        Overlay() = OVERLAY_DIALOGUE;
    }
    if (Overlay() != OVERLAY_DIALOGUE || merchant->open != 0) return;
    if (gSession.story.purseDelivered == 1 && gSession.story.shopUnlocked == 1) {
        LogDebug("no openS\n");
        Overlay() = OVERLAY_SHOP;
    } else {
        LogDebug("no open");
        Overlay() = OVERLAY_NONE;
    }
}

}  // namespace

// The story's other events (companions, the night, the bridge) join this handler with their maps.
void HandleStoryKey(sf::RenderWindow&, const sf::Event::KeyEvent& keyEvent) {
    if (Overlay() == OVERLAY_DIALOGUE) HandlePopUpKey(keyEvent);
    if (IsDayVillage(gSession.currentMapName)) TalkToMerchant(keyEvent);
    if (keyEvent.code == STORY_KEY_WORLD_MAP) gSession.story.worldMapOpen = 1;
}

void UpdateStory(sf::RenderWindow&, float dt) {
    UpdatePopUps(dt);
}
