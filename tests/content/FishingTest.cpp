// Fishing as the numbers say: reeling a calm fish, pulling against a struggling one, letting it swim
// off, the catch before the loss, a repeat golden carp turned into gold, the collection's silhouettes
// and its wrapping cursor, and the way out with ESCAPE.

#include <gtest/gtest.h>

#include "content/Fishing.h"
#include "core/GameStates.h"
#include "core/Random.h"
#include "support/Journey.h"
#include "support/Scenes.h"
#include "world/GameSession.h"
#include "world/MapLoading.h"
#include "world/Player.h"

namespace {

constexpr float DT = 0.05f;

class FishingGame : public ::testing::Test {
protected:
    FishingGame() {
        EnterMap(game, "GoblinVillage", 2);
        gSession.story.fishingUnlocked = 1;
    }
    // A fish of this size at this post, calm, on a fresh line.
    // The game draws the fish; the seed is tried until it draws the one wanted.
    void Hook(int32_t post, int32_t size) {
        gStates.roamingOverlay = OVERLAY_FISHING;
        for (unsigned seed = 0; seed < 100; ++seed) {
            SeedRandom(seed);
            LoadFishing(post);
            if (gFishing.size == size) break;
        }
        ASSERT_EQ(gFishing.size, size);
        ASSERT_EQ(gFishing.fishIndex, size + 3 * post);
        ASSERT_EQ(gFishing.fishDistanceMax, 50.0f + 25.0f * static_cast<float>(size));
    }
    // Frames that keep the fish on one side (the side is drawn again every two seconds).
    void Hold(int32_t side, int frames) {
        for (int frame = 0; frame < frames && gFishing.resultShown == 0; ++frame) {
            gFishing.fishSide = side;
            gFishing.sideTimer = 0.0f;
            game.Step(DT);
        }
    }
    std::string Message() { return gFishing.message.getString().toAnsiString(); }
    GameHarness game;
};

TEST_F(FishingGame, ASmallCalmFishIsLandedAfterFiveSecondsWithTheLineAtFifty) {
    Hook(0, 0);
    game.HoldKey(sf::Keyboard::Return);
    Hold(FISH_SIDE_CALM, 99);  // 4.95 s
    EXPECT_EQ(gFishing.resultShown, 0);
    EXPECT_NEAR(gFishing.fishDistance, 0.5f, 0.01f);
    Hold(FISH_SIDE_CALM, 2);
    game.HoldKey(sf::Keyboard::Return, false);
    EXPECT_EQ(gFishing.resultShown, 1);
    EXPECT_NEAR(gFishing.lineStrength, 50.0f, 0.6f);
    EXPECT_EQ(Message(), "Yay ! You got a new fish !\nIt is a crucian carp.");
    EXPECT_EQ(gSession.fishCaught[0], 1);
}

TEST_F(FishingGame, PullingAgainstTheFishCostsTheLineTwentyASecond) {
    Hook(1, 2);
    game.HoldKey(sf::Keyboard::Return);
    game.HoldKey(sf::Keyboard::Q);  // the rod to the left, the fish to the right
    Hold(FISH_SIDE_RIGHT, 20);
    EXPECT_NEAR(gFishing.lineStrength, 80.0f, 0.05f);
    game.HoldKey(sf::Keyboard::Q, false);
    game.HoldKey(sf::Keyboard::D);  // with the fish: only the reeling's ten
    Hold(FISH_SIDE_RIGHT, 20);
    EXPECT_NEAR(gFishing.lineStrength, 70.0f, 0.05f);
    game.HoldKey(sf::Keyboard::D, false);
    game.HoldKey(sf::Keyboard::Return, false);
    // Let go: the fish swims off at five a second, the line rests at ten.
    const float distance = gFishing.fishDistance;
    Hold(FISH_SIDE_CALM, 20);
    EXPECT_NEAR(gFishing.fishDistance, distance + 5.0f, 0.05f);
    EXPECT_NEAR(gFishing.lineStrength, 80.0f, 0.05f);
}

TEST_F(FishingGame, ARepeatGoldenCarpIsWorthFiftyGold) {
    gSession.fishCaught[5] = 1;
    const int32_t gold = gSession.gold;
    Hook(1, 2);
    gFishing.fishDistance = 0.2f;
    game.HoldKey(sf::Keyboard::Return);
    Hold(FISH_SIDE_CALM, 1);
    game.HoldKey(sf::Keyboard::Return, false);
    EXPECT_EQ(gSession.gold, gold + 50);
    EXPECT_EQ(Message(),
              "Yay ! You got a fish !\nBut you already got this one.\nIt is converted into money.\n");
}

TEST_F(FishingGame, AFishAndALineRunningOutTogetherRecordTheCatchAndSayTheFishIsGone) {
    Hook(2, 1);
    gFishing.fishDistance = 0.2f;
    gFishing.lineStrength = 0.2f;
    game.HoldKey(sf::Keyboard::Return);
    Hold(FISH_SIDE_CALM, 1);
    game.HoldKey(sf::Keyboard::Return, false);
    EXPECT_EQ(gSession.fishCaught[7], 1);
    EXPECT_EQ(Message(), "Oh no... The fish is gone.");
}

TEST_F(FishingGame, EscapeLeavesAtAnyMomentAndTheHeroStandsAgain) {
    Hook(0, 0);
    game.HoldKey(sf::Keyboard::Return);
    Hold(FISH_SIDE_CALM, 10);
    game.HoldKey(sf::Keyboard::Return, false);
    EXPECT_EQ(gPlayer.row, 11);  // reeling
    game.PressKey(sf::Keyboard::Escape);
    EXPECT_EQ(gStates.roamingOverlay, OVERLAY_NONE);
    EXPECT_EQ(gPlayer.row, 0);
    EXPECT_FALSE(gFishing.loaded);
    EXPECT_EQ(gSession.fishCaught[0], 0);
}

TEST_F(FishingGame, APostCastsTheLineOnlyWithTheRodAndEnterHeld) {
    sf::FloatRect post;
    for (int i = 0; i < static_cast<int>(gMap.triggers.size()); ++i)
        if (std::string(GetTrigger(i).name) == "PECHE_POST_1") post = GetTrigger(i).rect;
    ASSERT_GT(post.width, 0.0f);
    ASSERT_TRUE(WalkTo(game, {post.left + 8, post.top + 8, 32, 16}, 4.0f));
    game.Step(DT, 3);
    EXPECT_EQ(gStates.roamingOverlay, OVERLAY_NONE);  // standing there casts nothing
    gSession.story.fishingUnlocked = 0;
    game.HoldKey(sf::Keyboard::Return);
    game.Step(DT);
    EXPECT_EQ(gStates.roamingOverlay, OVERLAY_NONE);  // no rod yet
    gSession.story.fishingUnlocked = 1;
    game.Step(DT);
    game.HoldKey(sf::Keyboard::Return, false);
    EXPECT_EQ(gStates.roamingOverlay, OVERLAY_FISHING);
    EXPECT_EQ(gFishing.post, 0);
    EXPECT_LE(gFishing.fishIndex, 2);
}

TEST_F(FishingGame, TheCollectionShowsUncaughtFishBlackAndItsCursorWraps) {
    gSession.fishCaught[4] = 1;
    game.PressKey(sf::Keyboard::F);
    ASSERT_EQ(gStates.roamingOverlay, OVERLAY_FISH_COLLECTION);
    EXPECT_EQ(gFishCollection.fish[4].getColor(), sf::Color::White);
    EXPECT_EQ(gFishCollection.fish[0].getColor(), sf::Color::Black);
    game.PressKey(sf::Keyboard::Z);  // up from the first row: the last
    game.PressKey(sf::Keyboard::Q);  // left from the first column: the last
    game.Step(DT);
    EXPECT_EQ(gFishCollection.row, 2);
    EXPECT_EQ(gFishCollection.column, 2);
    EXPECT_EQ(gFishCollection.cursor.getPosition(), gFishCollection.fish[8].getPosition());
    game.PressKey(sf::Keyboard::S);
    game.PressKey(sf::Keyboard::D);
    EXPECT_EQ(gFishCollection.row, 0);
    EXPECT_EQ(gFishCollection.column, 0);
    game.PressKey(sf::Keyboard::Escape);
    EXPECT_EQ(gStates.roamingOverlay, OVERLAY_NONE);
}

}  // namespace
