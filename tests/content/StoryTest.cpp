// The story's turns that the playthrough does not press on: Spriti pressed again and again, the bed that
// takes everything before the night's save, and R after a game over, which goes on from the save.

#include <gtest/gtest.h>

#include "battle/BattleRules.h"
#include "content/ContentScenes.h"
#include "content/MapScene.h"
#include "content/PopUps.h"
#include "support/Battles.h"
#include "support/Journey.h"
#include "support/Scenes.h"

namespace {

using DefaultKeys::ENTER;

TEST(Story, SpritiGivesOnePurseAndJoinsOnceHoweverOftenEnterIsPressedAndWhenThereIsNoRoom) {
    GameHarness game{UNSEEN};
    EnterMap(game, "HOUSE_ENTER_SPRITI", 2);
    Carry(game, "Stick", INVENTORY_PLACES);
    ASSERT_TRUE(WalkBeside(game, FirstNpcOfType(game, NPC_COMPANION)->box));
    const int lying = LyingOnMap(game, "Burse");
    for (int press = 0; press < 10; ++press)
        game.Press(ENTER);
    EXPECT_EQ(game.Session().PartySize(), 2u);
    EXPECT_EQ(Carrying(game, "Burse"), 0);  // no room: she keeps it for another talk
    EXPECT_EQ(LyingOnMap(game, "Burse"), lying);

    game.Session().Drop("Stick");
    game.Session().Drop("Stick");
    for (int press = 0; press < 10; ++press)
        game.Press(ENTER);
    EXPECT_EQ(Carrying(game, "Burse"), 1);
    EXPECT_EQ(game.Session().PartySize(), 2u);
}

// From where a new game starts, left into the bed's side.
void WalkIntoTheBed(GameHarness& game) {
    game.HoldFor(DefaultKeys::LEFT, 40);
}

TEST(Story, TheBedWaitsForThePurseThenTheNightTakesEverythingCarriedBeforeItsSave) {
    GameHarness game{UNSEEN};
    EnterMap(game, "HOUSE_ENTER_1", 2);
    Carry(game, {"Rope"});
    WalkIntoTheBed(game);
    game.Press(ENTER, 30);
    EXPECT_STREQ(game.Session().CurrentMap(), "HOUSE_ENTER_1");  // before the purse, only a bed

    game.Session().SetFlag(&StoryFlags::purseDelivered);
    game.Session().SetFlag(&StoryFlags::worldMapOpen);
    WalkIntoTheBed(game);
    game.Press(ENTER, 30);
    ASSERT_STREQ(game.Session().CurrentMap(), "HOUSE_BURN_1");
    EXPECT_TRUE(game.Session().Inventory().empty());
    EXPECT_EQ(game.Session().Story().worldMapOpen, 0);
    EXPECT_TRUE(PopUpShown(game, POPUP_HOUSE_ON_FIRE));
    // Continued from this save, the night starts empty-handed too.
    std::string head = "CurrentMap HOUSE_BURN_1\nGold 20\n";
    for (int place = 0; place < INVENTORY_PLACES; ++place)
        head += "Inv \n";
    head += "Story 0 0 1 0 0 1 0 0 0 0 0\n";
    EXPECT_EQ(SaveText().rfind(head, 0), 0u) << SaveText();
}

TEST(Story, RAfterAGameOverGoesOnFromTheSaveNotFromTheGameJustLost) {
    GameHarness game{UNSEEN};
    EnterMap(game, "Bridge", 2);
    game.Session().EarnGold(100);
    ASSERT_TRUE(game.Session().Buy(ITEM_HP_POTION, 50));
    ASSERT_TRUE(game.Session().Buy(ITEM_MANA_POTION, 30));
    ExitToMenu(game);       // saved: 40 gold, two potions, everyone and everything on the bridge
    game.Press(ENTER);      // Play
    game.Press(ENTER, 30);  // slot 0 continued
    ASSERT_EQ(game.Top(), SCREEN_ROAMING);
    const int enemies = PeopleOfType(game, NPC_BATTLE);
    const int pumpkins = LyingOnMap(game, "Pumpkin");

    ASSERT_EQ(PickUp(game, "Pumpkin"), "");
    ASSERT_EQ(WalkIntoEnemy(game), "");
    game.PressKey(sf::Keyboard::W);  // the developer's win
    game.Step(FRAME_DT, 30);
    game.Press(ENTER);
    ASSERT_EQ(game.Top(), SCREEN_ROAMING);
    ASSERT_GT(game.Session().Gold(), 40);
    ASSERT_EQ(WalkIntoEnemy(game), "");
    BattleRules& rules = TheBattle(game).rules;
    rules.deadPartyCount = PartySize(rules);  // the party falls
    game.Step(FRAME_DT, 2);
    ASSERT_EQ(game.Top(), SCREEN_GAME_OVER);

    game.Press(sf::Keyboard::R, 10);
    ASSERT_EQ(game.Top(), SCREEN_ROAMING);
    const GameSession& again = game.Session();
    EXPECT_EQ(again.Gold(), 40);
    EXPECT_EQ(again.Pouch().slots[0].itemId, ITEM_HP_POTION);
    EXPECT_EQ(again.Pouch().slots[0].count, 1);
    EXPECT_EQ(again.Pouch().slots[1].itemId, ITEM_MANA_POTION);
    EXPECT_EQ(again.Pouch().slots[1].count, 1);
    EXPECT_EQ(PeopleOfType(game, NPC_BATTLE), enemies);
    EXPECT_FALSE(again.Holds("Pumpkin"));
    EXPECT_EQ(LyingOnMap(game, "Pumpkin"), pumpkins);
}

}  // namespace
