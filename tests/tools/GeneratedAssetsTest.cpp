// The files the asset generator writes, as the game and the player meet them: same bytes on every run,
// the exact names and sizes the screens load, only palette colours, and sounds that never clip or click.

#include "GeneratedTree.h"
#include "assetgen/AssetRegistry.h"
#include "assetgen/Palette.h"
#include "assetgen/Sequencer.h"
#include "support/Files.h"

#include <SFML/Graphics/Image.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

const std::string BUTTON_FOLDER = "Sprites/Menu/Button/";

}  // namespace

TEST(GeneratedAssets, TwoRunsWriteIdenticalBytes) {
    const GeneratedTree& first = Generated(0);
    const GeneratedTree& second = Generated(1);
    EXPECT_EQ(first.writer.failures, 0);
    ASSERT_EQ(first.writer.written, second.writer.written);
    for (const std::string& file : first.writer.written)
        EXPECT_TRUE(ReadWholeFile(first.root / file) == ReadWholeFile(second.root / file)) << file;
}

TEST(GeneratedAssets, PicturesHaveTheSizesTheScreensExpect) {
    struct Expected {
        std::string path;
        unsigned width;
        unsigned height;
    };
    const Expected table[] = {
        {"Sprites/Menu/Background.png", 1920, 1080},
        {"Sprites/Start/Logo/Quendal.png", 800, 400},
        {"Sprites/Start/Logo/Brisvane.png", 800, 400},
        {"Sprites/battle/BattleHUD/InfoBackground.png", 175, 170},
        {BUTTON_FOLDER + "Play non appuy\xE9.png", 320, 76},
        {BUTTON_FOLDER + "Quit appuy\xE9.png", 320, 76},
    };
    for (const Expected& expected : table) {
        sf::Image image;
        ASSERT_TRUE(image.loadFromFile((Generated(0).root / expected.path).string())) << expected.path;
        EXPECT_EQ(image.getSize(), sf::Vector2u(expected.width, expected.height)) << expected.path;
    }
}

TEST(GeneratedAssets, ButtonNamesCarryTheSingleByteEAcute) {
    const char* labels[] = {"Play", "Options", "Credits", "Quit"};
    for (const char* label : labels)
        for (const char* state : {" non appuy\xE9.png", " appuy\xE9.png"}) {
            const std::string name = BUTTON_FOLDER + label + state;
            EXPECT_TRUE(fs::exists(Generated(0).root / name)) << name;
        }
    for (const std::string& file : Generated(0).writer.written)
        EXPECT_EQ(file.find("\xC3\xA9"), std::string::npos) << "UTF-8 é in " << file;
}

TEST(GeneratedAssets, HighlightedButtonsDifferFromNormalOnes) {
    for (const char* label : {"Play", "Options", "Credits", "Quit"}) {
        const fs::path folder = Generated(0).root / BUTTON_FOLDER;
        EXPECT_NE(ReadWholeFile(folder / (std::string(label) + " non appuy\xE9.png")),
                  ReadWholeFile(folder / (std::string(label) + " appuy\xE9.png")))
            << label;
    }
}

TEST(GeneratedAssets, EveryVisiblePixelIsAPaletteColour) {
    for (const std::string& file : Generated(0).writer.written) {
        if (fs::path(file).extension() != ".png") continue;
        sf::Image image;
        ASSERT_TRUE(image.loadFromFile((Generated(0).root / file).string())) << file;
        int strangers = 0;
        for (unsigned y = 0; y < image.getSize().y; y += 2)
            for (unsigned x = 0; x < image.getSize().x; x += 2) {
                const sf::Color colour = image.getPixel(x, y);
                if (colour.a > 0 && !IsPaletteColour(colour)) ++strangers;
            }
        EXPECT_EQ(strangers, 0) << file;
    }
}

TEST(GeneratedAssets, TitleButtonColumnHoldsNoTitleOrVillageGold) {
    sf::Image image;
    ASSERT_TRUE(image.loadFromFile((Generated(0).root / "Sprites/Menu/Background.png").string()));
    for (unsigned y = 380; y < 770; y += 4)
        for (unsigned x = 1480; x < 1860; x += 4) {
            const sf::Color colour = image.getPixel(x, y);
            ASSERT_FALSE(colour == Pal(PAL_GOLD_MID) || colour == Pal(PAL_GOLD_LIGHT)) << x << "," << y;
        }
}

TEST(GeneratedAssets, SoundsPeakUnderMinusOneDbfsAndLastAsLong) {
    struct Expected {
        std::string path;
        double minSeconds;
        double maxSeconds;
    };
    const Expected table[] = {
        {"Sounds/Interface/Button.wav", 0.06, 0.09},
        {"Sounds/Interface/ButtonConfirm.wav", 0.2, 0.35},
        {"Musics/Title.wav", 30.0, 40.0},
        {"Sounds/Outside/GrassWalk.wav", 0.35, 0.45},
        {"Sounds/Inside/StoneWalk.wav", 0.35, 0.45},
        {"Sounds/ChangeMap/ChangePos.wav", 0.05, 0.3},
        {"Musics/Roaming.wav", 45.0, 60.0},
    };
    for (const Expected& expected : table) {
        const SoundFacts sound = ReadSound(Generated(0).root / expected.path);
        ASSERT_FALSE(sound.samples.empty()) << expected.path;
        EXPECT_EQ(sound.sampleRate, 44100u) << expected.path;
        EXPECT_LE(PeakDbfs(sound.samples), -1.0) << expected.path;
        EXPECT_GE(sound.seconds, expected.minSeconds) << expected.path;
        EXPECT_LE(sound.seconds, expected.maxSeconds) << expected.path;
    }
}

TEST(GeneratedAssets, SoundsStartAndEndOnSilenceSoLoopsAndOneShotsDoNotClick) {
    for (const char* path :
         {"Sounds/Interface/Button.wav", "Sounds/Interface/ButtonConfirm.wav", "Musics/Title.wav",
          "Sounds/Outside/GrassWalk.wav", "Sounds/Inside/StoneWalk.wav", "Sounds/ChangeMap/ChangePos.wav",
          "Musics/Roaming.wav"}) {
        const SoundFacts sound = ReadSound(Generated(0).root / path);
        ASSERT_GE(sound.samples.size(), 4u) << path;
        for (unsigned channel = 0; channel < sound.channels; ++channel) {
            EXPECT_LE(std::abs(sound.samples[channel]), 64) << path;
            EXPECT_LE(std::abs(sound.samples[sound.samples.size() - sound.channels + channel]), 64) << path;
        }
    }
}

TEST(GeneratedAssets, LoopingThemesLastWholeBarsSoTheLoopKeepsTheBeat) {
    struct Theme {
        const char* path;
        float bpm;
        long minBars;
    };
    for (const Theme& theme :
         {Theme{"Musics/Title.wav", 112.0f, 16}, Theme{"Musics/Roaming.wav", 100.0f, 19}}) {
        const SoundFacts music = ReadSound(Generated(0).root / theme.path);
        ASSERT_EQ(music.channels, 2u) << theme.path;
        const long frames = static_cast<long>(music.samples.size() / music.channels);
        const long bar = BeatsToSamples(4.0f, theme.bpm);
        EXPECT_EQ(frames % bar, 0) << theme.path;
        EXPECT_GE(frames / bar, theme.minBars) << theme.path;
    }
}
