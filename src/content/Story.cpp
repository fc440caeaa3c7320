#include "content/Story.h"

#include <cstring>

#include "content/Items.h"
#include "content/PopUps.h"
#include "content/Puzzles.h"
#include "content/Reach.h"
#include "content/Shop.h"
#include "content/StoryMaps.h"
#include "core/Developer.h"
#include "core/Format.h"
#include "core/Log.h"
#include "core/Settings.h"
#include "core/SoundEffects.h"

namespace {

constexpr int32_t STORY_KEY_WORLD_MAP = 10;    // K, a developer's key: opens the world map's roads
constexpr int32_t STORY_KEY_FILL_BUCKET = 19;  // T, a developer's key: fills every empty bucket

// The story's own scene and session, for the length of one key or one frame.
struct Story {
    MapScene& scene;
    GameSession& session;

    const StoryFlags& Flags() const { return session.Story(); }
    bool OnMap(const char* name) const { return std::strcmp(session.CurrentMap(), name) == 0; }
};

bool IsEnter(const sf::Event::KeyEvent& keyEvent) {
    return keyEvent.code == gSettings.keys.enter;
}

bool AnyEnemyLeft(const MapScene& scene) {
    for (const Npc& npc : scene.npcList.npcs)
        if (npc.type == NPC_BATTLE) return true;
    return false;
}

// Whether the hero stands in a trigger of the map whose name holds part.
bool InTriggerNamed(MapScene& scene, const char* part) {
    for (int i = 0; i < static_cast<int>(scene.map.triggers.size()); ++i) {
        const MapTrigger trigger = GetTrigger(scene.map, i);
        LogDebug("trigger %s\n", trigger.name);
        if (PushOutOfTrigger(scene.hero, trigger) == 1 && Contains(trigger.name, part)) return true;
    }
    return false;
}

Npc* FirstInReach(MapScene& scene, int32_t type) {
    for (Npc& npc : scene.npcList.npcs) {
        if (npc.type == type && InNpcReach(scene, npc) == 1) return &npc;
    }
    return nullptr;
}

// A gift goes straight into the inventory; with no room for it, the giver keeps it for another time.
bool GiveItem(GameSession& session, const char* name) {
    if (!session.Carry(name)) return false;
    PlaySoundEffect(SOUND_ITEM_PICKUP);
    return true;
}

bool TakeThePurse(GameSession& session) {
    bool found = false;
    while (session.Drop("Burse")) {
        LogDebug("burse here");
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
    MerchantConversation(Npc& merchant, GameSession& session)
        : NpcConversation(merchant), session_(session) {}

    void Key(const sf::Event::KeyEvent& keyEvent) override {
        if (!IsEnter(keyEvent)) return;
        const bool wasOpen = npc_.open == 1;
        const StoryFlags& flags = session_.Story();
        if (flags.merchantMet == 0) {
            LogDebug("active true\n");
            session_.SetFlag(&StoryFlags::merchantMet);
            session_.SetFlag(&StoryFlags::worldMapOpen);
        } else if (flags.purseDelivered == 0) {
            if (TakeThePurse(session_)) {
                LogDebug("finish true\n");
                session_.SetFlag(&StoryFlags::purseDelivered);
                session_.SetFlag(&StoryFlags::fishingUnlocked);
                GiveItem(session_, "FishingRod");
                SwitchDialogue(npc_, 1);
            }
        } else if (flags.shopUnlocked == 0 && !wasOpen) {
            LogDebug("open shop\n");
            session_.SetFlag(&StoryFlags::shopUnlocked);
            SwitchDialogue(npc_, 2);
        }
        HandleDialogueKey(keyEvent, OwnerOf(npc_));
    }

    std::unique_ptr<Screen> Then(ScreenContext context) override {
        if (session_.Story().purseDelivered != 1 || session_.Story().shopUnlocked != 1) return nullptr;
        return std::make_unique<ShopScreen>(context, session_);
    }

private:
    GameSession& session_;
};

StoryTurn Talk(std::unique_ptr<Conversation> conversation, const sf::Event::KeyEvent& keyEvent) {
    StoryTurn turn;
    turn.conversation = Begin(std::move(conversation), keyEvent);
    return turn;
}

// Spriti, in her cabin: she gives the purse and joins the party.
StoryTurn TalkToSpriti(Story story, const sf::Event::KeyEvent& keyEvent) {
    Npc* spriti = FirstInReach(story.scene, NPC_COMPANION);
    if (spriti == nullptr) return {};
    GameSession& session = story.session;
    return Talk(std::make_unique<NpcConversation>(*spriti,
                                                  [&session] {
                                                      if (session.Story().purseDelivered != 0) return;
                                                      if (!session.Holds("Burse")) GiveItem(session, "Burse");
                                                      session.Join(&StoryFlags::spritiJoined);
                                                  }),
                keyEvent);
}

// The bed, once the merchant has his purse: night falls and the house burns, everything carried lost.
StoryTurn GoToBed(Story story) {
    if (!InTriggerNamed(story.scene, "Bed")) return {};
    LogDebug("trigger bed : ici %s\n", "Bed");
    // The flags first, so that the save written on the way holds the night.
    story.session.SetFlag(&StoryFlags::nightStarted);
    story.session.SetFlag(&StoryFlags::worldMapOpen, 0);
    StoryTurn turn;
    turn.moveTo = MAP_BURNING_HOUSE;
    turn.emptyInventory = true;
    turn.popUp = POPUP_HOUSE_ON_FIRE;
    return turn;
}

StoryTurn DaytimeEvents(Story story, const sf::Event::KeyEvent& keyEvent) {
    if (!IsEnter(keyEvent)) return {};
    if (story.OnMap(MAP_VILLAGE)) {
        Npc* merchant = FirstInReach(story.scene, NPC_MERCHANT);
        if (merchant == nullptr) return {};
        return Talk(std::make_unique<MerchantConversation>(*merchant, story.session), keyEvent);
    }
    if (story.OnMap(MAP_CABIN))
        return story.Flags().purseDelivered == 0 ? TalkToSpriti(story, keyEvent) : StoryTurn{};
    if (story.OnMap(MAP_HOME) && story.Flags().purseDelivered == 1 && story.Flags().storyEnded == 0)
        return GoToBed(story);
    return {};
}

StoryTurn LeaveBurningHouse(Story story, const sf::Event::KeyEvent& keyEvent) {
    if (story.scene.puzzles.wallBroken != 1 || !IsEnter(keyEvent) || !InTriggerNamed(story.scene, "EXIT"))
        return {};
    StoryTurn turn;
    turn.moveTo = MAP_BURNING_VILLAGE;
    turn.popUp = POPUP_SAVE_GROTO;
    return turn;
}

StoryTurn BurningVillage(Story story, const sf::Event::KeyEvent& keyEvent) {
    StoryTurn turn;
    GameSession& session = story.session;
    if (IsEnter(keyEvent)) {
        if (Npc* groto = FirstInReach(story.scene, NPC_COMPANION); groto != nullptr) {
            turn = Talk(std::make_unique<NpcConversation>(
                            *groto, [&session] { session.Join(&StoryFlags::grotoJoined); }),
                        keyEvent);
        }
    }
    if (story.Flags().worldMapOpen == 0 && !AnyEnemyLeft(story.scene)) {
        session.SetFlag(&StoryFlags::worldMapOpen);
        turn.popUp = POPUP_ENEMY_ON_BRIDGE;
    }
    return turn;
}

StoryTurn NightEvents(Story story, const sf::Event::KeyEvent& keyEvent) {
    if (story.Flags().nightStarted != 1) return {};
    if (story.OnMap(MAP_BURNING_HOUSE)) return LeaveBurningHouse(story, keyEvent);
    if (story.OnMap(MAP_BURNING_VILLAGE)) return BurningVillage(story, keyEvent);
    if (story.OnMap(MAP_BOSS_BRIDGE) && story.Flags().bossAnnounced == 0) {
        story.session.SetFlag(&StoryFlags::bossAnnounced);
        StoryTurn turn;
        turn.popUp = POPUP_BOSS_HERE;
        return turn;
    }
    return {};
}

void FillEveryBucket(GameSession& session) {
    while (session.Drop("Bucket_Empty"))
        GiveItem(session, "Bucket_Full");
}

void DeveloperKeys(GameSession& session, const sf::Event::KeyEvent& keyEvent) {
    if (!DeveloperKeysOn()) return;
    if (keyEvent.code == STORY_KEY_WORLD_MAP) session.SetFlag(&StoryFlags::worldMapOpen);
    if (keyEvent.code == STORY_KEY_FILL_BUCKET) FillEveryBucket(session);
}

bool AllFencesDown(const GameSession& session) {
    bool all = true;
    for (int i = 0; i < FOREST_FENCES; ++i) {
        if (session.FenceDown(i)) continue;
        LogDebug("%d false\n", i);
        all = false;
    }
    return all;
}

// The forest: the last fence down calls for Spriti; both fires out open the way to her cabin.
StoryTurn ForestEvents(Story story) {
    StoryTurn turn;
    if (story.Flags().merchantMet == 1 && story.Flags().saveSpritiShown == 0 &&
        AllFencesDown(story.session)) {
        turn.popUp = POPUP_SAVE_SPRITI;
        story.session.SetFlag(&StoryFlags::saveSpritiShown);
        return turn;
    }
    const PuzzleState& puzzles = story.scene.puzzles;
    if (puzzles.forestFireOut1 != 1 || puzzles.forestFireOut2 != 1) return turn;
    for (int i = 0; i < static_cast<int>(story.scene.map.triggers.size()); ++i) {
        const MapTrigger trigger = GetTrigger(story.scene.map, i);
        if (Contains(trigger.name, "MAP") || !Contains(trigger.name, MAP_CABIN)) continue;
        if (PushOutOfTrigger(story.scene.hero, trigger) == 0) continue;
        story.session.SetFlag(&StoryFlags::nightStarted);
        turn.moveTo = MAP_CABIN;
        return turn;
    }
    return turn;
}

// The boss beaten: the End pop-up, and once it is read (the map goes on only when it is closed), home.
StoryTurn BridgeEvents(Story story) {
    StoryTurn turn;
    if (story.Flags().storyEnded == 0 && story.Flags().bossAnnounced == 1 && !AnyEnemyLeft(story.scene)) {
        LogDebug("~~~~end~~~~");
        story.session.SetFlag(&StoryFlags::storyEnded);
        turn.popUp = POPUP_END;
    } else if (story.Flags().storyEnded == 1) {
        story.session.SetFlag(&StoryFlags::worldMapOpen);
        turn.moveTo = MAP_HOME;
    }
    return turn;
}

}  // namespace

StoryTurn HandleStoryKey(MapScene& scene, GameSession& session, const sf::Event::KeyEvent& keyEvent) {
    const Story story{scene, session};
    DeveloperKeys(session, keyEvent);
    StoryTurn turn = DaytimeEvents(story, keyEvent);
    if (turn.Acts()) return turn;
    return NightEvents(story, keyEvent);
}

StoryTurn UpdateStory(MapScene& scene, GameSession& session) {
    const Story story{scene, session};
    if (story.OnMap(MAP_FOREST)) return ForestEvents(story);
    if (story.OnMap(MAP_BOSS_BRIDGE)) return BridgeEvents(story);
    return {};
}
