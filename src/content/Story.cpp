#include "content/Story.h"

#include "content/Items.h"
#include "content/MapContent.h"
#include "content/Npcs.h"
#include "content/PopUps.h"
#include "content/Puzzles.h"
#include "content/Reach.h"
#include "core/Developer.h"
#include "core/Log.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "world/GameSession.h"
#include "world/MapLoading.h"
#include "world/MapNames.h"
#include "world/Player.h"

namespace {

constexpr int32_t STORY_KEY_WORLD_MAP = 10;    // K, a developer's key: opens the world map's roads
constexpr int32_t STORY_KEY_FILL_BUCKET = 19;  // T, a developer's key: fills every empty bucket
constexpr const char* FISHING_ROD_FILE = "Assets/Text/Maps/GoblinVillage/FishingRod.txt";
constexpr const char* PURSE_FILE = "Assets/Text/Items/Burse.txt";
constexpr const char* FULL_BUCKET_FILE = "Assets/Text/Items/Bucket_Full.txt";

StoryFlags& Flags() {
    return gSession.story;
}

bool OnMap(const char* part) {
    return Contains(gSession.currentMapName, part);
}

bool IsEnter(const sf::Event::KeyEvent& keyEvent) {
    return keyEvent.code == gSettings.keys.enter;
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
    while (InventoryHolds("Burse")) {
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
class MerchantConversation final : public NpcConversation {
public:
    explicit MerchantConversation(Npc& merchant) : NpcConversation(merchant) {}

    void Key(const sf::Event::KeyEvent& keyEvent) override {
        if (!IsEnter(keyEvent)) return;
        const bool wasOpen = npc_.open == 1;
        StoryFlags& flags = Flags();
        if (flags.merchantMet == 0) {
            LogDebug("active true\n");
            flags.merchantMet = 1;
            flags.worldMapOpen = 1;
        } else if (flags.purseDelivered == 0) {
            if (TakeThePurse()) {
                LogDebug("finish true\n");
                flags.purseDelivered = 1;
                flags.fishingUnlocked = 1;
                GiveItem(FISHING_ROD_FILE, "FishingRod");
                SwitchDialogue(npc_, 1);
            }
        } else if (flags.shopUnlocked == 0 && !wasOpen) {
            LogDebug("open shop\n");
            flags.shopUnlocked = 1;
            SwitchDialogue(npc_, 2);
        }
        HandleDialogueKey(keyEvent, OwnerOf(npc_));
    }

    bool EndsInShop() const override { return Flags().purseDelivered == 1 && Flags().shopUnlocked == 1; }
};

StoryTurn Talk(std::unique_ptr<Conversation> conversation, const sf::Event::KeyEvent& keyEvent) {
    StoryTurn turn;
    turn.conversation = Begin(std::move(conversation), keyEvent);
    return turn;
}

// Spriti, in her cabin: she gives the purse and joins the party.
StoryTurn TalkToSpriti(const sf::Event::KeyEvent& keyEvent) {
    Npc* spriti = FirstInReach(NPC_COMPANION);
    if (spriti == nullptr) return {};
    return Talk(std::make_unique<NpcConversation>(*spriti,
                                                  [] {
                                                      if (Flags().purseDelivered != 0 || InventoryHolds("Burse"))
                                                          return;
                                                      GiveItem(PURSE_FILE, "Burse");
                                                      Join(Flags().spritiJoined);
                                                  }),
                keyEvent);
}

// The bed, once the merchant has his purse: night falls and the house burns, everything carried lost.
StoryTurn GoToBed() {
    if (!InTriggerNamed("Bed")) return {};
    LogDebug("trigger bed : ici %s\n", "Bed");
    // The flags first, so that the save written on the way holds the night.
    Flags().nightStarted = 1;
    Flags().worldMapOpen = 0;
    StoryTurn turn;
    turn.moveTo = "HOUSE_BURN_1";
    turn.emptyInventory = true;
    turn.popUp = POPUP_HOUSE_ON_FIRE;
    return turn;
}

StoryTurn DaytimeEvents(const sf::Event::KeyEvent& keyEvent) {
    if (!IsEnter(keyEvent)) return {};
    if (IsDayVillage(gSession.currentMapName)) {
        Npc* merchant = FirstInReach(NPC_MERCHANT);
        return merchant != nullptr ? Talk(std::make_unique<MerchantConversation>(*merchant), keyEvent) : StoryTurn{};
    }
    if (OnMap("HOUSE_ENTER_SPRITI")) return Flags().purseDelivered == 0 ? TalkToSpriti(keyEvent) : StoryTurn{};
    if (OnMap("HOUSE_ENTER_1") && Flags().purseDelivered == 1 && Flags().storyEnded == 0) return GoToBed();
    return {};
}

StoryTurn LeaveBurningHouse(const sf::Event::KeyEvent& keyEvent) {
    if (gPuzzles.wallBroken != 1 || !IsEnter(keyEvent) || !InTriggerNamed("EXIT")) return {};
    StoryTurn turn;
    turn.moveTo = "GoblinVillageBurn";
    turn.popUp = POPUP_SAVE_GROTO;
    return turn;
}

StoryTurn BurningVillage(const sf::Event::KeyEvent& keyEvent) {
    StoryTurn turn;
    if (IsEnter(keyEvent)) {
        if (Npc* groto = FirstInReach(NPC_COMPANION); groto != nullptr) {
            turn = Talk(std::make_unique<NpcConversation>(*groto, [] { Join(Flags().grotoJoined); }), keyEvent);
        }
    }
    if (Flags().worldMapOpen == 0 && !AnyEnemyLeft()) {
        Flags().worldMapOpen = 1;
        turn.popUp = POPUP_ENEMY_ON_BRIDGE;
    }
    return turn;
}

StoryTurn NightEvents(const sf::Event::KeyEvent& keyEvent) {
    if (Flags().nightStarted != 1) return {};
    if (OnMap("HOUSE_BURN_1")) return LeaveBurningHouse(keyEvent);
    if (OnMap("GoblinVillageBurn")) return BurningVillage(keyEvent);
    if (OnMap("BridgeNight") && Flags().bossAnnounced == 0) {
        Flags().bossAnnounced = 1;
        StoryTurn turn;
        turn.popUp = POPUP_BOSS_HERE;
        return turn;
    }
    return {};
}

void FillEveryBucket() {
    while (InventoryHolds("Bucket_Empty")) {
        RemoveInventoryItem("Bucket_Empty");
        GiveItem(FULL_BUCKET_FILE, "Bucket_Full");
    }
}

void DeveloperKeys(const sf::Event::KeyEvent& keyEvent) {
    if (!DeveloperKeysOn()) return;
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
StoryTurn ForestEvents() {
    StoryTurn turn;
    if (Flags().merchantMet == 1 && Flags().saveSpritiShown == 0 && AllFencesDown()) {
        turn.popUp = POPUP_SAVE_SPRITI;
        Flags().saveSpritiShown = 1;
        return turn;
    }
    if (gPuzzles.forestFireOut1 != 1 || gPuzzles.forestFireOut2 != 1) return turn;
    for (int i = 0; i < static_cast<int>(gMap.triggers.size()); ++i) {
        const MapTrigger trigger = GetTrigger(i);
        if (Contains(trigger.name, "MAP") || !Contains(trigger.name, "HOUSE_ENTER_SPRITI")) continue;
        if (PushOutOfTrigger(trigger) == 0) continue;
        Flags().nightStarted = 1;
        turn.moveTo = "HOUSE_ENTER_SPRITI";
        return turn;
    }
    return turn;
}

// The boss beaten: the End pop-up, and once it is read (the map goes on only when it is closed), home.
StoryTurn BridgeEvents() {
    StoryTurn turn;
    if (Flags().storyEnded == 0 && Flags().bossAnnounced == 1 && !AnyEnemyLeft()) {
        LogDebug("~~~~end~~~~");
        Flags().storyEnded = 1;
        turn.popUp = POPUP_END;
    } else if (Flags().storyEnded == 1) {
        Flags().worldMapOpen = 1;
        turn.moveTo = "HOUSE_ENTER_1";
    }
    return turn;
}

}  // namespace

StoryTurn HandleStoryKey(const sf::Event::KeyEvent& keyEvent) {
    DeveloperKeys(keyEvent);
    StoryTurn turn = DaytimeEvents(keyEvent);
    if (turn.Acts()) return turn;
    return NightEvents(keyEvent);
}

StoryTurn UpdateStory() {
    if (OnMap("ForestNight")) return ForestEvents();
    if (OnMap("BridgeNight")) return BridgeEvents();
    return {};
}
