#include "content/Story.h"

#include "content/Items.h"
#include "content/MapContent.h"
#include "content/Npcs.h"
#include "content/PopUps.h"
#include "content/Puzzles.h"
#include "content/Reach.h"
#include "core/GameStates.h"
#include "core/Log.h"
#include "core/Settings.h"
#include "core/StateMachine.h"
#include "core/Text.h"
#include "world/GameSession.h"
#include "world/MapLoading.h"
#include "world/MapNames.h"
#include "world/Player.h"

namespace {

constexpr int32_t STORY_KEY_WORLD_MAP = 10;    // K, a fixed key: opens the world map's roads
constexpr int32_t STORY_KEY_FILL_BUCKET = 19;  // T, a fixed key: fills every empty bucket
constexpr const char* FISHING_ROD_FILE = "Assets/Text/Maps/GoblinVillage/FishingRod.txt";
constexpr const char* PURSE_FILE = "Assets/Text/Items/Burse.txt";
constexpr const char* FULL_BUCKET_FILE = "Assets/Text/Items/Bucket_Full.txt";

RoamingOverlay& Overlay() {
    return gStates.roamingOverlay;
}

StoryFlags& Flags() {
    return gSession.story;
}

bool OnMap(const char* part) {
    return Contains(gSession.currentMapName, part);
}

// A companion joins the party once, and the party never outgrows the roster.
void Join(int32_t& joined) {
    if (joined == 1 || gSession.partySize >= MAX_PARTY_SIZE) return;
    joined = 1;
    gSession.partySize += 1;
}

bool AnyEnemyLeft() {
    for (const Npc& npc : gMapContent.npcList.npcs)
        if (npc.type == NPC_BATTLE) return true;
    return false;
}

// Whether the hero stands in a trigger of the map whose name holds part.
bool InTriggerNamed(const char* part) {
    for (int i = 0; i < static_cast<int>(gMap.triggers.size()); ++i) {
        const MapTrigger trigger = GetTrigger(i);
        LogDebug("trigger %s\n", trigger.name);
        if (PushOutOfTrigger(trigger) == 1 && Contains(trigger.name, part)) return true;
    }
    return false;
}

// After a companion's key: the dialogue keeps the keys while it is open.
void FollowDialogue(const Npc& npc) {
    if (npc.open == 1) {
        Overlay() = OVERLAY_DIALOGUE;
    } else if (Overlay() == OVERLAY_DIALOGUE) {
        LogDebug("no open");
        Overlay() = OVERLAY_NONE;
    }
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

// Spriti, in her cabin: she gives the purse and joins the party.
void TalkToSpriti(const sf::Event::KeyEvent& keyEvent) {
    Npc* spriti = FirstInReach(NPC_COMPANION);
    if (spriti == nullptr) return;
    if (!InventoryHolds("Burse")) {
        GiveItem(PURSE_FILE, "Burse");
        Join(Flags().spritiJoined);
    }
    HandleDialogueKey(keyEvent, OwnerOf(*spriti));
    FollowDialogue(*spriti);
}

// The bed, once the merchant has his purse: night falls and the house burns, everything carried lost.
void GoToBed(sf::RenderWindow& window) {
    if (!InTriggerNamed("Bed")) return;
    LogDebug("trigger bed : ici %s\n", "Bed");
    // The flags first, so that the save written on the way holds the night.
    Flags().nightStarted = 1;
    Flags().worldMapOpen = 0;
    StoryMapChange(window, "HOUSE_BURN_1", true);
    OpenPopUp(POPUP_HOUSE_ON_FIRE);
}

void DaytimeEvents(sf::RenderWindow& window, const sf::Event::KeyEvent& keyEvent) {
    const bool enter = keyEvent.code == gSettings.keys.enter;
    if (IsDayVillage(gSession.currentMapName)) {
        TalkToMerchant(keyEvent);
    } else if (OnMap("HOUSE_ENTER_SPRITI")) {
        if (Flags().purseDelivered == 0 && enter) TalkToSpriti(keyEvent);
    } else if (OnMap("HOUSE_ENTER_1")) {
        if (Flags().purseDelivered == 1 && Flags().storyEnded == 0 && enter) GoToBed(window);
    }
}

void LeaveBurningHouse(sf::RenderWindow& window, const sf::Event::KeyEvent& keyEvent) {
    HandlePuzzleKey(keyEvent, gMapContent.mapItemList);
    if (gPuzzles.wallBroken != 1 || keyEvent.code != gSettings.keys.enter) return;
    if (!InTriggerNamed("EXIT")) return;
    StoryMapChange(window, "GoblinVillageBurn", false);
    OpenPopUp(POPUP_SAVE_GROTO);
}

void BurningVillage(const sf::Event::KeyEvent& keyEvent) {
    if (keyEvent.code == gSettings.keys.enter) {
        if (Npc* groto = FirstInReach(NPC_COMPANION); groto != nullptr) {
            Join(Flags().grotoJoined);
            HandleDialogueKey(keyEvent, OwnerOf(*groto));
            FollowDialogue(*groto);
        }
    }
    if (Flags().worldMapOpen == 0 && !AnyEnemyLeft()) {
        Flags().worldMapOpen = 1;
        OpenPopUp(POPUP_ENEMY_ON_BRIDGE);
    }
}

void NightEvents(sf::RenderWindow& window, const sf::Event::KeyEvent& keyEvent) {
    if (Flags().nightStarted != 1) return;
    if (OnMap("HOUSE_BURN_1")) {
        LeaveBurningHouse(window, keyEvent);
    } else if (OnMap("GoblinVillageBurn")) {
        BurningVillage(keyEvent);
    } else if (OnMap("BridgeNight") && Flags().bossAnnounced == 0) {
        OpenPopUp(POPUP_BOSS_HERE);
        Flags().bossAnnounced = 1;
    }
}

void FillEveryBucket() {
    while (InventoryHolds("Bucket_Empty")) {
        RemoveInventoryItem("Bucket_Empty");
        GiveItem(FULL_BUCKET_FILE, "Bucket_Full");
    }
}

void FixedKeys(const sf::Event::KeyEvent& keyEvent) {
    if (keyEvent.code == STORY_KEY_WORLD_MAP) Flags().worldMapOpen = 1;
    if (keyEvent.code == STORY_KEY_FILL_BUCKET) FillEveryBucket();
}

bool AllFencesDown() {
    bool all = true;
    for (size_t i = 0; i < gSession.fenceDone.size(); ++i) {
        if (gSession.fenceDone[i] == 1) continue;
        LogDebug("%d false\n", static_cast<int>(i));
        all = false;
    }
    return all;
}

// The forest: the last fence down calls for Spriti; both fires out open the way to her cabin.
void ForestEvents(sf::RenderWindow& window) {
    if (Flags().merchantMet == 1 && Flags().saveSpritiShown == 0 && AllFencesDown()) {
        OpenPopUp(POPUP_SAVE_SPRITI);
        Flags().saveSpritiShown = 1;
    }
    if (gPuzzles.forestFireOut1 != 1 || gPuzzles.forestFireOut2 != 1) return;
    for (int i = 0; i < static_cast<int>(gMap.triggers.size()); ++i) {
        const MapTrigger trigger = GetTrigger(i);
        if (Contains(trigger.name, "MAP") || !Contains(trigger.name, "HOUSE_ENTER_SPRITI")) continue;
        if (PushOutOfTrigger(trigger) == 0) continue;
        Flags().nightStarted = 1;
        StoryMapChange(window, "HOUSE_ENTER_SPRITI", false);
        return;
    }
}

// The boss beaten: the End pop-up, and once it is read, home.
void BridgeEvents(sf::RenderWindow& window) {
    if (Flags().storyEnded == 0 && Flags().bossAnnounced == 1 && !AnyEnemyLeft()) {
        LogDebug("~~~~end~~~~");
        Flags().storyEnded = 1;
        OpenPopUp(POPUP_END);
    }
    if (Flags().storyEnded == 1 && gPopUps.table[POPUP_END].active == 0) {
        Flags().worldMapOpen = 1;
        StoryMapChange(window, "HOUSE_ENTER_1", false);
    }
}

}  // namespace

void HandleStoryKey(sf::RenderWindow& window, const sf::Event::KeyEvent& keyEvent) {
    if (Overlay() == OVERLAY_DIALOGUE) HandlePopUpKey(keyEvent);
    DaytimeEvents(window, keyEvent);
    NightEvents(window, keyEvent);
    FixedKeys(keyEvent);
}

void UpdateStory(sf::RenderWindow& window, float dt) {
    UpdatePopUps(dt);
    if (OnMap("ForestNight")) ForestEvents(window);
    if (OnMap("BridgeNight")) BridgeEvents(window);
}
