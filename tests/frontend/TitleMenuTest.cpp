#include <gtest/gtest.h>

#include "core/GameStates.h"
#include "core/Screen.h"
#include "core/Settings.h"
#include "core/SoundEffects.h"
#include "core/StateMachine.h"
#include "frontend/TitleMenu.h"
#include "support/Files.h"
#include "support/GameHarness.h"
#include "world/GameSession.h"

#include <filesystem>

namespace {

// A game that has skipped its splash and shows the title menu.
struct TitleGame : GameHarness {
    explicit TitleGame(HarnessOptions options = {}) : GameHarness(options) {
        PressKey(sf::Keyboard::Return);
        ResetSoundEffectPool();
    }
    size_t Sounds() const { return gSoundEffects.effects.size(); }
    // Window pixels of a button's centre.
    sf::Vector2i ButtonCentre(int entry) const {
        const sf::FloatRect b = gTitleMenu.buttons[entry].sprite.getGlobalBounds();
        return {static_cast<int>(b.left + b.width / 2 + gScreen.offsetX),
                static_cast<int>(b.top + b.height / 2 + gScreen.offsetY)};
    }
};

TEST(TitleMenu, TheCursorFollowsTheKeysHeldAtThePressNotTheKeyPressed) {
    TitleGame game;
    game.PressKey(sf::Keyboard::S);  // DOWN's key, but not held: nothing moves
    EXPECT_EQ(gTitleMenu.cursor, TITLE_PLAY);
    game.HoldKey(sf::Keyboard::S);
    game.PressKey(sf::Keyboard::X);
    EXPECT_EQ(gTitleMenu.cursor, TITLE_OPTIONS);
    EXPECT_EQ(game.Sounds(), 1u);
    game.PressKey(sf::Keyboard::X);
    game.PressKey(sf::Keyboard::X);
    game.PressKey(sf::Keyboard::X);  // no wrap past Quit, and no sound for it
    EXPECT_EQ(gTitleMenu.cursor, TITLE_QUIT);
    EXPECT_EQ(game.Sounds(), 3u);
    game.HoldKey(sf::Keyboard::Z);  // both held: up first, then down
    game.PressKey(sf::Keyboard::X);
    EXPECT_EQ(gTitleMenu.cursor, TITLE_QUIT);
    EXPECT_EQ(game.Sounds(), 5u);
    game.HoldKey(sf::Keyboard::S, false);
    for (int i = 0; i < 5; ++i)
        game.PressKey(sf::Keyboard::X);
    EXPECT_EQ(gTitleMenu.cursor, TITLE_PLAY);
}

TEST(TitleMenu, PressedPicturesFollowTheCursor) {
    TitleGame game;
    game.HoldKey(sf::Keyboard::S);
    game.PressKey(sf::Keyboard::S);
    game.Step(0.01f);
    for (int entry = 0; entry < TITLE_ENTRY_COUNT; ++entry) {
        const TitleButton& button = gTitleMenu.buttons[entry];
        EXPECT_EQ(button.sprite.getTexture(), entry == TITLE_OPTIONS ? &button.pressed : &button.normal);
    }
}

TEST(TitleMenu, EnterOpensEachScreenWithTheConfirmSoundAndQuitClosesSilently) {
    const struct {
        int moves;
        MenuScreen screen;
    } cases[] = {{1, MENU_OPTIONS}, {2, MENU_CREDITS}};
    for (const auto& c : cases) {
        TitleGame game;
        game.HoldKey(sf::Keyboard::S);
        for (int i = 0; i < c.moves; ++i)
            game.PressKey(sf::Keyboard::S);
        game.HoldKey(sf::Keyboard::S, false);
        ResetSoundEffectPool();
        game.PressKey(sf::Keyboard::Return);
        EXPECT_EQ(gStates.menuScreen, c.screen);
        EXPECT_EQ(game.Sounds(), 1u);
        EXPECT_FALSE(gTitleMenu.loaded);  // released on the way out
        EXPECT_TRUE(game.Window().isOpen());
    }
    TitleGame game;
    game.HoldKey(sf::Keyboard::S);
    for (int i = 0; i < 3; ++i)
        game.PressKey(sf::Keyboard::S);
    ResetSoundEffectPool();
    game.PressKey(sf::Keyboard::Return);
    EXPECT_FALSE(game.Window().isOpen());
    EXPECT_EQ(game.Sounds(), 0u);
}

TEST(TitleMenu, EscapeClosesTheWindowFromAnyCursor) {
    for (int moves = 0; moves < TITLE_ENTRY_COUNT; ++moves) {
        TitleGame game;
        game.HoldKey(sf::Keyboard::S);
        for (int i = 0; i < moves; ++i)
            game.PressKey(sf::Keyboard::S);
        game.HoldKey(sf::Keyboard::S, false);
        game.PressKey(sf::Keyboard::Escape);
        EXPECT_FALSE(game.Window().isOpen()) << moves;
    }
}

TEST(TitleMenu, ClicksOpenTheScreenUnderThePointerWithAnyButtonAndLeaveTheCursor) {
    const struct {
        int entry;
        MenuScreen screen;
        sf::Mouse::Button button;
    } cases[] = {{TITLE_OPTIONS, MENU_OPTIONS, sf::Mouse::Right},
                 {TITLE_CREDITS, MENU_CREDITS, sf::Mouse::Middle}};
    for (unsigned height : {1080u, 1200u}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << "entry " << c.entry << " at height " << height);
            TitleGame game({1920, height});
            game.Click(game.ButtonCentre(c.entry), c.button);
            EXPECT_EQ(gStates.menuScreen, c.screen);
            EXPECT_EQ(game.Sounds(), 0u);  // clicks make no sound
        }
    }
    TitleGame game;
    game.Click({10, 10});
    EXPECT_EQ(gStates.menuScreen, MENU_MAIN);
    EXPECT_EQ(gTitleMenu.cursor, TITLE_PLAY);
    game.Click(game.ButtonCentre(TITLE_QUIT));
    EXPECT_FALSE(game.Window().isOpen());
}

