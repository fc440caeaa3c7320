#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/KeyNames.h"
#include "core/Log.h"
#include "core/Mixer.h"
#include "core/Music.h"
#include "core/Settings.h"
#include "core/SoundEffects.h"
#include "support/Files.h"
#include "support/GameHarness.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* DEFAULT_SETTINGS_FILE =
    "UP 25\nDOWN 18\nRIGHT 3\nLEFT 16\nENTER 58\nESCAPE 36\nINVENTORY 60\n"
    "VOLUME 10.000000\nMUSIC 10.000000\nSOUNDS 10.000000\n";

void ResetAudioAndSettings() {
    ResetSettings();
    ResetSoundEffectPool();
    ResetMusicPlayer();
}

class SettingsFile : public testing::Test {
protected:
    void SetUp() override { ResetAudioAndSettings(); }
    void TearDown() override { ResetAudioAndSettings(); }
    ScratchFolder folder;
    LogCapture log;
};

TEST_F(SettingsFile, MissingFileIsCreatedWithTheTenDefaultLines) {
    LoadSettings();
    EXPECT_EQ(log.text, "Fail to open file\n");
    EXPECT_EQ(ReadWholeFile(SETTINGS_PATH), DEFAULT_SETTINGS_FILE);
    EXPECT_EQ(CurrentKeyCodes(), (KeyCodes{25, 18, 3, 16, 58, 36, 60}));
    EXPECT_EQ(CurrentVolumes(), (Volumes{10.0f, 10.0f, 10.0f}));
    EXPECT_FLOAT_EQ(MusicVolume(), 100.0f);
    EXPECT_FLOAT_EQ(EffectsVolume(), 100.0f);
}

TEST_F(SettingsFile, AMissingOrMalformedLineKeepsItsDefaultTheOthersAreReadAndTheFileIsMadeWhole) {
    WriteWholeFile(SETTINGS_PATH,
                   "UP 73\nDOWN 74\nLEFT 71\nENTER 57\nESCAPE 15\nINVENTORY 8\n"
                   "VOLUME loud\nMUSIC 2.5\n\n   SOUNDS   20\n");
    LoadSettings();
    EXPECT_EQ(log.text, "");
    // RIGHT is missing and VOLUME damaged: both keep their defaults, and the rest is read.
    EXPECT_EQ(CurrentKeyCodes(), (KeyCodes{73, 74, 3, 71, 57, 15, 8}));
    EXPECT_EQ(CurrentVolumes(), (Volumes{10.0f, 2.5f, 20.0f}));
    EXPECT_EQ(ReadWholeFile(SETTINGS_PATH),
              "UP 73\nDOWN 74\nRIGHT 3\nLEFT 71\nENTER 57\nESCAPE 15\nINVENTORY 8\n"
              "VOLUME 10.000000\nMUSIC 2.500000\nSOUNDS 20.000000\n");
}

TEST_F(SettingsFile, AnEmptyOrCutFilePlaysWithTheDefaultsNotWithAAndSilence) {
    for (const char* text : {"", "UP 73\nDOWN 7", "UP 73\nDOWN 74\nRIGHT 3\nLEFT 16\nENTER 58\nESC"}) {
        SCOPED_TRACE(testing::Message() << '"' << text << '"');
        ResetSettings();
        WriteWholeFile(SETTINGS_PATH, text);
        LoadSettings();
        const KeyCodes keys = CurrentKeyCodes();
        EXPECT_EQ(keys[KEY_ENTER], 58);
        EXPECT_EQ(keys[KEY_ESCAPE], 36);
        EXPECT_EQ(keys[KEY_INVENTORY], 60);
        EXPECT_EQ(CurrentVolumes(), (Volumes{10.0f, 10.0f, 10.0f}));
        EXPECT_FLOAT_EQ(MusicVolume(), 100.0f);
        // Written back whole: ten lines, readable as they are.
        const std::string written = ReadWholeFile(SETTINGS_PATH);
        EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 10);
        EXPECT_NE(written.find("ESCAPE 36\n"), std::string::npos);
    }
}

// The options move volumes by halves: a hand-written value between two steps is taken to the nearest
// one at every start, never reset to the default.
// The window and the pad's buttons are extra lines found by their key word after the ten: a file
// without them reads as before, one damaged keeps its default, and a rewrite keeps the ones set.
TEST_F(SettingsFile, ExtraLinesAreFoundByTheirKeyWordAndKeptWhenTheFileIsWritten) {
    WriteWholeFile(SETTINGS_PATH, std::string(DEFAULT_SETTINGS_FILE) +
                                      "PAD_BACK 40\nWINDOWED 1\nPAD_CONFIRM 5\nPAD_PAUSE x\n");
    LoadSettings();
    EXPECT_TRUE(gSettings.windowed);
    EXPECT_EQ(gSettings.padButtons[PAD_CONFIRM], 5);
    EXPECT_EQ(gSettings.padButtons[PAD_BACK], PAD_BUTTON_OF_THE_MAKE);  // past the last button
    EXPECT_EQ(gSettings.padButtons[PAD_PAUSE], PAD_BUTTON_OF_THE_MAKE);
    EXPECT_EQ(PadButtonFor(PadState{}, PAD_CONFIRM), 5);
    EXPECT_EQ(PadButtonFor(PadState{}, PAD_PAUSE), 7);                            // an Xbox pad's Start
    EXPECT_EQ(PadButtonFor(PadState{.vendorId = SONY_VENDOR_ID}, PAD_PAUSE), 9);  // a Sony pad's Options
    SaveSettings(CurrentKeyCodes(), CurrentVolumes());
    EXPECT_EQ(ReadWholeFile(SETTINGS_PATH),
              std::string(DEFAULT_SETTINGS_FILE) + "WINDOWED 1\nPAD_CONFIRM 5\n");
    WriteWholeFile(SETTINGS_PATH, DEFAULT_SETTINGS_FILE);
    LoadSettings();
    EXPECT_FALSE(gSettings.windowed);
    EXPECT_EQ(ReadWholeFile(SETTINGS_PATH), DEFAULT_SETTINGS_FILE);
}

