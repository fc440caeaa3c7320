// The burning house as a player solves it: the bathtub fills the bucket, the full bucket puts the flames
// out at the hook, the rope pulls the wall down once the hero has walked far enough, and the exit opens.

#include <gtest/gtest.h>

#include <cmath>

#include "content/Items.h"
#include "content/MapContent.h"
#include "content/PopUps.h"
#include "content/Puzzles.h"
#include "content/Reach.h"
#include "core/GameStates.h"
#include "support/Journey.h"
#include "support/PlayedSounds.h"
#include "support/Scenes.h"
#include "world/GameSession.h"
#include "world/Player.h"

namespace {

constexpr float DT = 1.0f / 60.0f;

void Carry(std::initializer_list<const char*> names) {
    MapItemList found;
    for (const char* name : names)
        AddMapItem(found, name, {0, 0});
    while (!found.items.empty())
        PickUpItem(found, 0);
}

bool Holds(const char* name) {
    for (const MapItem& item : gSession.inventory)
        if (item.name == name) return true;
    return false;
}

class BurningHouse : public ::testing::Test {
protected:
    BurningHouse() {
        EnterMap(game, "HOUSE_BURN_1");
        gSession.story.nightStarted = 1;
    }
    // At the top of the hook's zone, right under the hook: the rope is tied within reach.
    void StandAtTheHook() {
        ASSERT_TRUE(WalkTo(game, {656, 340, 32, 16}, 4.0f));
        game.HoldKey(sf::Keyboard::Z);
        while (gPlayer.footBox.top > 308.0f)
            game.Step(DT);
        game.HoldKey(sf::Keyboard::Z, false);
        ASSERT_TRUE(gPlayer.footBox.intersects({640, 320, 128, 128}));
    }
    GameHarness game;
};

TEST_F(BurningHouse, TheHouseStartsBurningWithItsWallStanding) {
    EXPECT_EQ(gPuzzles.houseArmed, 1);
    EXPECT_EQ(gPuzzles.houseFlames, 1);
    EXPECT_EQ(gPuzzles.wallBroken, 0);
    EXPECT_EQ(gPuzzles.flames.getPosition(), sf::Vector2f(640, 256));
    const sf::IntRect first = gPuzzles.flames.getTextureRect();
    game.Step(DT, 20);
    EXPECT_NE(gPuzzles.flames.getTextureRect(), first);  // the fire flickers
}

TEST_F(BurningHouse, TheBathtubFillsTheBucketWhenItsWordsAreDone) {
    Carry({"Bucket_Empty"});
    const Npc& bathtub = *gPuzzles.bathtub;
    ASSERT_TRUE(WalkTo(game, {bathtub.box.left, bathtub.box.top + bathtub.box.height + 2, 32, 16}, 2.0f));
    ASSERT_EQ(InNpcReach(bathtub), 1);
    const size_t fills = EffectsPlaying("Assets/Sounds/Puzzle/WaterFill.wav");
    PressEnterUntil(
        game, [] { return Holds("Bucket_Full"); }, 10);
    EXPECT_TRUE(Holds("Bucket_Full"));
    EXPECT_FALSE(Holds("Bucket_Empty"));
    EXPECT_EQ(gStates.roamingOverlay, OVERLAY_NONE);
    EXPECT_GE(EffectsPlaying("Assets/Sounds/Puzzle/WaterFill.wav"), fills);
}

TEST_F(BurningHouse, BucketThenRopeInOneFramePutsTheFireOutAndTiesTheRope) {
    Carry({"Bucket_Full", "Rope"});
    StandAtTheHook();
    game.HoldKey(sf::Keyboard::Return);
    game.Step(DT);
    game.HoldKey(sf::Keyboard::Return, false);
    EXPECT_EQ(gPuzzles.houseFlames, 0);
    EXPECT_EQ(gRopePull.active, 1);
    EXPECT_TRUE(Holds("Bucket_Full"));  // the bucket is not used up
}

TEST_F(BurningHouse, RopeBeforeBucketTakesAFrameMore) {
    Carry({"Rope", "Bucket_Full"});
    StandAtTheHook();
    game.HoldKey(sf::Keyboard::Return);
    game.Step(DT);
    EXPECT_EQ(gPuzzles.houseFlames, 0);
    EXPECT_EQ(gRopePull.active, 0);
    game.Step(DT);
    game.HoldKey(sf::Keyboard::Return, false);
    EXPECT_EQ(gRopePull.active, 1);
}

TEST_F(BurningHouse, TheWallFallsOnlyBeyondTheRopesLengthAndTheExitThenLeadsOut) {
    Carry({"Bucket_Full", "Rope"});
    StandAtTheHook();
    game.HoldKey(sf::Keyboard::Return);
    game.Step(DT);
    game.HoldKey(sf::Keyboard::Return, false);
    ASSERT_EQ(gRopePull.active, 1);
    EXPECT_EQ(gPlayer.speed, 15.0f);
    game.HoldKey(sf::Keyboard::S);
    while (gRopePull.active == 1) {
        const sf::Vector2f v = gPlayer.sprite.getPosition() - gRopePull.rope.getPosition();
        ASSERT_LE(std::hypot(v.x, v.y), 65.0f + 1.0f);
        EXPECT_EQ(gPuzzles.wallBroken, 0);
        game.Step(DT);
    }
    game.HoldKey(sf::Keyboard::S, false);
    EXPECT_EQ(gPuzzles.wallBroken, 1);
    EXPECT_EQ(gPlayer.speed, 250.0f);

    ASSERT_TRUE(WalkTo(game, {656, 228, 32, 16}, 4.0f));
    game.PressKey(sf::Keyboard::Return);
    game.Step(DT, 2);
    EXPECT_EQ(std::string(gSession.currentMapName), "GoblinVillageBurn");
    EXPECT_EQ(gPopUps.table[POPUP_SAVE_GROTO].active, 1);
}

}  // namespace
