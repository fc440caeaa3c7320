#include <gtest/gtest.h>

#include "core/GameStates.h"
#include "core/Music.h"
#include "core/Settings.h"
#include "frontend/Splash.h"
#include "frontend/TitleMenu.h"
#include "support/GameHarness.h"

namespace {

struct SplashRun {
    float seconds = 0.0f;
    uint32_t peakAlpha[2] = {0, 0};
    bool logoOrderKept = true;
};

SplashRun PlaySplash(GameHarness& game, float dt) {
    SplashRun run;
    uint32_t lastLogo = 0;
    for (int frame = 0; frame < 100000 && gStates.gameMode == MODE_SPLASH; ++frame) {
        const uint32_t logo = gSplash.logoIndex;
        if (logo < 2) run.peakAlpha[logo] = std::max(run.peakAlpha[logo], gSplash.alpha);
        if (logo < lastLogo) run.logoOrderKept = false;
        lastLogo = logo;
        game.Step(dt);
        run.seconds += dt;
    }
    return run;
}

TEST(Splash, BothLogosFadeInAndOutAtAnyFrameRateThenTheTitleMenu) {
    for (float fps : {144.0f, 60.0f, 30.0f, 7.0f}) {
        SCOPED_TRACE(testing::Message() << fps << " frames per second");
        GameHarness game;
        const SplashRun run = PlaySplash(game, 1.0f / fps);
        EXPECT_EQ(gStates.gameMode, MODE_MENU);
        EXPECT_EQ(gStates.menuScreen, MENU_MAIN);
        EXPECT_TRUE(run.logoOrderKept);
        EXPECT_EQ(run.peakAlpha[0], 254u);
        EXPECT_EQ(run.peakAlpha[1], 254u);
        // One alpha step per frame after each phase's 0.05 s delay: 4 fades of about 127 frames.
        EXPECT_NEAR(run.seconds * fps, 4 * 127 + 4 * (0.05f * fps), 8.0f);
        EXPECT_FALSE(gSplash.loaded);
        EXPECT_TRUE(MusicIsPlaying());
    }
}

TEST(Splash, OnlyTheEnterBindingSkipsAndItReleasesTheSplashAtOnce) {
    GameHarness game;
    game.Step(0.1f, 20);
    for (auto key : {sf::Keyboard::Space, sf::Keyboard::Escape, sf::Keyboard::A, sf::Keyboard::Unknown}) {
        game.PressKey(key);
    }
    game.Click({960, 540});
    EXPECT_EQ(gStates.gameMode, MODE_SPLASH);
    EXPECT_TRUE(gSplash.loaded);

    game.PressKey(sf::Keyboard::Return);
    EXPECT_EQ(gStates.gameMode, MODE_MENU);
    EXPECT_EQ(gStates.menuScreen, MENU_MAIN);
    EXPECT_FALSE(gSplash.loaded);
    EXPECT_EQ(gSplash.logos[0].getSize(), sf::Vector2u(0, 0));
    EXPECT_EQ(gSplash.logos[1].getSize(), sf::Vector2u(0, 0));
    EXPECT_EQ(gSplash.sprite.getTexture(), nullptr);
}

TEST(Splash, ARebounEnterKeyIsTheOneThatSkips) {
    GameHarness game;
    gSettings.keys.enter = sf::Keyboard::Space;
    game.PressKey(sf::Keyboard::Return);
    EXPECT_EQ(gStates.gameMode, MODE_SPLASH);
    game.PressKey(sf::Keyboard::Space);
    EXPECT_EQ(gStates.gameMode, MODE_MENU);
}

// How much of the logo shows: the brightest pixel of the game area.
int Brightest(const sf::Image& image) {
    int brightest = 0;
    for (unsigned y = 0; y < image.getSize().y; y += 4) {
        for (unsigned x = 0; x < image.getSize().x; x += 4) {
            const sf::Color c = image.getPixel(x, y);
            brightest = std::max({brightest, int(c.r), int(c.g), int(c.b)});
        }
    }
    return brightest;
}

TEST(Splash, EachLogoShowsCentredAndFadesFromBlack) {
    GameHarness game;
    game.Step(1.0f / 144.0f);
    EXPECT_EQ(Brightest(game.Capture()), 0);  // alpha 0 on the first frame
    while (gSplash.alpha < 128)
        game.Step(1.0f / 144.0f);
    const int half = Brightest(game.Capture());
    while (gSplash.alpha < 254)
        game.Step(1.0f / 144.0f);
    const int full = Brightest(game.Capture());
    EXPECT_GT(half, 40);
    EXPECT_GT(full, half);
    const sf::FloatRect bounds = gSplash.sprite.getGlobalBounds();
    EXPECT_NEAR(bounds.left + bounds.width / 2, 960.0f, 1.0f);
    EXPECT_NEAR(bounds.top + bounds.height / 2, 540.0f, 1.0f);
}

}  // namespace
