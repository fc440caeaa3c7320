// Fishing as a player plays it at the village pond: the post that casts the line, the fish reeled in
// against the line, pulled against or let go, the catch and what it is worth, the way out, and the
// collection of the fish caught.

#include <gtest/gtest.h>

#include "content/ContentScenes.h"
#include "content/Fishing.h"
#include "content/MapScene.h"
#include "core/Random.h"
#include "core/Settings.h"
#include "support/Journey.h"
#include "support/Scenes.h"

namespace {

constexpr float DT = 0.05f;
using DefaultKeys::ENTER;

class Fishing : public testing::Test {
protected:
    Fishing() {
        EnterMap(game, "GoblinVillage", 2);
        game.Session().SetFlag(&StoryFlags::fishingUnlocked);
    }
    // A calm fish of this size bites at the post, on a fresh line: the seed is tried until it draws it.
    void Hook(int32_t post, int32_t size) {
        if (game.Find<FishingScreen>() == nullptr) {
            game.Requests().Push(
                std::make_unique<FishingScreen>(game.Context(), game.Session(), game.Scene().hero, post));
            game.Apply();
        }
        for (unsigned seed = 0; seed < 100 && (seed == 0 || State().size != size); ++seed) {
            SeedRandom(seed);
            LoadFishing(State(), game.Scene().hero, post);
        }
        ASSERT_EQ(State().size, size);
    }
    FishingState& State() { return game.Find<FishingScreen>()->fishing; }
    // Frames with the fish held on one side (it would choose another every two seconds).
    void Hold(int32_t side, int frames) {
        for (int frame = 0; frame < frames && State().resultShown == 0; ++frame) {
            State().fishSide = side;
            State().sideTimer = 0.0f;
            game.Step(DT);
        }
    }
    // The fish one reel from the rod, ENTER held for the frame that lands it.
    void Land() {
        State().fishDistance = 0.2f;
        game.HoldKey(ENTER);
        Hold(FISH_SIDE_CALM, 1);
        game.HoldKey(ENTER, false);
    }
    std::string Message() { return State().message.getString().toAnsiString(); }