TEST(TitleMenu, ReturningFromTheCreditsShowsTheTitleWithTheCursorOnPlay) {
    TitleGame game;
    game.HoldKey(sf::Keyboard::S);
    game.PressKey(sf::Keyboard::S);
    game.PressKey(sf::Keyboard::S);
    game.HoldKey(sf::Keyboard::S, false);
    game.PressKey(sf::Keyboard::Return);
    ASSERT_EQ(gStates.menuScreen, MENU_CREDITS);
    game.PressKey(sf::Keyboard::Return);  // only the ESCAPE binding leaves
    EXPECT_EQ(gStates.menuScreen, MENU_CREDITS);
    game.PressKey(sf::Keyboard::Escape);
    EXPECT_EQ(gStates.menuScreen, MENU_MAIN);
    EXPECT_EQ(gTitleMenu.cursor, TITLE_PLAY);
    EXPECT_TRUE(game.Window().isOpen());
}

TEST(TitleMenu, ButtonsKeepTheirPlaceOnEveryDesktopAndNeverOverlap) {
    for (auto [w, h] : {std::pair{1920u, 1080u}, {1920u, 1200u}, {2560u, 1080u}, {1280u, 720u}}) {
        SCOPED_TRACE(testing::Message() << w << "x" << h);
        TitleGame game({w, h});
        const float divisors[] = {2.5f, 2.0f, 1.7f, 1.5f};
        for (int entry = 0; entry < TITLE_ENTRY_COUNT; ++entry) {
            const sf::FloatRect b = gTitleMenu.buttons[entry].sprite.getGlobalBounds();
            EXPECT_NEAR((b.left + b.width / 2) / gScreen.gameWidth, 1 / 1.15f, 1e-3f);
            EXPECT_NEAR((b.top + b.height / 2) / gScreen.gameHeight, 1 / divisors[entry], 1e-3f);
            EXPECT_GT(b.width, 0.0f);
            if (entry > 0) {
                const sf::FloatRect above = gTitleMenu.buttons[entry - 1].sprite.getGlobalBounds();
                EXPECT_FALSE(b.intersects(above));
            }
        }
    }
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
    GameHarness game({1920, 1080, 1, false});
    game.Folder().DetachAssetFolder("Sprites");
    game.Folder().DetachAssetFolder("Sounds");
    game.Folder().DetachAssetFolder("Musics");
    std::filesystem::remove("Assets/Sprites/Menu/Background.png");
    std::filesystem::remove("Assets/Sprites/Menu/Button/Play appuy\xE9.png");
    std::filesystem::remove_all("Assets/Sprites/Start");
    std::filesystem::remove_all("Assets/Sounds");
    std::filesystem::remove_all("Assets/Musics");
    game.Init();
    game.Step(0.02f, 5);
    game.PressKey(sf::Keyboard::Return);
    ASSERT_EQ(gStates.menuScreen, MENU_MAIN);
    game.Step(0.02f, 2);
    game.Capture();
    game.HoldKey(sf::Keyboard::S);
    game.PressKey(sf::Keyboard::S);
    EXPECT_EQ(gTitleMenu.cursor, TITLE_OPTIONS);
    EXPECT_TRUE(gSoundEffects.effects.empty());
    game.HoldKey(sf::Keyboard::S, false);
    game.PressKey(sf::Keyboard::Return);
    EXPECT_EQ(gStates.menuScreen, MENU_OPTIONS);
}

}  // namespace
