#include <gtest/gtest.h>

#include "app/FrameLoop.h"
#include "content/MapScene.h"
#include "core/Settings.h"
#include "support/Battles.h"
#include "support/Saves.h"
#include "support/Scenes.h"
#include "world/GameSession.h"

namespace {

int CountOf(const std::string& text, const std::string& piece) {
    int count = 0;
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1))
        ++count;
    return count;
}

TEST(FrameLoop, StartupTraceNamesTheDesktopAndItsAspect) {
    const struct {
        unsigned width, height;
        const char* trace;
    } cases[] = {
        {1920, 1080, "height : 1080\nwidth : 1920\nratio : 1.777778\n16/9\nscale: 1.000000\n"},
        {1920, 1200, "height : 1200\nwidth : 1920\nratio : 1.600000\n<16/9\nscale: 1.000000\n"},
        {2560, 1080, "height : 1080\nwidth : 2560\nratio : 2.370370\n>16/9\nscale: 1.000000\n"},
    };
    for (const auto& c : cases) {
        GameHarness game({c.width, c.height});
        EXPECT_EQ(game.Log().rfind(std::string(c.trace) + "Fail to open file\ncreat\n", 0), 0u) << game.Log();
        EXPECT_EQ(game.Mode(), MODE_SPLASH);
    }
}

TEST(FrameLoop, AKeyLetGoIsNotAPress) {
    GameHarness game;
    game.ReleaseKey(sf::Keyboard::Return);
    game.Step(FRAME_DT);
    EXPECT_EQ(game.Top(), SCREEN_SPLASH);
    game.PressKey(sf::Keyboard::Return);
    EXPECT_EQ(game.Top(), SCREEN_TITLE);
}

TEST(FrameLoop, ClosingTheWindowInTheGameWritesNothingAndStopsTheMusicOnce) {
    GameHarness game;
    EnterMap(game, "GoblinVillage", 2);
    const std::string saved = SaveText();
    game.Session().EarnGold(500);
    game.Session().Carry("Rope");
    game.CloseWindow();
    EXPECT_FALSE(game.Window().isOpen());
    LogCapture capture;
    game.Stack().Clear(Leaving::ABANDONING);  // what the program's end does once the window is closed
    EXPECT_EQ(CountOf(capture.text, "stop music\n"), 1) << capture.text;
    EXPECT_EQ(SaveText(), saved);
}

// A player's game knows no developer key: W bound to UP moves the battle's cursor instead of winning.
TEST(DeveloperKeys, WWinsABattleOnlyInTheDevelopersGame) {
    for (const bool developer : {false, true}) {
        SCOPED_TRACE(developer ? "developer" : "player");
        GameHarness game({.developerKeys = developer});
        KeyCodes keys = CurrentKeyCodes();
        keys[KEY_UP] = sf::Keyboard::W;
        SaveSettings(keys, CurrentVolumes());
        BeginBattle(game, "GoblinVillageBurn", Level("Patrol"));
        for (int frame = 0; frame < 600 && !WaitingForCommands(game); ++frame)
            game.Step(BATTLE_DT);
        ASSERT_TRUE(WaitingForCommands(game));
        ASSERT_EQ(TheBattle(game).menuCursor, 0);
        game.PressKey(sf::Keyboard::W);
        const BattleRules& rules = TheBattle(game).rules;
        EXPECT_EQ(rules.deadEnemyCount == rules.enemyCount, developer);
        EXPECT_EQ(TheBattle(game).menuCursor, developer ? 0 : 2);  // up from Attack wraps to Items
    }
}

// K (the roads) and T (the buckets) are the developer's; F, a hand-written file's binding for LEFT,
// walks instead of opening the fish collection.
TEST(DeveloperKeys, KAndTChangeNothingAndABoundFMovesInThePlayersGame) {
    for (const bool developer : {false, true}) {
        SCOPED_TRACE(developer ? "developer" : "player");
        GameHarness game({.developerKeys = developer});
        KeyCodes keys = CurrentKeyCodes();
        keys[KEY_LEFT] = sf::Keyboard::F;
        SaveSettings(keys, CurrentVolumes());
        EnterMap(game, "GoblinVillage", 2);
        Carry(game, {"Bucket_Empty"});
        game.PressKey(sf::Keyboard::K);
        game.PressKey(sf::Keyboard::T);
        EXPECT_EQ(game.Session().Story().worldMapOpen, developer ? 1 : 0);
        EXPECT_EQ(game.Session().Holds("Bucket_Full"), developer);
        const float x = game.Scene().hero.sprite.getPosition().x;
        game.HoldKey(sf::Keyboard::F);
        game.PressKey(sf::Keyboard::F);
        game.Step(FRAME_DT, 10);
        game.ReleaseKey(sf::Keyboard::F);
        EXPECT_EQ(game.Top(), SCREEN_ROAMING);
        EXPECT_LT(game.Scene().hero.sprite.getPosition().x, x);
    }
}

}  // namespace
