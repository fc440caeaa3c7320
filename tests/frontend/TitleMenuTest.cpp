#include <gtest/gtest.h>

#include <filesystem>

#include "battle/screen/GameOver.h"
#include "core/Screen.h"
#include "core/SoundEffects.h"
#include "frontend/TitleMenu.h"
#include "support/Saves.h"
#include "support/Scenes.h"

namespace {

using sf::Keyboard;

// A game that has skipped its splash and shows the title menu, no sound playing yet.
struct TitleGame : GameHarness {
    explicit TitleGame(HarnessOptions options = {}) : GameHarness(options) {
        OpenTitleMenu(*this);
        ResetSoundEffectPool();
    }
    TitleMenu& Menu() { return Find<TitleScreen>()->menu; }
    size_t Sounds() const { return gSoundEffects.effects.size(); }
    // Down to the entry with the DOWN key held, as the menu reads it.
    void MoveTo(int entry) {
        HoldKey(Keyboard::S);
        for (int i = 0; i < entry; ++i)
            PressKey(Keyboard::S);
        HoldKey(Keyboard::S, false);
    }
    sf::Vector2i ButtonCentre(int entry) {
        const sf::FloatRect b = Menu().buttons[entry].sprite.getGlobalBounds();
        return {static_cast<int>(b.left + b.width / 2 + gScreen.offsetX),
                static_cast<int>(b.top + b.height / 2 + gScreen.offsetY)};
    }
};

TEST(TitleMenu, TheCursorFollowsTheKeysHeldAtThePressNotTheKeyPressed) {
    TitleGame game;
    game.PressKey(Keyboard::S);  // DOWN's key, but not held: nothing moves
    EXPECT_EQ(game.Menu().cursor, TITLE_PLAY);
    game.HoldKey(Keyboard::S);
    game.PressKey(Keyboard::X);
    EXPECT_EQ(game.Menu().cursor, TITLE_OPTIONS);
    EXPECT_EQ(game.Sounds(), 1u);
    for (int i = 0; i < 3; ++i)
        game.PressKey(Keyboard::X);  // no wrap past Quit, and no sound for it
    EXPECT_EQ(game.Menu().cursor, TITLE_QUIT);
    EXPECT_EQ(game.Sounds(), 3u);
    game.HoldKey(Keyboard::Z);  // both held: up first, then down
    game.PressKey(Keyboard::X);
    EXPECT_EQ(game.Menu().cursor, TITLE_QUIT);
    EXPECT_EQ(game.Sounds(), 5u);
    game.HoldKey(Keyboard::S, false);
    for (int i = 0; i < 5; ++i)
        game.PressKey(Keyboard::X);
    EXPECT_EQ(game.Menu().cursor, TITLE_PLAY);
}

TEST(TitleMenu, EnterOpensEachScreenWithTheConfirmSoundQuitAndEscapeCloseSilently) {
    const std::pair<int, ScreenKind> opened[] = {{TITLE_OPTIONS, SCREEN_OPTIONS},
                                                 {TITLE_CREDITS, SCREEN_CREDITS}};
    for (const auto& [entry, kind] : opened) {
        TitleGame game;
        game.MoveTo(entry);
        ResetSoundEffectPool();
        game.PressKey(Keyboard::Return);
        EXPECT_EQ(game.Top(), kind);
        EXPECT_EQ(game.Sounds(), 1u);
        EXPECT_FALSE(game.Shows(SCREEN_TITLE));
    }
    for (const int32_t key : {Keyboard::Return, Keyboard::Escape}) {
        TitleGame game;
        game.MoveTo(key == Keyboard::Return ? TITLE_QUIT : TITLE_CREDITS);
        ResetSoundEffectPool();
        game.PressKey(key);
        EXPECT_FALSE(game.Window().isOpen()) << key;
        EXPECT_EQ(game.Sounds(), 0u);
    }
}

TEST(TitleMenu, ClicksOpenTheScreenUnderThePointerWithAnyButton) {
    for (unsigned height : {1080u, 1200u}) {
        SCOPED_TRACE(height);
        TitleGame options({1920, height});
        options.Click(options.ButtonCentre(TITLE_OPTIONS), sf::Mouse::Right);
        EXPECT_EQ(options.Top(), SCREEN_OPTIONS);
        EXPECT_EQ(options.Sounds(), 0u);  // clicks make no sound
        TitleGame credits({1920, height});
        credits.Click(credits.ButtonCentre(TITLE_CREDITS), sf::Mouse::Middle);
        EXPECT_EQ(credits.Top(), SCREEN_CREDITS);
    }
    TitleGame game;
    game.Click({10, 10});
    EXPECT_EQ(game.Top(), SCREEN_TITLE);
    game.Click(game.ButtonCentre(TITLE_QUIT));
    EXPECT_FALSE(game.Window().isOpen());
}

TEST(TitleMenu, ComingBackFromTheCreditsPutsTheCursorOnPlay) {
    TitleGame game;
    game.MoveTo(TITLE_CREDITS);
    game.PressKey(Keyboard::Return);
    game.PressKey(Keyboard::Return);  // only the ESCAPE binding leaves
    EXPECT_EQ(game.Top(), SCREEN_CREDITS);
    game.PressKey(Keyboard::Escape);
    EXPECT_EQ(game.Top(), SCREEN_TITLE);
    EXPECT_EQ(game.Menu().cursor, TITLE_PLAY);
    EXPECT_TRUE(game.Window().isOpen());
}

// On a desktop larger than the reference, the title a lost game returns to is the whole menu, as at
// the start, and not a corner of it enlarged.
TEST(TitleMenu, AfterAGameOverTheTitleLooksAsItDidAtTheStart) {
    TitleGame game({2560, 1440});
    game.Step(FRAME_DT);
    const sf::Image start = ShrinkGameArea(game.Capture(), 960, 540);
    game.Requests().StartOver(std::make_unique<GameOverScreen>(game.Context(), 0), Leaving::ABANDONING);
    game.Apply();
    game.Step(FRAME_DT, 30);
    game.PressKey(Keyboard::Escape);
    ASSERT_EQ(game.Top(), SCREEN_TITLE);
    game.Step(FRAME_DT);
    EXPECT_LT(ShareOfDifferentPixels(start, ShrinkGameArea(game.Capture(), 960, 540)), 0.02);
}

TEST(TitleMenu, OnA16By10DesktopTheBandsStayBlackAndTheBackgroundFillsTheGameArea) {
    TitleGame game({1920, 1200});
    game.Step(0.01f);
    const sf::Image shot = game.Capture();
    ASSERT_EQ(shot.getSize(), sf::Vector2u(1920, 1200));
    int litTop = 0;
    int litBottom = 0;
    for (unsigned x = 0; x < 1920; x += 97) {
        EXPECT_EQ(shot.getPixel(x, 5), sf::Color::Black);     // band above
        EXPECT_EQ(shot.getPixel(x, 1195), sf::Color::Black);  // band below
        litTop += shot.getPixel(x, 62) != sf::Color::Black;   // first rows of the game area
        litBottom += shot.getPixel(x, 1137) != sf::Color::Black;
    }
    EXPECT_GT(litTop, 10);
    EXPECT_GT(litBottom, 10);
}

TEST(TitleMenu, MissingPicturesAndSoundsLeaveHolesButTheMenuWorks) {
    GameHarness game({.initialise = false});
    for (const char* folder : {"Sprites", "Sounds", "Musics"})
        game.Folder().DetachAssetFolder(folder);
    std::filesystem::remove("Assets/Sprites/Menu/Background.png");
    std::filesystem::remove("Assets/Sprites/Menu/Button/Play appuy\xE9.png");
    std::filesystem::remove_all("Assets/Sprites/Start");
    std::filesystem::remove_all("Assets/Sounds");
    std::filesystem::remove_all("Assets/Musics");
    game.Init();
    game.Step(0.02f, 5);
    OpenTitleMenu(game);
    ASSERT_EQ(game.Top(), SCREEN_TITLE);
    game.Capture();
    game.HoldKey(Keyboard::S);
    game.PressKey(Keyboard::S);
    EXPECT_EQ(game.Find<TitleScreen>()->menu.cursor, TITLE_OPTIONS);
    EXPECT_TRUE(gSoundEffects.effects.empty());
    game.HoldKey(Keyboard::S, false);
    game.PressKey(Keyboard::Return);
    EXPECT_EQ(game.Top(), SCREEN_OPTIONS);
}

}  // namespace
