// A long frame (a map load, a stall) is played as a short one: nothing the hero or a camera does
// depends on how long the machine was away.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "app/FrameLoop.h"
#include "core/GameStates.h"
#include "core/Screen.h"
#include "frontend/WorldMap.h"
#include "support/Scenes.h"
#include "world/GameSession.h"
#include "world/Player.h"
#include "world/WorldFixture.h"

namespace {

constexpr float WALL_TOP = 190.0f;

// Hall's door leads down into Yard, where the hero arrives just above a wall as thin as the thinnest
// of the real maps (12 pixels).
std::vector<std::pair<std::string, TestMap>> DoorAboveAThinWall() {
    TestMap hall;
    hall.layers = {FilledLayer("Ground", 8, 6, 2), ObjectLayer("Collision", {}),
                   ObjectLayer("Trigger", {Rect("Yard", 128, 300, 128, 32)}),
                   ObjectLayer("Point", {Point("Hall", 192, 100)})};
    TestMap yard;
    yard.layers = {FilledLayer("Ground", 8, 6, 2),
                   ObjectLayer("Collision", {Rect("", 64, WALL_TOP, 256, 12)}),
                   ObjectLayer("Trigger", {Rect("Hall", 128, 10, 128, 32)}),
                   ObjectLayer("Point", {Point("Hall", 192, 150)})};
    return {{"Hall", hall}, {"Yard", yard}};
}

float Feet() {
    return gPlayer.footBox.top + gPlayer.footBox.height;
}

TEST(LongFrames, ASecondLongFrameAfterADoorDoesNotCarryTheHeroThroughAWall) {
    RoamingGame game(DoorAboveAThinWall(), "Hall");
    game.HoldKey(sf::Keyboard::S);
    for (int i = 0; i < 200 && std::strcmp(gSession.currentMapName, "Hall") == 0; ++i)
        game.Step(0.02f);
    ASSERT_STREQ(gSession.currentMapName, "Yard");
    ASSERT_LE(Feet(), WALL_TOP);
    game.Step(1.0f);  // the frame that paid for loading the map, key still held
    EXPECT_LE(Feet(), WALL_TOP);
    game.Step(1.0f, 5);
    EXPECT_LE(Feet(), WALL_TOP);
    EXPECT_GT(Feet(), WALL_TOP - 2.0f);  // pressed against the wall, not bounced away
}

TEST(LongFrames, AStallMovesTheHeroNoFurtherThanTheLongestPlayedFrame) {
    RoamingGame game(DoorAboveAThinWall(), "Hall");
    const float before = gPlayer.sprite.getPosition().y;
    game.HoldKey(sf::Keyboard::S);
    game.Step(3.0f);
    EXPECT_NEAR(gPlayer.sprite.getPosition().y - before, gPlayer.speed * MAX_FRAME_TIME, 0.01f);
}

sf::Vector2f SelectedMarker() {
    const sf::FloatRect b =
        gWorldMap.locations[static_cast<size_t>(gWorldMap.cursor)].sprite.getGlobalBounds();
    return {b.left + b.width * 0.5f, b.top + b.height * 0.5f};
}

TEST(LongFrames, TheWorldMapCameraSettlesOnTheMarkerAfterLongFrames) {
    GameHarness game;
    OpenWorldMapFrom(game, "GoblinVillage", 0);
    game.PressKey(sf::Keyboard::D);  // the camera has far to go now
    float distance = 1e9f;
    for (int frame = 0; frame < 16; ++frame) {
        game.Step(0.2f);
        const sf::Vector2f off = gMainView.getCenter() - SelectedMarker();
        const float now = std::hypot(off.x, off.y);
        EXPECT_LE(now, distance + 0.001f) << "frame " << frame;  // never swings further away
        distance = now;
    }
    EXPECT_LT(distance, 0.5f);
}

}  // namespace
