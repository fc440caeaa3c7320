// The puzzles where the playthrough would not notice them going wrong: the rope that pulls the wall down
// only once the hero is far enough, a fence that stands in his way until pulled down, the darkness lit
// where he walks, and a decoy that each game builds for itself.

#include <gtest/gtest.h>

#include <cmath>

#include "content/ContentScenes.h"
#include "content/MapScene.h"
#include "content/PopUps.h"
#include "content/Puzzles.h"
#include "core/Settings.h"
#include "support/Journey.h"
#include "support/Scenes.h"

namespace {

constexpr float DT = FRAME_DT;
using DefaultKeys::ENTER;

TEST(Puzzles, TheWallFallsOnlyOnceTheRopeIsPulledToItsLengthAndTheHeroWalksSlowlyTillThen) {
    GameHarness game{UNSEEN};
    EnterMap(game, "HOUSE_BURN_1", 2);
    game.Session().SetFlag(&StoryFlags::nightStarted);
    Carry(game, {"Bucket_Full", "Rope"});
    // At the top of the hook's zone, right under the hook.
    const sf::FloatRect zone = game.Scene().puzzles.hookZoneRect;
    PlaceFeet(game, {zone.left + 16, zone.top - 12});
    const float walking = game.Scene().hero.speed;
    game.HoldFor(ENTER, 1);
    ASSERT_EQ(game.Scene().puzzles.houseFlames, 0);
    ASSERT_EQ(game.Scene().rope.active, 1);
    EXPECT_LT(game.Scene().hero.speed, walking);
    game.HoldKey(gSettings.keys.down);
    for (int frame = 0; frame < 600 && game.Scene().rope.active == 1; ++frame) {
        const sf::Vector2f pull =
            game.Scene().hero.sprite.getPosition() - game.Scene().rope.rope.getPosition();
        ASSERT_LE(std::hypot(pull.x, pull.y), 66.0f);
        ASSERT_EQ(game.Scene().puzzles.wallBroken, 0);
        game.Step(DT);
    }
    game.HoldKey(gSettings.keys.down, false);
    EXPECT_EQ(game.Scene().puzzles.wallBroken, 1);
    EXPECT_EQ(game.Scene().hero.speed, walking);
}

TEST(Puzzles, AForestFenceStandsInTheWayUntilTheRopePullsItDown) {
    GameHarness game{UNSEEN};
    EnterMap(game, "ForestNight", 2);
    Carry(game, {"Rope"});
    // The first fence the hero can walk up to from the forest's entrance, from below or from above.
    size_t fence = 0;
    bool fromAbove = false;
    for (; fence < FOREST_FENCES; ++fence) {
        const sf::FloatRect zone = game.Scene().puzzles.fenceRects[fence];
        const float x = zone.left + zone.width / 2 - 16;
        if (WalkTo(game, {x, zone.top + zone.height + 2, 32, 16}, 4.0f)) break;
        fromAbove = WalkTo(game, {x, zone.top - 18, 32, 16}, 4.0f);
        if (fromAbove) break;
    }
    ASSERT_LT(fence, size_t{FOREST_FENCES});
    const int32_t towards = fromAbove ? gSettings.keys.down : gSettings.keys.up;
    game.HoldFor(towards, 30);
    EXPECT_FALSE(game.Scene().hero.footBox.intersects(game.Scene().puzzles.fenceRects[fence]));
    game.HoldFor(ENTER, 1);
    ASSERT_EQ(game.Scene().rope.active, 1);
    const int32_t away = fromAbove ? gSettings.keys.up : gSettings.keys.down;
    game.HoldKey(away);
    for (int frame = 0; frame < 60 * 20 && game.Scene().rope.active == 1; ++frame)
        game.Step(DT);
    game.HoldKey(away, false);
    EXPECT_EQ(game.Scene().rope.active, 0);
    EXPECT_TRUE(game.Session().FenceDown(static_cast<int>(fence)));
}

TEST(Puzzles, TheDarknessIsLitAroundTheHeroAndStaysLitWhereHeWalked) {
    sf::Image night;
    night.create(1000, 1000, sf::Color(20, 20, 40, 255));
    EXPECT_EQ(LightDarknessAround(night, 500, 500), sf::IntRect(275, 275, 450, 450));
    EXPECT_EQ(night.getPixel(500, 500).a, 0);
    EXPECT_EQ(night.getPixel(574, 500).a, 0);
    EXPECT_EQ(night.getPixel(650, 500).a, 127);                       // halfway from 75 to 225
    EXPECT_EQ(night.getPixel(280, 280).a, 255);                       // the square's corner: full night
    EXPECT_EQ(night.getPixel(200, 200), sf::Color(20, 20, 40, 255));  // outside the square: untouched
    LightDarknessAround(night, 900, 500);
    EXPECT_EQ(night.getPixel(500, 500).a, 0);  // where he was stays lit
    EXPECT_EQ(night.getPixel(650, 500), sf::Color(20, 20, 40, 127));
    EXPECT_EQ(LightDarknessAround(night, 990, 10), sf::IntRect(765, 0, 235, 235));  // cut at the edges
}

TEST(Puzzles, ASecondGameOfTheSameRunBuildsItsOwnDecoy) {
    GameHarness game{UNSEEN};
    EnterMap(game, "GoblinVillage", 2);
    Carry(game, {"Stick", "Pumpkin", "Paint", "Rope"});
    game.Step(DT, 2);
    EXPECT_TRUE(game.Session().Holds("Stick"));  // three parts are no decoy
    Carry(game, {"Straw"});
    game.Step(DT);
    EXPECT_EQ(game.Session().Inventory(), (std::vector<std::string>{"Rope", "Decoy"}));
    ExitToMenu(game);
    game.Press(ENTER);  // Play: the save-slot menu
    game.Press(DefaultKeys::DOWN);
    game.Press(ENTER);  // a new game in the next slot
    ASSERT_EQ(game.Mode(), MODE_GAME);
    game.PressEnterUntil([&] { return !PopUpShown(game); });
    const GameSession& second = game.Session();
    Carry(game, {"Stick", "Pumpkin", "Paint", "Straw"});
    game.Step(DT);
    EXPECT_EQ(second.Inventory(), std::vector<std::string>{"Decoy"});
}

}  // namespace
