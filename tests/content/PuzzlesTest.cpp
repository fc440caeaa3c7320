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
    game.PressEnterUntil([] { return InventoryHolds("Bucket_Full"); }, 10);
    EXPECT_TRUE(InventoryHolds("Bucket_Full"));
    EXPECT_FALSE(InventoryHolds("Bucket_Empty"));
    EXPECT_EQ(gStates.roamingOverlay, OVERLAY_NONE);
    EXPECT_EQ(EffectsPlaying("Assets/Sounds/Puzzle/WaterFill.wav"), fills + 1);
}

TEST_F(BurningHouse, BucketThenRopeInOneFramePutsTheFireOutAndTiesTheRope) {
    Carry({"Bucket_Full", "Rope"});
    StandAtTheHook();
    game.HoldKey(sf::Keyboard::Return);
    game.Step(DT);
    game.HoldKey(sf::Keyboard::Return, false);
    EXPECT_EQ(gPuzzles.houseFlames, 0);
    EXPECT_EQ(gRopePull.active, 1);
    EXPECT_TRUE(InventoryHolds("Bucket_Full"));  // the bucket is not used up
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

namespace {

class NightForest : public ::testing::Test {
protected:
    NightForest() { EnterMap(game, "ForestNight"); }
    // Just below a zone picture's rectangle, inside its reach.
    void StandBelow(const sf::FloatRect& zone) {
        ASSERT_TRUE(
            WalkTo(game, {zone.left + zone.width / 2 - 16, zone.top + zone.height + 2, 32, 16}, 4.0f));
    }
    void HoldEnterFor(int frames) {
        game.HoldKey(sf::Keyboard::Return);
        game.Step(DT, frames);
        game.HoldKey(sf::Keyboard::Return, false);
    }
    GameHarness game;
};

TEST_F(NightForest, AFireTurnsTheFullBucketBackIntoAnEmptyOne) {
    ASSERT_TRUE(gPuzzles.forestBuilt);
    EXPECT_EQ(gPuzzles.forestFireOut1, 0);
    Carry({"Bucket_Full"});
    gSession.fenceDone = {1, 1, 1, 1, 1};  // the way to the fires is open
    StandBelow(gPuzzles.fireZoneRects[0]);
    HoldEnterFor(2);
    EXPECT_EQ(gPuzzles.forestFireOut1, 1);
    EXPECT_EQ(gPuzzles.forestFireOut2, 0);
    EXPECT_TRUE(InventoryHolds("Bucket_Empty"));
    EXPECT_FALSE(InventoryHolds("Bucket_Full"));
}

TEST_F(NightForest, AFenceStandsInTheWayUntilTheRopePullsItDown) {
    Carry({"Rope"});
    // The first fence the hero can walk up to from the forest's entrance, from below or above.
    size_t pulled = 0;
    bool fromAbove = false;
    for (; pulled < 5; ++pulled) {
        const sf::FloatRect zone = gPuzzles.fenceRects[pulled];
        const float x = zone.left + zone.width / 2 - 16;
        if (WalkTo(game, {x, zone.top + zone.height + 2, 32, 16}, 4.0f)) break;
        fromAbove = WalkTo(game, {x, zone.top - 18, 32, 16}, 4.0f);
        if (fromAbove) break;
    }
    ASSERT_LT(pulled, 5u);
    const sf::FloatRect fence = gPuzzles.fenceRects[pulled];
    // Walking into the fence stops at its solid half.
    const sf::Keyboard::Key towards = fromAbove ? sf::Keyboard::S : sf::Keyboard::Z;
    game.HoldKey(towards);
    game.Step(DT, 30);
    game.HoldKey(towards, false);
    EXPECT_FALSE(gPlayer.footBox.intersects(fence));
    HoldEnterFor(1);
    ASSERT_EQ(gRopePull.active, 1);
    const sf::Keyboard::Key away = fromAbove ? sf::Keyboard::Z : sf::Keyboard::S;
    game.HoldKey(away);
    for (int frame = 0; frame < 60 * 20 && gRopePull.active == 1; ++frame)
        game.Step(DT);
    game.HoldKey(away, false);
    EXPECT_EQ(gSession.fenceDone[pulled], 1);
}

TEST_F(NightForest, TheDarknessIsLitAroundTheHeroAndStaysLitWhereHeWalked) {
    sf::Image image;
    image.create(1000, 1000, sf::Color(20, 20, 40, 255));
    const sf::IntRect square = LightDarknessAround(image, 500, 500);
    EXPECT_EQ(square, sf::IntRect(275, 275, 450, 450));
    EXPECT_EQ(image.getPixel(500, 500).a, 0);
    EXPECT_EQ(image.getPixel(574, 500).a, 0);
    EXPECT_EQ(image.getPixel(650, 500).a, 127);                       // halfway between 75 and 225
    EXPECT_EQ(image.getPixel(280, 280).a, 255);                       // 311 away, in the square's corner
    EXPECT_EQ(image.getPixel(200, 200), sf::Color(20, 20, 40, 255));  // outside the square: untouched
    LightDarknessAround(image, 900, 500);
    EXPECT_EQ(image.getPixel(500, 500).a, 0);                                       // where he was stays lit
    EXPECT_EQ(LightDarknessAround(image, 990, 10), sf::IntRect(765, 0, 235, 235));  // cut at the edges
    EXPECT_TRUE(gPuzzles.darknessBuilt);
}

TEST(Decoy, ItsFourPartsLeaveTogetherForTheDecoyWhenTheFourthIsFound) {
    GameHarness game;
    EnterMap(game, "GoblinVillage");
    Carry({"Stick", "Pumpkin", "Paint", "Rope"});
    game.Step(DT, 2);
    EXPECT_TRUE(InventoryHolds("Stick"));
    Carry({"Straw"});
    game.Step(DT);
    for (const char* part : {"Stick", "Pumpkin", "Paint", "Straw"})
        EXPECT_FALSE(InventoryHolds(part)) << part;
    EXPECT_TRUE(InventoryHolds("Decoy"));
    EXPECT_TRUE(InventoryHolds("Rope"));
    EXPECT_EQ(gPuzzles.decoyBuilt, 1);
}

}  // namespace
