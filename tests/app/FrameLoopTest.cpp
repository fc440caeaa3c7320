#include <gtest/gtest.h>

#include <filesystem>

#include "app/FrameLoop.h"
#include "battle/BattleData.h"
#include "core/GameStates.h"
#include "core/Music.h"
#include "core/Settings.h"
#include "core/StateMachine.h"
#include "frontend/TitleMenu.h"
#include "support/GameHarness.h"
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
        EXPECT_EQ(gStates.gameMode, MODE_SPLASH);
    }
}

TEST(FrameLoop, GameOverAnswersRAndEscapeWhateverTheBindings) {
    GameHarness game;
    gSettings.keys.escape = sf::Keyboard::P;
    gSettings.keys.enter = sf::Keyboard::R;
    SetGameMode(MODE_GAME_OVER, game.Window());
    game.PressKey(sf::Keyboard::P);  // the ESCAPE binding means nothing here
    game.PressKey(sf::Keyboard::Return);
    game.PressKey(sf::Keyboard::Space);
    EXPECT_EQ(gStates.gameMode, MODE_GAME_OVER);

    game.PressKey(sf::Keyboard::Escape);
    EXPECT_EQ(gStates.gameMode, MODE_MENU);
    EXPECT_EQ(gStates.menuScreen, MENU_MAIN);
    EXPECT_TRUE(gTitleMenu.loaded);

    SetGameMode(MODE_GAME, game.Window());
    gSession.pouch.slots[0].count = 3;
    SetGameMode(MODE_GAME_OVER, game.Window());
    game.PressKey(sf::Keyboard::R);  // try again: the game is loaded afresh
    EXPECT_EQ(gStates.gameMode, MODE_GAME);
    EXPECT_EQ(gStates.gameScreen, SCREEN_ROAMING);
    EXPECT_EQ(gSession.pouch.slots[0].itemId, ITEM_HP_POTION);
    EXPECT_EQ(gSession.pouch.slots[0].count, 0);
    EXPECT_EQ(gSession.pouch.slots[1].itemId, ITEM_MANA_POTION);
}

TEST(FrameLoop, LeavingTheGameEmptiesThePouchAndLandsOnTheTitleWithItsMusic) {
    GameHarness game;
    SetGameMode(MODE_GAME, game.Window());
    gSession.pouch.slots[1].count = 2;
    SetGameMode(MODE_MENU, game.Window());
    EXPECT_EQ(gSession.pouch.slots[0].itemId, ITEM_NONE);
    EXPECT_EQ(gSession.pouch.slots[1].itemId, ITEM_NONE);
    EXPECT_EQ(gSession.pouch.slots[1].count, 0);
    EXPECT_EQ(gStates.menuScreen, MENU_MAIN);
    EXPECT_EQ(gTitleMenu.cursor, TITLE_PLAY);
    EXPECT_TRUE(MusicIsPlaying());
}

TEST(FrameLoop, ClosingTheWindowInTheGameWritesNoSaveAndUnloadsOnce) {
    auto game = std::make_unique<GameHarness>();
    SetGameMode(MODE_GAME, game->Window());
    game->ClearLog();
    game->CloseWindow();
    EXPECT_FALSE(game->Window().isOpen());
    const std::filesystem::path folder = game->Folder().Path();
    std::string log;
    {
        LogCapture capture;
        game.reset();  // the loop's exit: unload the current mode
        log = capture.text;
    }
    EXPECT_EQ(CountOf(log, "stop music\n"), 1);
    EXPECT_EQ(gStates.gameMode, MODE_NONE);  // records reset after the harness
    (void)folder;
}

TEST(FrameLoop, ClosingTheWindowWritesNoSaveFolder) {
    GameHarness game;
    SetGameMode(MODE_GAME, game.Window());
    game.CloseWindow();
    UnloadCurrentMode(game.Window());
    EXPECT_FALSE(std::filesystem::exists("Saves"));
}

TEST(FrameLoop, AnUnknownModeIgnoresEveryEventAndFrame) {
    GameHarness game;
    SetGameMode(MODE_MENU, game.Window());
    gStates.gameMode = static_cast<GameMode>(9);
    game.PressKey(sf::Keyboard::Escape);
    game.Click({1670, 900});
    game.Step(0.016f, 3);
    EXPECT_TRUE(game.Window().isOpen());
    gStates.gameMode = MODE_MENU;
}

TEST(FrameLoop, EventsOtherThanKeysClicksAndCloseAreIgnored) {
    GameHarness game;
    sf::Event event{};
    event.type = sf::Event::KeyReleased;
    event.key.code = sf::Keyboard::Return;
    HandleWindowEvent(game.Window(), event);
    event.type = sf::Event::MouseMoved;
    HandleWindowEvent(game.Window(), event);
    EXPECT_EQ(gStates.gameMode, MODE_SPLASH);
}

}  // namespace