TEST_F(SettingsFile, AVolumeBetweenTwoStepsIsTakenToTheNearestStep) {
    WriteWholeFile(SETTINGS_PATH,
                   "UP 25\nDOWN 18\nRIGHT 3\nLEFT 16\nENTER 58\nESCAPE 36\nINVENTORY 60\n"
                   "VOLUME 10.3\nMUSIC 7.26\nSOUNDS 19.9\n");
    for (int start = 0; start < 2; ++start) {
        ResetSettings();
        LoadSettings();
        EXPECT_EQ(CurrentVolumes(), (Volumes{10.5f, 7.5f, 20.0f})) << "start " << start;
    }
}

TEST_F(SettingsFile, ValuesOutOfRangeAreUnreadable) {
    WriteWholeFile(SETTINGS_PATH,
                   "UP 4000000000\nDOWN -2\nRIGHT 102\nLEFT 16x\nENTER +58\nESCAPE 36\nINVENTORY -1\n"
                   "VOLUME 1e9\nMUSIC -1\nSOUNDS nan\n");
    LoadSettings();
    EXPECT_EQ(CurrentKeyCodes(), (KeyCodes{25, 18, 3, 16, 58, 36, -1}));
    EXPECT_EQ(CurrentVolumes(), (Volumes{10.0f, 10.0f, 10.0f}));
}

TEST_F(SettingsFile, SaveSettingsReplacesTheWholeFileInOneStepAndMakesTheValuesCurrent) {
    LoadSettings();
    SaveSettings({22, 18, 3, 16, 57, 36, 60}, {0.5f, 20.0f, 0.0f});
    EXPECT_EQ(ReadWholeFile(SETTINGS_PATH),
              "UP 22\nDOWN 18\nRIGHT 3\nLEFT 16\nENTER 57\nESCAPE 36\nINVENTORY 60\n"
              "VOLUME 0.500000\nMUSIC 20.000000\nSOUNDS 0.000000\n");
    for (const auto& entry : fs::directory_iterator("Assets/Config"))
        EXPECT_EQ(entry.path().filename(), "Config.txt");  // no temporary file left behind
    EXPECT_EQ(gSettings.keys.up, 22);
    EXPECT_EQ(gSettings.keys.enter, 57);
    EXPECT_FLOAT_EQ(MusicVolume(), 10.0f);
    EXPECT_FLOAT_EQ(EffectsVolume(), 0.0f);
    // Read back at the next start.
    ResetSettings();
    LoadSettings();
    EXPECT_EQ(gSettings.keys.up, 22);
    EXPECT_FLOAT_EQ(gSettings.volumeMusic, 20.0f);
}

TEST_F(SettingsFile, AFolderThatRefusesTheFileLeavesTheGameRunningWithTheValuesInMemory) {
    // A plain file where the Config folder should be refuses every open, even to root.
    fs::remove_all("Assets/Config");
    WriteWholeFile("Assets/Config", "not a folder");
    LoadSettings();
    EXPECT_EQ(CurrentKeyCodes(), (KeyCodes{25, 18, 3, 16, 58, 36, 60}));
    EXPECT_EQ(CurrentVolumes(), (Volumes{10.0f, 10.0f, 10.0f}));
    EXPECT_EQ(log.text.rfind("Fail to open file\n", 0), 0u);
    log.text.clear();
    SaveSettings({1, 2, 3, 4, 5, 6, 7}, {1.0f, 2.0f, 3.0f});
    EXPECT_EQ(log.text, "Fail to open file\n");
    EXPECT_EQ(gSettings.keys.inventory, 7);
    EXPECT_FLOAT_EQ(gSettings.volumeSounds, 3.0f);
    EXPECT_EQ(ReadWholeFile("Assets/Config"), "not a folder");
}

TEST_F(SettingsFile, TheMixerCarriesNewVolumesToThePlayingMusicAndEffectsAtOnce) {
    LoadSettings();
    WriteToneFile("tone.wav", 5.0f);
    PlayMusic("tone.wav");
    PlaySoundEffect("tone.wav");
    PlaySoundEffect("tone.wav");
    ASSERT_TRUE(gMusic.currentMusic);
    EXPECT_FLOAT_EQ(gMusic.currentMusic->getVolume(), 100.0f);
    SaveSettings(CurrentKeyCodes(), {5.0f, 4.0f, 2.0f});
    ApplyVolumes();
    EXPECT_FLOAT_EQ(gMusic.currentMusic->getVolume(), 20.0f);
    ASSERT_EQ(gSoundEffects.effects.size(), 2u);
    for (const auto& effect : gSoundEffects.effects)
        EXPECT_FLOAT_EQ(effect->sound.getVolume(), 10.0f);
}

// The options show these names; a code outside the keyboard has none, and the options refuse it.
TEST(KeyName, GivesTheDisplayNameOfAKeyAndNothingForCodesOutsideTheKeyboard) {
    EXPECT_STREQ(KeyName(58), "Enter");
    for (int32_t code : {-1, 102, 1 << 20})
        EXPECT_STREQ(KeyName(code), "") << code;
}

}  // namespace
