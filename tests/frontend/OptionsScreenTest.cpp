// The options screen as a player uses it: rebinding keys, moving the volumes, the back entry, and the
// same screen opened over the game from the pause menu.

#include <gtest/gtest.h>

#include <filesystem>

#include "core/Music.h"
#include "core/Settings.h"
#include "frontend/OptionsScreen.h"
#include "support/Files.h"
#include "support/Saves.h"
#include "support/Scenes.h"

namespace {

using sf::Keyboard;

void OpenFromTitle(GameHarness& game) {
    game.HoldKey(Keyboard::S);  // the title's cursor follows the held DOWN key
    game.PressKey(Keyboard::S);
    game.HoldKey(Keyboard::S, false);
    game.PressKey(Keyboard::Return);
}

// The title menu, then Options.
struct OptionsGame : GameHarness {
    OptionsGame() {
        OpenTitleMenu(*this);
        OpenFromTitle(*this);
    }
    OptionsScreen& Options() { return Find<OptionsMenuScreen>()->options; }
    std::string Label(int row) { return Options().rows[static_cast<size_t>(row)].label.getString(); }
};

std::string SettingsFile() {
    return ReadWholeFile(SETTINGS_PATH);
}

TEST(OptionsScreen, RebindingDownWaitsForAFreeKeyAndWritesItAtOnce) {
    OptionsGame game;
    ASSERT_EQ(game.Top(), SCREEN_OPTIONS);
    EXPECT_EQ(game.Label(KEY_DOWN), "Move Down S");
    game.PressKey(Keyboard::S);  // down to the DOWN row
    game.PressKey(Keyboard::Return);
    for (const int32_t refused :
         {Keyboard::Z, Keyboard::S, Keyboard::F, Keyboard::Return, Keyboard::Unknown}) {
        game.PressKey(refused);  // bound already, kept by the game, or not a key the game can tell apart
        EXPECT_EQ(game.Options().rows[KEY_DOWN].waiting, 1) << refused;
        EXPECT_FALSE(game.Options().refusal.getString().isEmpty()) << refused;
    }
    EXPECT_EQ(gSettings.keys.down, Keyboard::S);
    game.PressKey(Keyboard::P);
    EXPECT_EQ(game.Options().rows[KEY_DOWN].waiting, 0);
    EXPECT_EQ(gSettings.keys.down, Keyboard::P);
    EXPECT_EQ(game.Label(KEY_DOWN), "Move Down P");
    EXPECT_NE(SettingsFile().find("DOWN 15\n"), std::string::npos);
    EXPECT_EQ(game.Options().keyCursor, KEY_DOWN);  // the cursor stays on the row
    // Chosen by mistake (or from a pad, which has no free key to give): ESCAPE lets the row go.
    game.PressKey(Keyboard::Return);
    game.PressKey(Keyboard::Escape);
    EXPECT_EQ(game.Options().rows[KEY_DOWN].waiting, 0);
    EXPECT_EQ(gSettings.keys.down, Keyboard::P);
}

TEST(OptionsScreen, RebindingEnterMakesTheNewKeyConfirm) {
    OptionsGame game;
    for (int i = 0; i < KEY_ENTER; ++i)
        game.PressKey(Keyboard::S);
    game.PressKey(Keyboard::Return);
    game.PressKey(Keyboard::K);
    EXPECT_EQ(gSettings.keys.enter, Keyboard::K);
    EXPECT_EQ(game.Label(KEY_ENTER), "Press Select/Next K");
    game.PressKey(Keyboard::Return);  // no longer confirms
    EXPECT_EQ(game.Options().editing, 0);
    game.PressKey(Keyboard::K);
    EXPECT_EQ(game.Options().rows[KEY_ENTER].waiting, 1);
}

// A click on a row while a volume bar is selected lets the bar go: LEFT then goes to the row, not the bar.
TEST(OptionsScreen, ClicksStartARowWaitingButNotWhileOneWaits) {
    OptionsGame game;
    game.Step(0.01f);
    const auto centre = [&](int row) {
        const sf::FloatRect b = game.Options().rows[static_cast<size_t>(row)].sprite.getGlobalBounds();
        return sf::Vector2i(static_cast<int>(b.left + b.width / 2), static_cast<int>(b.top + b.height / 2));
    };
    game.PressKey(Keyboard::D);  // the general volume bar
    game.PressKey(Keyboard::Return);
    ASSERT_EQ(game.Options().bars[VOLUME_GENERAL].selected, 1);
    game.Click(centre(3));
    EXPECT_EQ(game.Options().rows[3].waiting, 1);
    EXPECT_EQ(game.Options().bars[VOLUME_GENERAL].selected, 0);
    game.PressKey(Keyboard::Q);
    EXPECT_FLOAT_EQ(gSettings.volumeGeneral, 10.0f);
    game.Step(0.01f);
    game.Click(centre(5));
    EXPECT_EQ(game.Options().rows[5].waiting, 0);
}

TEST(OptionsScreen, VolumesMoveByHalvesBetweenTheEndsAndTheFileIsWrittenOnEveryPress) {
    OptionsGame game;
    game.PressKey(Keyboard::D);       // to the volume column, general bar
    game.PressKey(Keyboard::S);       // the music bar
    game.PressKey(Keyboard::Return);  // selected
    game.PressKey(Keyboard::Q);
    EXPECT_FLOAT_EQ(gSettings.volumeMusic, 9.5f);
    EXPECT_NE(SettingsFile().find("MUSIC 9.500000\n"), std::string::npos);
    for (int i = 0; i < 30; ++i)
        game.PressKey(Keyboard::Q);
    std::filesystem::remove(SETTINGS_PATH);
    game.PressKey(Keyboard::Q);  // nothing below 0, yet the file is written again
    EXPECT_FLOAT_EQ(gSettings.volumeMusic, 0.0f);
    EXPECT_NE(SettingsFile().find("MUSIC 0.000000\n"), std::string::npos);
    const VolumeBar& music = game.Options().bars[VOLUME_MUSIC];
    const sf::FloatRect bar = game.Options().bars[VOLUME_GENERAL].bar.getGlobalBounds();
    EXPECT_NEAR(music.cursor.getPosition().x, bar.left, 0.01f);
    for (int i = 0; i < 45; ++i)
        game.PressKey(Keyboard::D);
    EXPECT_FLOAT_EQ(gSettings.volumeMusic, 20.0f);
    EXPECT_NEAR(music.cursor.getPosition().x, bar.left + bar.width, 0.01f);
    EXPECT_FLOAT_EQ(gSettings.volumeGeneral, 10.0f);  // only the selected bar moves
    std::filesystem::remove(SETTINGS_PATH);
    game.PressKey(Keyboard::Escape);  // ends the adjustment, and is written too
    EXPECT_EQ(music.selected, 0);
    EXPECT_NE(SettingsFile().find("MUSIC 20.000000\n"), std::string::npos);
}

TEST(OptionsScreen, TheBackEntryReturnsToTheTitleAndEachOpeningStartsAfresh) {
    OptionsGame game;
    game.PressKey(Keyboard::D);
    game.PressKey(Keyboard::S);
    game.PressKey(Keyboard::Q);  // back to the key rows, on the first
    for (int i = 0; i < OPTIONS_BACK_ENTRY + 2; ++i)
        game.PressKey(Keyboard::S);
    EXPECT_EQ(game.Options().keyCursor, OPTIONS_BACK_ENTRY);
    game.PressKey(Keyboard::Return);
    EXPECT_EQ(game.Top(), SCREEN_TITLE);
    OpenFromTitle(game);
    ASSERT_EQ(game.Top(), SCREEN_OPTIONS);
    EXPECT_EQ(game.Options().keyCursor, 0);
    EXPECT_EQ(game.Options().column, 0);
}

// Over the game the music goes on, and follows the volume at once; the back entry does nothing there,
// ESCAPE goes back to the map.
TEST(OptionsScreen, OverTheGameTheMusicPlayingFollowsTheVolume) {
    GameHarness game;
    EnterMap(game, "GoblinVillage", 2);
    game.PressKey(Keyboard::Escape);
    game.PressKey(Keyboard::S);
    game.PressKey(Keyboard::Return);
    ASSERT_EQ(game.Top(), SCREEN_OPTIONS);
    ASSERT_TRUE(MusicIsPlaying());
    EXPECT_FLOAT_EQ(gMusic.currentMusic->getVolume(), 100.0f);
    game.PressKey(Keyboard::D);
    game.PressKey(Keyboard::S);
    game.PressKey(Keyboard::Return);
    for (int i = 0; i < 4; ++i)
        game.PressKey(Keyboard::Q);
    EXPECT_FLOAT_EQ(gMusic.currentMusic->getVolume(), 80.0f);  // music 8 x general 10
    game.PressKey(Keyboard::Return);
    game.PressKey(Keyboard::Q);
    for (int i = 0; i < OPTIONS_BACK_ENTRY; ++i)
        game.PressKey(Keyboard::S);
    game.PressKey(Keyboard::Return);
    EXPECT_EQ(game.Top(), SCREEN_OPTIONS);
    EXPECT_EQ(game.Mode(), MODE_GAME);
    game.PressKey(Keyboard::Escape);
    EXPECT_EQ(game.Top(), SCREEN_ROAMING);
    EXPECT_TRUE(MusicIsPlaying());
}

}  // namespace
