// The options screen as a player uses it: rebinding keys, moving the volumes, the arrow, the back entry,
// and the same screen opened over the game from the pause menu.

#include <gtest/gtest.h>

#include <filesystem>

#include "content/ContentFixture.h"
#include "core/GameStates.h"
#include "core/Music.h"
#include "core/Screen.h"
#include "core/Settings.h"
#include "frontend/OptionsScreen.h"
#include "support/Files.h"
#include "support/GameHarness.h"

namespace {

// The title menu, then Options (the cursor one step down, Return).
struct OptionsGame : GameHarness {
    explicit OptionsGame(HarnessOptions options = {}) : GameHarness(options) {
        PressKey(sf::Keyboard::Return);  // past the logos
        HoldKey(sf::Keyboard::S);
        PressKey(sf::Keyboard::S);
        HoldKey(sf::Keyboard::S, false);
        PressKey(sf::Keyboard::Return);
    }
};

std::string Label(int row) {
    return gOptions.rows[static_cast<size_t>(row)].label.getString().toAnsiString();
}

std::string SettingsFile() {
    return ReadWholeFile(SETTINGS_PATH);
}

TEST(OptionsScreen, RebindingDownWaitsForAFreeKeyAndWritesItAtOnce) {
    OptionsGame game;
    ASSERT_EQ(gStates.menuScreen, MENU_OPTIONS);
    EXPECT_EQ(Label(1), "Move Down S");
    game.PressKey(sf::Keyboard::S);  // down to the DOWN row
    game.PressKey(sf::Keyboard::Return);
    EXPECT_EQ(gOptions.rows[1].waiting, 1);
    game.PressKey(sf::Keyboard::Z);  // bound to UP: ignored, still waiting
    game.PressKey(sf::Keyboard::S);  // bound to DOWN itself: ignored too
    EXPECT_EQ(gOptions.rows[1].waiting, 1);
    EXPECT_EQ(gSettings.keys.down, sf::Keyboard::S);
    game.PressKey(sf::Keyboard::P);
    EXPECT_EQ(gOptions.rows[1].waiting, 0);
    EXPECT_EQ(gSettings.keys.down, sf::Keyboard::P);
    EXPECT_EQ(Label(1), "Move Down P");
    EXPECT_NE(SettingsFile().find("DOWN 15\n"), std::string::npos);
    EXPECT_EQ(gOptions.keyCursor, 1);  // the cursor stays on the row
}

TEST(OptionsScreen, RebindingEnterMakesTheNewKeyConfirm) {
    OptionsGame game;
    for (int i = 0; i < 4; ++i)
        game.PressKey(sf::Keyboard::S);
    game.PressKey(sf::Keyboard::Return);
    EXPECT_EQ(gOptions.rows[KEY_ENTER].waiting, 1);
    game.PressKey(sf::Keyboard::K);
    EXPECT_EQ(gSettings.keys.enter, sf::Keyboard::K);
    EXPECT_EQ(Label(KEY_ENTER), "Press Select/Next K");
    game.PressKey(sf::Keyboard::Return);  // no longer confirms
    EXPECT_EQ(gOptions.editing, 0);
    game.PressKey(sf::Keyboard::K);
    EXPECT_EQ(gOptions.rows[KEY_ENTER].waiting, 1);
}

TEST(OptionsScreen, ClicksStartARowWaitingButNotWhileOneWaits) {
    OptionsGame game;
    game.Step(0.01f);
    const auto centre = [](int row) {
        const sf::FloatRect b = gOptions.rows[static_cast<size_t>(row)].sprite.getGlobalBounds();
        return sf::Vector2i(static_cast<int>(b.left + b.width / 2), static_cast<int>(b.top + b.height / 2));
    };
    game.Click(centre(3));
    EXPECT_EQ(gOptions.rows[3].waiting, 1);
    game.Step(0.01f);
    game.Click(centre(5));
    EXPECT_EQ(gOptions.rows[5].waiting, 0);
}

TEST(OptionsScreen, VolumesMoveByHalvesBetweenTheEndsAndTheFileIsWrittenOnEveryPress) {
    OptionsGame game;
    game.PressKey(sf::Keyboard::D);       // to the volume column, general bar
    game.PressKey(sf::Keyboard::S);       // the music bar
    game.PressKey(sf::Keyboard::Return);  // selected
    EXPECT_EQ(gOptions.bars[VOLUME_MUSIC].selected, 1);
    game.PressKey(sf::Keyboard::Q);
    EXPECT_FLOAT_EQ(gSettings.volumeMusic, 9.5f);
    EXPECT_NE(SettingsFile().find("MUSIC 9.500000\n"), std::string::npos);
    for (int i = 0; i < 30; ++i)
        game.PressKey(sf::Keyboard::Q);
    EXPECT_FLOAT_EQ(gSettings.volumeMusic, 0.0f);
    std::filesystem::remove(SETTINGS_PATH);
    game.PressKey(sf::Keyboard::Q);  // nothing below 0, yet the file is written again
    EXPECT_FLOAT_EQ(gSettings.volumeMusic, 0.0f);
    EXPECT_NE(SettingsFile().find("MUSIC 0.000000\n"), std::string::npos);
    const sf::FloatRect bar = gOptions.bars[VOLUME_GENERAL].bar.getGlobalBounds();
    EXPECT_NEAR(gOptions.bars[VOLUME_MUSIC].cursor.getPosition().x, bar.left, 0.01f);
    for (int i = 0; i < 45; ++i)
        game.PressKey(sf::Keyboard::D);
    EXPECT_FLOAT_EQ(gSettings.volumeMusic, 20.0f);
    EXPECT_NEAR(gOptions.bars[VOLUME_MUSIC].cursor.getPosition().x, bar.left + bar.width, 0.01f);
    EXPECT_FLOAT_EQ(gSettings.volumeGeneral, 10.0f);  // only the selected bar moves
    EXPECT_FLOAT_EQ(MusicVolume(), 200.0f);
    std::filesystem::remove(SETTINGS_PATH);
    game.PressKey(sf::Keyboard::Escape);  // ends the adjustment, and is written too
    EXPECT_EQ(gOptions.bars[VOLUME_MUSIC].selected, 0);
    EXPECT_NE(SettingsFile().find("MUSIC 20.000000\n"), std::string::npos);
}

TEST(OptionsScreen, TheArrowStandsBesideEachEntryOnEveryDesktop) {
    for (auto [width, height] : {std::pair{1920u, 1080u}, {2560u, 1440u}, {1920u, 1200u}}) {
        SCOPED_TRACE(testing::Message() << width << "x" << height);
        ResetGameRecords();
        OptionsGame game({width, height});
        const float s = gScreen.scale;
        EXPECT_EQ(gOptions.arrow.getPosition(), sf::Vector2f(540, 220) * s);
        game.PressKey(sf::Keyboard::S);
        EXPECT_EQ(gOptions.arrow.getPosition(), sf::Vector2f(540, 320) * s);
        game.PressKey(sf::Keyboard::D);
        for (float y : {225.0f, 475.0f, 725.0f}) {
            EXPECT_NEAR(gOptions.arrow.getPosition().x, 1300 * s, 0.01f);
            EXPECT_NEAR(gOptions.arrow.getPosition().y, y * s, 0.01f);
            const sf::FloatRect bar =
                gOptions.bars[static_cast<size_t>(gOptions.volumeCursor)].bar.getGlobalBounds();
            EXPECT_GT(gOptions.arrow.getPosition().x, bar.left + bar.width);  // beside its bar
            EXPECT_NEAR(gOptions.arrow.getPosition().y, bar.top + bar.height / 2, 30 * s);
            game.PressKey(sf::Keyboard::S);
        }
        game.PressKey(sf::Keyboard::Q);  // back to the key rows, on the first
        EXPECT_EQ(gOptions.arrow.getPosition(), sf::Vector2f(540, 220) * s);
        EXPECT_EQ(gOptions.keyCursor, 0);
    }
}

TEST(OptionsScreen, TheBackEntryReturnsToTheTitleAndEachOpeningStartsAfresh) {
    OptionsGame game;
    game.PressKey(sf::Keyboard::D);
    for (int i = 0; i < 8; ++i)
        game.PressKey(sf::Keyboard::S);
    game.PressKey(sf::Keyboard::Q);
    for (int i = 0; i < 9; ++i)
        game.PressKey(sf::Keyboard::S);
    EXPECT_EQ(gOptions.keyCursor, OPTIONS_BACK_ENTRY);
    game.Step(0.01f);
    EXPECT_EQ(gOptions.back.getTexture(), &gOptions.backHighlighted);
    game.PressKey(sf::Keyboard::Return);
    EXPECT_EQ(gStates.menuScreen, MENU_MAIN);
    game.HoldKey(sf::Keyboard::S);  // Options again: the title's cursor starts on Play
    game.PressKey(sf::Keyboard::S);
    game.HoldKey(sf::Keyboard::S, false);
    game.PressKey(sf::Keyboard::Return);
    ASSERT_EQ(gStates.menuScreen, MENU_OPTIONS);
    EXPECT_EQ(gOptions.keyCursor, 0);
    EXPECT_EQ(gOptions.column, 0);
}

TEST(OptionsScreen, FromThePauseMenuReturnIsPassedOnAndEscapeGoesBackToTheGame) {
    YardGame game;
    game.PressKey(gSettings.keys.escape);
    game.PressKey(gSettings.keys.down);
    game.PressKey(sf::Keyboard::Return);  // Options, and the same press on the UP row
    ASSERT_EQ(gStates.roamingOverlay, OVERLAY_OPTIONS);
    EXPECT_EQ(gOptions.rows[KEY_UP].waiting, 1);
    game.PressKey(sf::Keyboard::U);
    EXPECT_EQ(gSettings.keys.up, sf::Keyboard::U);
    game.Step(0.01f);
    game.Capture();  // drawn over the map
    for (int i = 0; i < 7; ++i)
        game.PressKey(gSettings.keys.down);
    game.PressKey(sf::Keyboard::Return);  // the back entry does nothing over the game
    EXPECT_EQ(gStates.roamingOverlay, OVERLAY_OPTIONS);
    EXPECT_EQ(gStates.gameMode, MODE_GAME);
    game.PressKey(gSettings.keys.escape);
    EXPECT_EQ(gStates.roamingOverlay, OVERLAY_NONE);
}

}  // namespace
