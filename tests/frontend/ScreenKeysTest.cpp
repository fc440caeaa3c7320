// Keys belong to the screen on top: whatever covers the map takes every press, and nothing of the world
// below (the session, the people and items on the map, the save) moves until it has closed.

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <sstream>

#include "content/DialogueScreen.h"
#include "content/Fishing.h"
#include "content/PopUps.h"
#include "content/Reach.h"
#include "content/Shop.h"
#include "frontend/OptionsScreen.h"
#include "frontend/PauseMenu.h"
#include "frontend/RoamingScreen.h"
#include "support/Journey.h"
#include "support/Scenes.h"

namespace {

using namespace DefaultKeys;

// What a player could tell apart of the world: the session, who and what is on the map, the save.
std::string World(GameHarness& game) {
    const GameSession& session = game.Session();
    std::ostringstream text;
    text << session.CurrentMap() << " gold " << session.Gold() << " party " << session.PartySize()
         << " carries";
    for (const std::string& item : session.Inventory())
        text << ' ' << item;
    int32_t flags[sizeof(StoryFlags) / sizeof(int32_t)];
    std::memcpy(flags, &session.Story(), sizeof flags);
    for (int32_t flag : flags)
        text << ' ' << flag;
    for (const PouchSlot& slot : session.Pouch().slots)
        text << " pouch " << slot.itemId << 'x' << slot.count;
    text << " people " << game.Scene().npcList.npcs.size() << " items "
         << game.Scene().mapItemList.items.size();
    return text.str() + "\n" + SaveText();
}

// A press as a player makes it: held for a couple of frames, then let go.
void Tap(GameHarness& game, int32_t code) {
    game.HoldKey(code);
    game.PressKey(code);
    game.Step(FRAME_DT, 2);
    game.ReleaseKey(code);
}

void Tap(GameHarness& game, std::initializer_list<int32_t> codes) {
    for (int32_t code : codes)
        Tap(game, code);
}

bool InBed(GameHarness& game) {
    for (const MapTrigger& trigger : game.Scene().map.triggers) {
        if (std::strcmp(trigger.name, "Bed") == 0 && trigger.rect.intersects(game.Scene().hero.footBox))
            return true;
    }
    return false;
}

// In the bedroom, on the bed once the purse is delivered (Return there ends the day) and beside the apple
// (Return there takes it): Return on every entry of the pause menu and every row of its options.
TEST(ScreenKeys, ReturnInThePauseMenuAndItsOptionsIsNotAlsoTakenByTheMapBelow) {
    for (const bool onBed : {true, false}) {
        SCOPED_TRACE(onBed ? "on the bed" : "beside the apple");
        GameHarness game({1280, 720});
        EnterMap(game, "HOUSE_ENTER_1", 2);
        game.Session().SetFlag(&StoryFlags::purseDelivered);
        if (onBed) {
            ASSERT_TRUE(WalkIntoTrigger(game, "Bed", [&] { return InBed(game); }));
        } else {
            const MapItem& apple = game.Scene().mapItemList.items.at(1);
            ASSERT_EQ(apple.name, "Apple");
            ASSERT_TRUE(WalkBeside(game, apple.bounds));
            ASSERT_EQ(InItemReach(game.Scene(), apple), 1);
        }
        const std::string before = World(game);
        std::vector<std::pair<std::string, std::vector<int32_t>>> errands = {{"Continue", {ESCAPE, ENTER}}};
        for (int row = 0; row <= OPTIONS_BACK_ENTRY; ++row) {
            std::vector<int32_t> keys = {ESCAPE, DOWN, ENTER};
            keys.insert(keys.end(), static_cast<size_t>(row), DOWN);
            keys.insert(keys.end(), {ENTER, ESCAPE});
            errands.emplace_back("options row " + std::to_string(row), keys);
        }
        for (int bar = 0; bar < VOLUME_KIND_COUNT; ++bar) {
            std::vector<int32_t> keys = {ESCAPE, DOWN, ENTER, RIGHT};
            keys.insert(keys.end(), static_cast<size_t>(bar), DOWN);
            keys.insert(keys.end(), {ENTER, ESCAPE});
            errands.emplace_back("volume bar " + std::to_string(bar), keys);
        }
        for (const auto& [what, keys] : errands) {
            for (int32_t key : keys)
                Tap(game, key);
            EXPECT_EQ(game.Top(), SCREEN_ROAMING) << what;
            EXPECT_EQ(World(game), before) << what;
        }
        // Exit to menu saves the game as it stands: still in the bedroom by day, the apple where it lay.
        Tap(game, {ESCAPE, DOWN, DOWN, ENTER});
        EXPECT_EQ(game.Top(), SCREEN_TITLE);
        const std::string save = SaveText();
        EXPECT_EQ(save.rfind("CurrentMap HOUSE_ENTER_1\n", 0), 0u) << save;
        EXPECT_NE(save.find("Story 0 0 1 0 0 0 0 0 0 0 0\n"), std::string::npos) << save;
        EXPECT_NE(save.find("Item 1 0\n"), std::string::npos) << save;
    }
}

struct Cover {
    const char* name;
    std::function<void(GameHarness&)> open;
    ScreenKind kind;
};

const Cover COVERS[] = {
    {"pause menu", [](GameHarness& g) { g.PressKey(ESCAPE); }, SCREEN_PAUSE},
    {"options over the game",
     [](GameHarness& g) { g.Requests().Push(std::make_unique<OptionsMenuScreen>(g.Context(), true)); },
     SCREEN_OPTIONS},
    {"inventory", [](GameHarness& g) { g.PressKey(INVENTORY); }, SCREEN_INVENTORY},
    {"pop-up",
     [](GameHarness& g) {
         g.Requests().Push(std::make_unique<DialogueScreen>(g.Context(), OpenPopUp(POPUP_START)));
     },
     SCREEN_DIALOGUE},
    {"shop, gold spent",
     [](GameHarness& g) {
         g.Session().SpendGold(g.Session().Gold());
         g.Requests().Push(std::make_unique<ShopScreen>(g.Context(), g.Session()));
     },
     SCREEN_SHOP},
    {"fishing",
     [](GameHarness& g) {
         g.Requests().Push(std::make_unique<FishingScreen>(g.Context(), g.Session(), g.Scene().hero, 0));
     },
     SCREEN_FISHING},
    {"fish collection", [](GameHarness& g) { g.PressKey(sf::Keyboard::F); }, SCREEN_FISH_COLLECTION},
    {"world map",
     [](GameHarness& g) {
         g.Session().SetFlag(&StoryFlags::worldMapOpen);
         g.Find<RoamingScreen>()->OpenWorldMap();
     },
     SCREEN_WORLD_MAP},
};

// Beside the straw in the village, every screen that covers the map takes every bound key, the fixed
// keys of the map (F, the developer's K and T) and Return, until it closes, and the world waits.
TEST(ScreenKeys, NoScreenOverTheMapLetsAKeyReachTheWorldBelow) {
    GameHarness game({1280, 720});
    EnterMap(game, "GoblinVillage", 2);
    const MapItem& straw = game.Scene().mapItemList.items.at(2);
    ASSERT_TRUE(WalkBeside(game, straw.bounds));
    ASSERT_EQ(InItemReach(game.Scene(), straw), 1);
    const int32_t keys[] = {UP,    DOWN,      RIGHT, LEFT, sf::Keyboard::F, sf::Keyboard::K, sf::Keyboard::T,
                            ENTER, INVENTORY, ESCAPE};
    for (const Cover& cover : COVERS) {
        SCOPED_TRACE(cover.name);
        cover.open(game);
        game.Apply();
        const std::string before = World(game);
        ASSERT_EQ(game.Top(), cover.kind);
        for (int32_t key : keys) {
            Tap(game, key);
            if (!game.Shows(cover.kind)) break;
            EXPECT_EQ(game.Top(), cover.kind) << "after key " << key;
            EXPECT_EQ(World(game), before) << "after key " << key;
        }
        while (game.Top() != SCREEN_ROAMING) {
            game.Requests().Pop();
            game.Apply();
        }
        EXPECT_EQ(World(game), before);
    }
}

}  // namespace
