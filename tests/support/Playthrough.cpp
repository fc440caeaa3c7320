#include "support/Playthrough.h"
#include "content/MapScene.h"

#include <cmath>
#include <cstring>

#include "battle/screen/BattleState.h"
#include "content/Items.h"
#include "content/PopUps.h"
#include "content/Puzzles.h"
#include "core/Settings.h"
#include "core/WholeFiles.h"
#include "frontend/WorldMap.h"
#include "support/Battles.h"
#include "support/Journey.h"
#include "support/Saves.h"
#include "world/GameSession.h"
#include "world/MapLoading.h"
#include "world/Player.h"
#include "world/SaveFormat.h"

namespace {

constexpr float FRAME = 1.0f / 60.0f;
// While nothing but time is asked for (a battle's turns, a rope pulled at a crawl): fewer frames drawn.
constexpr float WAIT_FRAME = 1.0f / 30.0f;
constexpr int32_t ANY_KEY = sf::Keyboard::A;  // bound to nothing

// ENTER until every pop-up has typed out and closed.
std::string ClosePopUps(GameHarness& game) {
    game.PressEnterUntil([&] { return !PopUpShown(game); });
    return PopUpShown(game) ? Fail(game, "a pop-up would not close") : "";
}

// Through the "MAP" trigger to the world map, along its markers to the place, and there.
std::string Travel(GameHarness& game, const char* place) {
    if (!WalkIntoTrigger(game, "MAP", [&] { return game.Top() == SCREEN_WORLD_MAP; }))
        return Fail(game, "no way onto the world map");
    game.Step(FRAME, 10);
    const WorldMap& map = game.Find<WorldMapScreen>()->map;
    const auto onPlace = [&] {
        const char* name = map.locations[static_cast<size_t>(map.cursor)].name;
        return name != nullptr && std::strcmp(name, place) == 0;
    };
    for (int press = 0; press < WORLD_LOCATION_COUNT && !onPlace(); ++press) {
        game.Press(gSettings.keys.right, 5);
    }
    if (!onPlace()) return Fail(game, std::string("the world map never offered ") + place);
    const std::string leaving = game.Session().CurrentMap();
    game.Press(gSettings.keys.enter, 30);
    if (game.Top() != SCREEN_ROAMING || leaving == game.Session().CurrentMap())
        return Fail(game, std::string("the world map did not lead to ") + place);
    return "";
}

// The battle played out; ENTER at the victory goes back to the map.
std::string WinBattle(GameHarness& game, const Checkpoint& reached, const std::string& shot) {
    const BattleEnd end = FightItOut(game, WAIT_FRAME, true, [&] { reached(shot); });
    if (end == BattleEnd::LOST) return Fail(game, "the party fell");
    if (end != BattleEnd::WON) return Fail(game, "the battle never ended");
    game.Step(FRAME, 30);
    game.Press(gSettings.keys.enter, 10);
    return !game.Shows(SCREEN_BATTLE) ? "" : Fail(game, "the victory did not lead back to the map");
}

std::string FightEveryEnemy(GameHarness& game, const Checkpoint& reached, const std::string& shot) {
    for (int fight = 1; FirstNpcOfType(game, NPC_BATTLE) != nullptr; ++fight) {
        if (fight > 10) return Fail(game, "the enemies never ran out");
        std::string lost = WalkIntoEnemy(game);
        if (lost.empty()) lost = WinBattle(game, reached, shot + "-" + std::to_string(fight));
        if (!lost.empty()) return lost;
    }
    return "";
}

// Walks away from where the rope is tied until the pull is done.
bool PullAway(GameHarness& game, int32_t key) {
    game.HoldKey(key);
    for (int frame = 0; frame < 30 * 20 && game.Scene().rope.active == 1; ++frame)
        game.Step(WAIT_FRAME);
    game.HoldKey(key, false);
    return game.Scene().rope.active == 0;
}

std::string FillBucket(GameHarness& game, const Npc& water) {
    if (!WalkBeside(game, water.box)) return Fail(game, "no way to the water");
    game.PressEnterUntil([&] { return game.Session().Holds("Bucket_Full"); }, 10);
    return game.Session().Holds("Bucket_Full") ? "" : Fail(game, "the water did not fill the bucket");
}

// Each fence in reach, from below or above, until all five are down; the SaveSpriti pop-up follows.
std::string PullEveryFence(GameHarness& game, const Checkpoint& reached) {
    const KeyBindings& keys = gSettings.keys;
    for (int round = 0; round < FOREST_FENCES; ++round) {
        bool pulled = false;
        for (size_t i = 0; i < FOREST_FENCES; ++i) {
            if (game.Session().FenceDown(static_cast<int>(i))) continue;
            const sf::FloatRect zone = game.Scene().puzzles.fenceRects[i];
            const float x = zone.left + zone.width / 2 - 16;
            bool fromAbove = false;
            if (!WalkTo(game, {x, zone.top + zone.height + 2, 32, 16}, 4.0f)) {
                fromAbove = WalkTo(game, {x, zone.top - 18, 32, 16}, 4.0f);
                if (!fromAbove) continue;
            }
            const int32_t towards = fromAbove ? keys.down : keys.up;
            game.HoldKey(towards);
            game.Step(FRAME, 20);
            game.HoldKey(towards, false);
            game.HoldFor(gSettings.keys.enter, 1);
            if (game.Scene().rope.active != 1)
                return Fail(game, "the rope would not tie to fence " + std::to_string(i));
            if (!pulled) reached("pulling-a-fence");
            if (!PullAway(game, fromAbove ? keys.up : keys.down) ||
                !game.Session().FenceDown(static_cast<int>(i)))
                return Fail(game, "fence " + std::to_string(i) + " did not come down");
            pulled = true;
        }
        if (!pulled) break;
    }
    for (int fence = 0; fence < FOREST_FENCES; ++fence)
        if (!game.Session().FenceDown(fence)) return Fail(game, "a fence was left out of reach");
    return "";
}

std::string PutOutTheForestFires(GameHarness& game, const Checkpoint& reached) {
    for (size_t k = 0; k < 2; ++k) {
        if (!game.Session().Holds("Bucket_Full")) {
            std::string lost = FillBucket(game, *game.Scene().puzzles.forestWater);
            if (!lost.empty()) return lost;
        }
        const sf::FloatRect zone = game.Scene().puzzles.fireZoneRects[k];
        if (!WalkTo(game, {zone.left + zone.width / 2 - 16, zone.top + zone.height + 2, 32, 16}, 4.0f))
            return Fail(game, "no way to fire " + std::to_string(k));
        if (k == 0) reached("before-a-fire");
        game.HoldFor(gSettings.keys.enter, 2);
        const int32_t out =
            k == 0 ? game.Scene().puzzles.forestFireOut1 : game.Scene().puzzles.forestFireOut2;
        if (out != 1) return Fail(game, "fire " + std::to_string(k) + " still burns");
    }
    return "";
}

// ---- The steps ----

std::string NewGame(GameHarness& game, const Checkpoint& reached) {
    ChoosePlay(game);  // with no save: a new game
    game.Step(0.021f, 60);
    if (game.Mode() != MODE_GAME) return "Play did not start a new game";
    reached("start-popup");
    return ClosePopUps(game);
}

std::string ToTheVillage(GameHarness& game, const Checkpoint& reached) {
    if (!WalkThroughDoor(game, "GoblinVillage")) return Fail(game, "no way out of the house");
    game.Step(FRAME, 10);
    reached("village");
    return "";
}

std::string MeetTheMerchant(GameHarness& game, const Checkpoint& reached) {
    const Npc* merchant = FirstNpcOfType(game, NPC_MERCHANT);
    if (merchant == nullptr) return Fail(game, "no merchant");
    const sf::FloatRect b = merchant->box;
    if (!WalkTo(game, {b.left + b.width + 8, b.top, 8, b.height}, 0) && !WalkBeside(game, b))
        return Fail(game, "no way to the merchant");
    game.Press(gSettings.keys.enter, 20);
    reached("merchant");
    game.PressEnterUntil([&] { return game.Top() == SCREEN_ROAMING; });
    if (game.Session().Story().worldMapOpen != 1) return Fail(game, "the merchant did not open the roads");
    std::string lost = PickUp(game, "Rope");
    if (lost.empty()) lost = Travel(game, "Bridge");
    if (lost.empty()) reached("bridge");
    return lost;
}

std::string CrossTheBridge(GameHarness& game, const Checkpoint& reached) {
    std::string lost = PickUp(game, "Bucket_Empty");
    if (lost.empty()) lost = FightEveryEnemy(game, reached, "bridge-battle");
    if (lost.empty()) lost = Travel(game, "ForestNight");
    if (lost.empty()) reached("forest");
    return lost;
}

std::string OpenTheForest(GameHarness& game, const Checkpoint& reached) {
    if (!game.Scene().puzzles.forestBuilt || !game.Scene().puzzles.forestWater)
        return Fail(game, "the forest's puzzle is not there");
    std::string lost = FillBucket(game, *game.Scene().puzzles.forestWater);
    if (lost.empty()) lost = PullEveryFence(game, reached);
    if (!lost.empty()) return lost;
    game.Step(FRAME, 5);
    if (!PopUpShown(game, POPUP_SAVE_SPRITI)) return Fail(game, "the last fence did not call for Spriti");
    game.Step(FRAME, 60);
    reached("save-spriti");
    lost = ClosePopUps(game);
    if (lost.empty()) lost = PutOutTheForestFires(game, reached);
    if (!lost.empty()) return lost;
    if (!WalkThroughDoor(game, "HOUSE_ENTER_SPRITI")) return Fail(game, "the cabin door stayed shut");
    game.Step(FRAME, 10);
    reached("cabin");
    return "";
}

std::string SpritiJoins(GameHarness& game, const Checkpoint& reached) {
    std::string lost = TalkUntil(game, NPC_COMPANION, "Spriti", [&] {
        return game.Session().PartySize() == 2 && game.Session().Holds("Burse") &&
               game.Top() == SCREEN_ROAMING;
    });
    if (!lost.empty()) return lost;
    reached("spriti-joined");
    if (!WalkThroughDoor(game, "ForestNight")) return Fail(game, "no way out of the cabin");
    return "";
}

// The forest's roads lead only to the bridge: the village lies beyond it.
std::string BackToTheVillage(GameHarness& game, const Checkpoint& reached) {
    std::string lost = Travel(game, "Bridge");
    if (lost.empty()) lost = Travel(game, "GoblinVillage");
    if (lost.empty()) reached("village-again");
    return lost;
}

std::string TheRodAndTheShop(GameHarness& game, const Checkpoint& reached) {
    std::string lost = TalkUntil(game, NPC_MERCHANT, "the merchant", [&] {
        return game.Session().Story().purseDelivered == 1 && game.Top() == SCREEN_ROAMING;
    });
    if (!lost.empty()) return lost;
    if (!game.Session().Holds("FishingRod")) return Fail(game, "the purse did not buy the rod");
    game.PressEnterUntil([&] { return game.Top() == SCREEN_SHOP; });
    if (game.Top() != SCREEN_SHOP) return Fail(game, "the shop did not open");
    game.PressKey(gSettings.keys.right);  // the healing potion
    game.Press(gSettings.keys.enter, 5);
    reached("shop");
    game.Press(gSettings.keys.escape, 2);
    if (!WalkThroughDoor(game, "HOUSE_ENTER_1")) return Fail(game, "no way home");
    return "";
}

// Back beside the bed where a new game starts, then into the bed's side: ENTER there is the night.
std::string GoToBed(GameHarness& game, const Checkpoint& reached) {
    const MapPoint* byTheBed = nullptr;
    for (const MapPoint& point : game.Scene().map.mapPoints)
        if (std::strcmp(point.name, "HOUSE_ENTER_1") == 0) byTheBed = &point;
    if (byTheBed == nullptr) return Fail(game, "no place by the bed");
    const sf::Vector2f feetOffset =
        sf::Vector2f(game.Scene().hero.footBox.left, game.Scene().hero.footBox.top) -
        game.Scene().hero.sprite.getPosition();
    const WalkRect feet{byTheBed->x + feetOffset.x, byTheBed->y + feetOffset.y,
                        game.Scene().hero.footBox.width, game.Scene().hero.footBox.height};
    if (!WalkTo(game, feet, 4.0f)) return Fail(game, "no way to the bed");
    game.HoldKey(gSettings.keys.left);
    game.Step(FRAME, 40);
    game.HoldKey(gSettings.keys.left, false);
    game.Press(gSettings.keys.enter, 30);
    if (std::strcmp(game.Session().CurrentMap(), "HOUSE_BURN_1") != 0)
        return Fail(game, "the bed did not bring the night");
    if (!PopUpShown(game, POPUP_HOUSE_ON_FIRE)) return Fail(game, "no word of the fire");
    reached("house-on-fire");
    return "";
}

std::string OutOfTheBurningHouse(GameHarness& game, const Checkpoint& reached) {
    std::string lost = ClosePopUps(game);
    if (lost.empty()) lost = PickUp(game, "Bucket_Empty");
    if (lost.empty()) lost = PickUp(game, "Rope");
    if (lost.empty() && game.Scene().puzzles.bathtub) lost = FillBucket(game, *game.Scene().puzzles.bathtub);
    if (!lost.empty()) return lost;
    // At the top of the hook's zone, right under the hook, where the rope reaches it.
    const sf::FloatRect zone = game.Scene().puzzles.hookZoneRect;
    if (!WalkTo(game, {zone.left + 16, zone.top + 20, 32, 16}, 4.0f)) return Fail(game, "no way to the hook");
    game.HoldKey(gSettings.keys.up);
    for (int frame = 0; frame < 60 && game.Scene().hero.footBox.top > zone.top - 12; ++frame)
        game.Step(FRAME);
    game.HoldKey(gSettings.keys.up, false);
    reached("at-the-hook");
    // The rope, ahead of the bucket filled since, ties on the frame after the flames die.
    game.HoldFor(gSettings.keys.enter, 2);
    if (game.Scene().puzzles.houseFlames != 0 || game.Scene().rope.active != 1)
        return Fail(game, "the bucket and rope did nothing at the hook");
    if (!PullAway(game, gSettings.keys.down) || game.Scene().puzzles.wallBroken != 1)
        return Fail(game, "the wall stood");
    reached("wall-down");
    const auto inTheGap = [&] {
        for (const MapTrigger& trigger : game.Scene().map.triggers) {
            if (std::strcmp(trigger.name, "EXIT") == 0 && trigger.rect.intersects(game.Scene().hero.footBox))
                return true;
        }
        return false;
    };
    if (!WalkIntoTrigger(game, "EXIT", inTheGap)) return Fail(game, "no way into the gap");
    game.Press(gSettings.keys.enter, 30);
    if (std::strcmp(game.Session().CurrentMap(), "GoblinVillageBurn") != 0)
        return Fail(game, "the exit led nowhere");
    reached("burning-village");
    return "";
}

std::string TheBurningVillage(GameHarness& game, const Checkpoint& reached) {
    std::string lost = ClosePopUps(game);
    if (lost.empty()) {
        lost = TalkUntil(game, NPC_COMPANION, "Groto",
                         [&] { return game.Session().PartySize() == 3 && game.Top() == SCREEN_ROAMING; });
    }
    if (lost.empty()) lost = FightEveryEnemy(game, reached, "village-battle");
    if (!lost.empty()) return lost;
    game.Press(ANY_KEY, 60);
    if (!PopUpShown(game, POPUP_ENEMY_ON_BRIDGE)) return Fail(game, "no word of the bridge");
    reached("enemy-on-bridge");
    lost = ClosePopUps(game);
    if (lost.empty()) lost = Travel(game, "Bridge");
    return lost;
}

std::string TheBoss(GameHarness& game, const Checkpoint& reached) {
    game.Press(ANY_KEY, 60);
    if (!PopUpShown(game, POPUP_BOSS_HERE)) return Fail(game, "the boss was not announced");
    reached("boss-here");
    std::string lost = ClosePopUps(game);
    if (lost.empty()) lost = WalkIntoEnemy(game);
    if (lost.empty()) lost = WinBattle(game, reached, "boss-battle");
    if (!lost.empty()) return lost;
    game.Step(FRAME, 60);
    if (!PopUpShown(game, POPUP_END)) return Fail(game, "the story did not end");
    reached("the-end");
    lost = ClosePopUps(game);
    game.Step(FRAME, 30);
    if (lost.empty()) reached("home");
    return lost;
}

// The story line's flags, in saved order: merchantMet worldMapOpen purseDelivered fishingUnlocked
// shopUnlocked nightStarted grotoJoined saveSpritiShown bossAnnounced storyEnded spritiJoined. The
// passage into Spriti's cabin already counts as night, as the bed does.
const char* const STANDING = "0 0 0 0 0";
const char* const DOWN = "1 1 1 1 1";
const char* const NEW_POUCH = "12 0 13 0";  // a slot for each potion, none bought
const char* const ONE_POTION = "12 1 13 0";

const std::vector<StoryStep> STEPS = {
    {"01-new-game", NewGame, {"HOUSE_ENTER_1", "0 0 0 0 0 0 0 0 0 0 0", 1, 20, {}, STANDING}},
    {"02-village", ToTheVillage, {"GoblinVillage", "0 0 0 0 0 0 0 0 0 0 0", 1, 20, {}, STANDING, NEW_POUCH}},
    {"03-merchant",
     MeetTheMerchant,
     {"Bridge", "1 1 0 0 0 0 0 0 0 0 0", 1, 20, {"Rope"}, STANDING, NEW_POUCH}},
    {"04-bridge",
     CrossTheBridge,
     {"ForestNight", "1 1 0 0 0 0 0 0 0 0 0", 1, 60, {"Rope", "Bucket_Empty"}, STANDING, NEW_POUCH}},
    {"05-forest",
     OpenTheForest,
     {"HOUSE_ENTER_SPRITI", "1 1 0 0 0 1 0 1 0 0 0", 1, 60, {"Rope", "Bucket_Empty"}, DOWN, NEW_POUCH}},
    {"06-spriti",
     SpritiJoins,
     {"ForestNight", "1 1 0 0 0 1 0 1 0 0 1", 2, 60, {"Rope", "Bucket_Empty", "Burse"}, DOWN, NEW_POUCH}},
    {"07-village-again",
     BackToTheVillage,
     {"GoblinVillage", "1 1 0 0 0 1 0 1 0 0 1", 2, 60, {"Rope", "Bucket_Empty", "Burse"}, DOWN, NEW_POUCH}},
    {"08-rod-and-shop",
     TheRodAndTheShop,
     {"HOUSE_ENTER_1",
      "1 1 1 1 1 1 0 1 0 0 1",
      2,
      10,
      {"Rope", "Bucket_Empty", "FishingRod"},
      DOWN,
      ONE_POTION}},
    {"09-night", GoToBed, {"HOUSE_BURN_1", "1 0 1 1 1 1 0 1 0 0 1", 2, 10, {}, DOWN, ONE_POTION}},
    {"10-burning-house",
     OutOfTheBurningHouse,
     {"GoblinVillageBurn", "1 0 1 1 1 1 0 1 0 0 1", 2, 10, {"Rope", "Bucket_Full"}, DOWN, ONE_POTION}},
    {"11-burning-village",
     TheBurningVillage,
     {"BridgeNight", "1 1 1 1 1 1 1 1 0 0 1", 3, 105, {"Rope", "Bucket_Full"}, DOWN}},
    {"12-boss", TheBoss, {"HOUSE_ENTER_1", "1 1 1 1 1 1 1 1 1 1 1", 3, 305, {"Rope", "Bucket_Full"}, DOWN}},
};

}  // namespace

