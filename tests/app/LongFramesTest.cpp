// A long frame (a map load, a stall) is played as a short one: nothing the hero or a camera does
// depends on how long the machine was away.

#include <gtest/gtest.h>

#include <cmath>

#include "app/FrameLoop.h"
#include "content/MapScene.h"
#include "core/Screen.h"
#include "frontend/WorldMap.h"
#include "support/Scenes.h"

namespace {

TEST(LongFrames, AStallMovesTheHeroNoFurtherThanTheLongestPlayedFrame) {
    GameHarness game;
    EnterMap(game, "GoblinVillage", 2);
    const PlayerCharacter& hero = game.Scene().hero;
    const sf::Vector2f before = hero.sprite.getPosition();
    game.HoldKey(sf::Keyboard::D);
    game.Step(3.0f);
    EXPECT_NEAR(hero.sprite.getPosition().x - before.x, hero.speed * MAX_FRAME_TIME, 0.01f);
    EXPECT_EQ(hero.sprite.getPosition().y, before.y);
}

TEST(LongFrames, TheWorldMapCameraSettlesOnTheMarkerAfterLongFrames) {
    GameHarness game;
    OpenWorldMapFrom(game, "GoblinVillage", 0);
    game.PressKey(sf::Keyboard::D);  // the camera has far to go now
    const WorldMap& map = game.Find<WorldMapScreen>()->map;
    const sf::FloatRect marker = map.locations[static_cast<size_t>(map.cursor)].sprite.getGlobalBounds();
    const sf::Vector2f target(marker.left + marker.width * 0.5f, marker.top + marker.height * 0.5f);
    float distance = 1e9f;
    for (int frame = 0; frame < 16; ++frame) {
        game.Step(0.2f);
        const sf::Vector2f off = gMainView.getCenter() - target;
        const float now = std::hypot(off.x, off.y);
        EXPECT_LE(now, distance + 0.001f) << "frame " << frame;  // never swings further away
        distance = now;
    }
    EXPECT_LT(distance, 0.5f);
}

}  // namespace
