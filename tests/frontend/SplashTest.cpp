#include <gtest/gtest.h>

#include <algorithm>

#include "core/Settings.h"
#include "frontend/Splash.h"
#include "support/GameHarness.h"

namespace {

const SplashState& Splash(GameHarness& game) {
    return game.Find<SplashScreen>()->splash;
}

TEST(Splash, BothLogosFadeInAndOutAtAnyFrameRateThenTheTitleMenu) {
    for (float fps : {144.0f, 60.0f, 30.0f, 7.0f}) {
        SCOPED_TRACE(testing::Message() << fps << " frames per second");
        GameHarness game;
        float seconds = 0.0f;
        uint32_t peakAlpha[SPLASH_LOGO_COUNT] = {0, 0};
        uint32_t lastLogo = 0;
        for (int frame = 0; frame < 100000 && game.Mode() == MODE_SPLASH; ++frame) {
            const SplashState& splash = Splash(game);
            EXPECT_GE(splash.logoIndex, lastLogo);
            lastLogo = splash.logoIndex;
            if (lastLogo < SPLASH_LOGO_COUNT)
                peakAlpha[lastLogo] = std::max(peakAlpha[lastLogo], splash.alpha);
            game.Advance(1.0f / fps);  // the fades are counted in updates: nothing needs drawing
            seconds += 1.0f / fps;
        }
        EXPECT_EQ(game.Top(), SCREEN_TITLE);
        EXPECT_EQ(peakAlpha[0], 254u);
        EXPECT_EQ(peakAlpha[1], 254u);
        // One alpha step per frame after each phase's 0.05 s delay: 4 fades of about 127 frames.
        EXPECT_NEAR(seconds * fps, 4 * 127 + 4 * (0.05f * fps), 8.0f);
    }
}

TEST(Splash, OnlyTheEnterBindingSkipsToTheTitle) {
    GameHarness game;
    gSettings.keys.enter = sf::Keyboard::Space;
    game.Step(0.1f, 20);
    for (auto key : {sf::Keyboard::Return, sf::Keyboard::Escape, sf::Keyboard::A, sf::Keyboard::Unknown})
        game.PressKey(key);
    game.Click({960, 540});
    EXPECT_EQ(game.Top(), SCREEN_SPLASH);
    game.PressKey(sf::Keyboard::Space);
    EXPECT_EQ(game.Top(), SCREEN_TITLE);
    EXPECT_FALSE(game.Shows(SCREEN_SPLASH));
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

TEST(Splash, EachLogoFadesInFromBlack) {
    GameHarness game;
    game.Step(1.0f / 144.0f);
    EXPECT_EQ(Brightest(game.Capture()), 0);  // alpha 0 on the first frame
    while (Splash(game).alpha < 128)
        game.Advance(1.0f / 144.0f);
    const int half = Brightest(game.Capture());
    while (Splash(game).alpha < 254)
        game.Advance(1.0f / 144.0f);
    const int full = Brightest(game.Capture());
    EXPECT_GT(half, 40);
    EXPECT_GT(full, half);
}

}  // namespace
