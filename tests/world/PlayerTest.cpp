// The hero's feet on the map, windowless: the foot box under his frame, walls and doors pushing the feet
// back the way they came, eight-way walking at one speed, and the stance he is left in.

#include <gtest/gtest.h>

#include <cmath>

#include "core/Input.h"
#include "core/Settings.h"
#include "support/GameHarness.h"
#include "world/Player.h"

namespace {

using namespace DefaultKeys;

// A hero with a 64 x 64 frame centred on (x, y): his foot box is x-16..x+16, y+16..y+32.
class HeroTest : public testing::Test {
protected:
    void SetUp() override {
        hero.sprite.setTextureRect({0, 0, 64, 64});
        hero.sprite.setOrigin(32.0f, 32.0f);
        hero.speed = 250.0f;
        for (SpriteSheetAnimation& animation : hero.animations)
            animation.sprite = &hero.sprite;
        ScriptInput(true);
        saved = gSettings.keys;
        gSettings.keys = {UP, DOWN, RIGHT, LEFT, ENTER, ESCAPE, INVENTORY};
    }
    void TearDown() override {
        ScriptInput(false);
        gSettings.keys = saved;
    }
    void PlaceHero(float x, float y) {
        hero.sprite.setPosition(x, y);
        UpdateFootBox(hero);
    }
    PlayerCharacter hero;
    MapLook look;
    KeyBindings saved;
};

TEST_F(HeroTest, TheFootBoxIsTheLowestQuarterAndMiddleHalfOfTheFrame) {
    PlaceHero(100.0f, 200.0f);
    EXPECT_EQ(hero.footBox, sf::FloatRect(84.0f, 216.0f, 32.0f, 16.0f));
}

TEST_F(HeroTest, WallsPushTheFeetBackToTheEdgeTheyCameThrough) {
    const sf::FloatRect wall(200.0f, 200.0f, 100.0f, 100.0f);
    const struct {
        const char* side = nullptr;
        sf::Vector2f start;
        sf::Vector2f end;
    } cases[] = {
        {"from below", {250.0f, 280.0f}, {250.0f, 284.0f}},  // feet 296..312 overlap the bottom by 4
        {"from above", {250.0f, 172.0f}, {250.0f, 168.0f}},  // feet 188..204 overlap the top by 4
        {"from the right", {312.0f, 250.0f}, {316.0f, 250.0f}},
        {"from the left", {188.0f, 250.0f}, {184.0f, 250.0f}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.side);
        PlaceHero(c.start.x, c.start.y);
        PushOutOfRect(hero, wall);
        EXPECT_EQ(hero.sprite.getPosition(), c.end);
        sf::FloatRect overlap;
        EXPECT_FALSE(hero.footBox.intersects(wall, overlap) && overlap.width > 0 && overlap.height > 0);
    }
}

TEST_F(HeroTest, ASquareOverlapIsNotPushedAndATriggerSaysWhetherItPushed) {
    // Feet 184..216 x 216..232 against a corner at (208, 224): overlap 8 x 8.
    PlaceHero(200.0f, 200.0f);
    const MapTrigger corner{"Door", {208.0f, 224.0f, 50.0f, 50.0f}};
    EXPECT_EQ(PushOutOfTrigger(hero, corner), 0);
    EXPECT_EQ(hero.sprite.getPosition(), sf::Vector2f(200.0f, 200.0f));
    const MapTrigger below{"Door", {150.0f, 228.0f, 100.0f, 50.0f}};
    EXPECT_EQ(PushOutOfTrigger(hero, below), 1);
    const MapTrigger far{"Door", {900.0f, 900.0f, 10.0f, 10.0f}};
    EXPECT_EQ(PushOutOfTrigger(hero, far), 0);
}

TEST_F(HeroTest, EightWayWalkingAtOneSpeedWithTheRowOfTheLastKey) {
    const struct {
        std::vector<int32_t> keys;
        sf::Vector2f direction;
        int32_t row;
    } cases[] = {
        {{UP}, {0, -1}, ROW_WALK_UP},
        {{DOWN}, {0, 1}, ROW_WALK_DOWN},
        {{LEFT}, {-1, 0}, ROW_WALK_LEFT},
        {{RIGHT}, {1, 0}, ROW_WALK_RIGHT},
        {{UP, RIGHT}, {std::sqrt(0.5f), -std::sqrt(0.5f)}, ROW_WALK_RIGHT},
        {{DOWN, LEFT}, {-std::sqrt(0.5f), std::sqrt(0.5f)}, ROW_WALK_LEFT},
        {{UP, DOWN, LEFT, RIGHT}, {0, 0}, ROW_STAND_RIGHT},  // all four cancel out
        {{UP, DOWN}, {0, 0}, ROW_STAND_DOWN},
        {{}, {0, 0}, ROW_STAND_DOWN},
    };
    for (const auto& c : cases) {
        PlaceHero(500.0f, 500.0f);
        hero.row = ROW_STAND_DOWN;
        for (int32_t key : c.keys)
            HoldKey(key, true);
        MovePlayer(hero, look, 0.1f);
        for (int32_t key : c.keys)
            HoldKey(key, false);
        const sf::Vector2f moved = hero.sprite.getPosition() - sf::Vector2f(500.0f, 500.0f);
        EXPECT_NEAR(moved.x, c.direction.x * 25.0f, 1e-3f);
        EXPECT_NEAR(moved.y, c.direction.y * 25.0f, 1e-3f);
        EXPECT_EQ(hero.row, c.row);
        EXPECT_EQ(hero.currentAnimation, &hero.animations[static_cast<size_t>(c.row)]);
    }
}

TEST_F(HeroTest, LettingGoOfAKeyTurnsTheWalkIntoTheMatchingStance) {
    const std::pair<int32_t, int32_t> turns[] = {{ROW_WALK_UP, ROW_STAND_UP},
                                                 {ROW_WALK_DOWN, ROW_STAND_DOWN},
                                                 {ROW_WALK_LEFT, ROW_STAND_LEFT},
                                                 {ROW_WALK_RIGHT, ROW_STAND_RIGHT},
                                                 {9, 9}};
    for (const auto& [walking, standing] : turns) {
        hero.row = walking;
        MovePlayer(hero, look, 0.1f);
        EXPECT_EQ(hero.row, standing);
    }
}

}  // namespace