    GameHarness game{UNSEEN};
};

TEST_F(Fishing, TheLineTiresWhileReelingTwiceAsFastAgainstTheFishAndRestsWhenLetGo) {
    Hook(0, 0);
    EXPECT_EQ(State().fishDistance, 50.0f);
    game.HoldKey(ENTER);
    Hold(FISH_SIDE_CALM, 99);  // 4.95 s at ten a second
    EXPECT_EQ(State().resultShown, 0);
    EXPECT_NEAR(State().fishDistance, 0.5f, 0.01f);
    Hold(FISH_SIDE_CALM, 2);
    game.HoldKey(ENTER, false);
    ASSERT_EQ(State().resultShown, 1);
    EXPECT_NEAR(State().lineStrength, 50.0f, 0.6f);
    EXPECT_EQ(Message(), "Yay ! You got a new fish !\nIt is a crucian carp.");
    EXPECT_TRUE(game.Session().FishCaught(0));

    Hook(1, 2);
    game.HoldKey(ENTER);
    game.HoldKey(gSettings.keys.left);  // the rod to the left, the fish to the right
    Hold(FISH_SIDE_RIGHT, 20);
    EXPECT_NEAR(State().lineStrength, 80.0f, 0.05f);
    game.HoldKey(gSettings.keys.left, false);
    game.HoldKey(gSettings.keys.right);  // with the fish: the reeling alone
    Hold(FISH_SIDE_RIGHT, 20);
    EXPECT_NEAR(State().lineStrength, 70.0f, 0.05f);
    game.HoldKey(gSettings.keys.right, false);
    game.HoldKey(ENTER, false);
    const float distance = State().fishDistance;
    Hold(FISH_SIDE_CALM, 20);  // let go: the fish swims off at five a second, the line rests at ten
    EXPECT_NEAR(State().fishDistance, distance + 5.0f, 0.05f);
    EXPECT_NEAR(State().lineStrength, 80.0f, 0.05f);
}

TEST_F(Fishing, AFishLandedInTheFrameTheLineGivesOutIsCaughtAndSaidToBe) {
    Hook(2, 1);
    State().lineStrength = 0.2f;
    Land();
    EXPECT_TRUE(game.Session().FishCaught(7));
    EXPECT_EQ(Message(), "Yay ! You got a new fish !\nIt is a catfish.");
}

TEST_F(Fishing, ARepeatFishIsPaidInGoldAndAtTheMostGoldTheGoldStaysThere) {
    game.Session().CatchFish(5, 0);  // a golden carp caught before
    const int32_t gold = game.Session().Gold();
    Hook(1, 2);
    Land();
    EXPECT_EQ(game.Session().Gold(), gold + 50);
    EXPECT_EQ(Message(),
              "Yay ! You got a fish !\nBut you already got this one.\nIt is converted into money.\n");

    game.Session().EarnGold(MOST_GOLD);
    Hook(1, 2);
    Land();
    EXPECT_EQ(State().resultShown, 1);
    EXPECT_EQ(game.Session().Gold(), MOST_GOLD);
}

TEST_F(Fishing, OnlyTheRodAndEnterHeldAtAPostCastTheLineAndEscapeLeavesItWithNothingCaught) {
    const MapTrigger* post = nullptr;
    for (const MapTrigger& trigger : game.Scene().map.triggers)
        if (std::string(trigger.name) == "PECHE_POST_1") post = &trigger;
    ASSERT_NE(post, nullptr);
    ASSERT_TRUE(WalkTo(game, {post->rect.left + 8, post->rect.top + 8, 32, 16}, 4.0f));
    game.Step(DT, 3);
    EXPECT_EQ(game.Top(), SCREEN_ROAMING);  // standing there casts nothing
    game.Session().SetFlag(&StoryFlags::fishingUnlocked, 0);
    game.HoldFor(ENTER, 3);
    EXPECT_EQ(game.Top(), SCREEN_ROAMING);  // no rod yet
    game.Session().SetFlag(&StoryFlags::fishingUnlocked);
    game.HoldKey(ENTER);
    game.Step(DT);
    ASSERT_EQ(game.Top(), SCREEN_FISHING);
    EXPECT_EQ(State().post, 0);
    Hold(FISH_SIDE_CALM, 10);
    game.HoldKey(ENTER, false);
    EXPECT_EQ(game.Scene().hero.row, 11);  // reeling in
    game.PressKey(gSettings.keys.escape);
    EXPECT_EQ(game.Top(), SCREEN_ROAMING);
    EXPECT_EQ(game.Scene().hero.row, ROW_STAND_DOWN);
    for (int kind = 0; kind < FISH_KINDS; ++kind)
        EXPECT_FALSE(game.Session().FishCaught(kind)) << kind;
}

TEST_F(Fishing, TheCollectionShowsFishNotYetCaughtBlackAndItsCursorWrapsAround) {
    game.Session().CatchFish(4, 0);
    game.PressKey(sf::Keyboard::F);
    ASSERT_EQ(game.Top(), SCREEN_FISH_COLLECTION);
    const FishCollection& shown = game.Find<FishCollectionScreen>()->collection;
    EXPECT_EQ(shown.fish[4].getColor(), sf::Color::White);
    EXPECT_EQ(shown.fish[0].getColor(), sf::Color::Black);
    game.PressKey(gSettings.keys.up);    // up from the first row: the last
    game.PressKey(gSettings.keys.left);  // left from the first column: the last
    game.Step(DT);
    EXPECT_EQ(shown.cursor.getPosition(), shown.fish[8].getPosition());
    game.PressKey(gSettings.keys.down);
    game.PressKey(gSettings.keys.right);
    game.Step(DT);
    EXPECT_EQ(shown.cursor.getPosition(), shown.fish[0].getPosition());
    game.PressKey(gSettings.keys.escape);
    EXPECT_EQ(game.Top(), SCREEN_ROAMING);
}

}  // namespace