const std::vector<StoryStep>& StorySteps() {
    return STEPS;
}

std::string CheckOutcome(GameHarness& game, const StepOutcome& outcome) {
    std::string header =
        std::string("CurrentMap ") + outcome.map + "\nGold " + std::to_string(outcome.gold) + "\n";
    for (int place = 0; place < INVENTORY_PLACES; ++place) {
        const size_t at = static_cast<size_t>(place);
        header += "Inv " + (at < outcome.inventory.size() ? outcome.inventory[at] : std::string()) + "\n";
    }
    header += std::string("Story ") + outcome.storyLine + "\nParty " + std::to_string(outcome.partySize) +
              "\nFish 0 0 0 0 0 0 0 0 0\nFences " + outcome.fences + "\n";
    if (outcome.pouch != nullptr) header += std::string("Pouch ") + outcome.pouch + "\n";
    // The game as it is now, written the way the save writes it (the time played aside).
    GameSession& session = game.Session();
    const std::string written = SaveHeaderText(session, session.CurrentMap());
    const std::string now = written.substr(0, written.find(outcome.pouch != nullptr ? "Played" : "Pouch"));
    if (now != header) return "the game holds\n" + now + "instead of\n" + header;
    std::string save;
    if (!ReadTextFile("Saves/Save0/save.txt", save)) return "no save file";
    if (save.rfind(header, 0) != 0)
        return "the save begins\n" + save.substr(0, header.size()) + "instead of\n" + header;
    return "";
}
