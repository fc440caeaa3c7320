// The pause menu as a player sees and uses it: drawn over the map, highlighted by the cursor, chosen with
// the mouse as with the keys, rebuilt on every opening.

#include <gtest/gtest.h>

#include "content/ContentFixture.h"
#include "core/GameStates.h"
#include "core/Input.h"
#include "core/Screen.h"
#include "core/Settings.h"
#include "frontend/PauseMenu.h"
#include "frontend/RoamingScreen.h"
#include "support/Files.h"
#include "world/GameSession.h"

namespace {

sf::Vector2i WindowPoint(const sf::Sprite& sprite) {
    const sf::FloatRect b = sprite.getGlobalBounds();
    return {static_cast<int>(b.left + b.width / 2 + gScreen.offsetX),
            static_cast<int>(b.top + b.height / 2 + gScreen.offsetY)};
}

const sf::Sprite& Button(PauseEntry entry) {
    return gPauseMenu.buttons[static_cast<size_t>(entry)].sprite;
}

TEST(PauseMenu, ItDarkensTheMapAndShowsThreeButtonsCentredOnEveryDesktop) {
    for (auto [width, height] : {std::pair{1920u, 1080u}, {1920u, 1200u}, {2560u, 1440u}}) {
        SCOPED_TRACE(testing::Message() << width << "x" << height);
        YardGame game({}, {}, "Yard", {width, height, 1, false});
        game.Step(0.01f);
        const sf::Image before = game.Capture();
        game.PressKey(gSettings.keys.escape);
        game.Step(0.01f);
        const sf::Image paused = game.Capture();
        const double divisors[] = {3.0, 2.2, 1.7};
        for (int entry = 0; entry < PAUSE_ENTRY_COUNT; ++entry) {
            const sf::FloatRect b = Button(static_cast<PauseEntry>(entry)).getGlobalBounds();
            EXPECT_NEAR((b.left + b.width / 2) / gScreen.gameWidth, 0.5, 1e-3);
            EXPECT_NEAR((b.top + b.height / 2) / gScreen.gameHeight, 1.0 / divisors[entry], 1e-3);
        }
        // A corner of the map, away from the buttons, is darker under the backdrop.
        const sf::Color lit = GamePixel(before, 40, gScreen.gameHeight - 40);
        const sf::Color dim = GamePixel(paused, 40, gScreen.gameHeight - 40);
        EXPECT_LT(dim.r + dim.g + dim.b, lit.r + lit.g + lit.b);
        EXPECT_GT(dim.r + dim.g + dim.b, 0);  // translucent, not black
    }
}

TEST(PauseMenu, TheCursorLightsItsButtonAndEveryOpeningStartsOnContinue) {
    YardGame game;
    game.PressKey(gSettings.keys.escape);
    game.Step(0.01f);
    EXPECT_EQ(Button(PAUSE_CONTINUE).getTexture(), &gPauseMenu.buttons[PAUSE_CONTINUE].pressed);
    game.PressKey(gSettings.keys.down);
    game.Step(0.01f);
    EXPECT_EQ(Button(PAUSE_CONTINUE).getTexture(), &gPauseMenu.buttons[PAUSE_CONTINUE].normal);
    EXPECT_EQ(Button(PAUSE_OPTIONS).getTexture(), &gPauseMenu.buttons[PAUSE_OPTIONS].pressed);
    game.PressKey(gSettings.keys.escape);  // closed
    game.PressKey(gSettings.keys.escape);  // opened again
    game.Step(0.01f);
    EXPECT_EQ(gPauseMenu.cursor, PAUSE_CONTINUE);
    EXPECT_EQ(Button(PAUSE_CONTINUE).getTexture(), &gPauseMenu.buttons[PAUSE_CONTINUE].pressed);
}

TEST(PauseMenu, ReturnConfirmsWhateverTheEnterBindingIs) {
    YardGame game;
    gSettings.keys.enter = sf::Keyboard::E;
    game.PressKey(gSettings.keys.escape);
    game.PressKey(sf::Keyboard::E);  // the ENTER binding does nothing here
    EXPECT_EQ(gStates.roamingOverlay, OVERLAY_PAUSE);
    game.PressKey(sf::Keyboard::Return);
    EXPECT_EQ(gStates.roamingOverlay, OVERLAY_NONE);
}

TEST(PauseMenu, ClicksChooseContinueOptionsAndExitToMenu) {
    {
        YardGame game;
        game.PressKey(gSettings.keys.escape);
        game.Click(WindowPoint(Button(PAUSE_CONTINUE)));
        EXPECT_EQ(gStates.roamingOverlay, OVERLAY_NONE);
        game.PressKey(gSettings.keys.escape);
        game.Click(WindowPoint(Button(PAUSE_OPTIONS)), sf::Mouse::Right);
        EXPECT_EQ(gStates.roamingOverlay, OVERLAY_OPTIONS);
        game.PressKey(gSettings.keys.escape);
        EXPECT_EQ(gStates.roamingOverlay, OVERLAY_NONE);
        game.Click(WindowPoint(Button(PAUSE_EXIT)));  // closed: clicks do nothing
        EXPECT_EQ(gStates.gameMode, MODE_GAME);
    }
    ResetGameRecords();
    YardGame game;
    const std::string before = ReadWholeFile("Saves/Save0/save.txt");
    gSession.gold = 77;
    game.PressKey(gSettings.keys.escape);
    game.Click(WindowPoint(Button(PAUSE_EXIT)));
    EXPECT_EQ(gStates.gameMode, MODE_MENU);
    EXPECT_EQ(gStates.menuScreen, MENU_MAIN);
    EXPECT_FALSE(gRoaming.loaded);
    EXPECT_NE(ReadWholeFile("Saves/Save0/save.txt").find("\nGold 77\n"), std::string::npos) << before;
}

}  // namespace
