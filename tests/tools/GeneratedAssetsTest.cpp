// The files the asset generator writes, as the game and the player meet them: same bytes on every run,
// the exact names and sizes the screens load, only palette colours, and sounds that never clip or click.

#include "assetgen/AssetRegistry.h"
#include "assetgen/Palette.h"
#include "assetgen/Sequencer.h"
#include "support/Files.h"

#include <SFML/Audio/InputSoundFile.hpp>
#include <SFML/Graphics/Image.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Generation is the slow part, so one run serves every test of this file; determinism makes a second.
struct GeneratedTree {
    fs::path root;
    AssetWriter writer;
    ~GeneratedTree() {
        std::error_code ignored;
        if (!root.empty()) fs::remove_all(root, ignored);
    }
};

const GeneratedTree& Generated(int run) {
    static GeneratedTree trees[2];
    GeneratedTree& tree = trees[run];
    if (tree.root.empty()) {
        tree.root = fs::temp_directory_path() / ("velmoria-assetgen-" + std::to_string(getpid()) + "-" + std::to_string(run));
        fs::remove_all(tree.root);
        tree.writer.root = tree.root.string();
        tree.writer.quiet = true;
        GenerateAllAssets(tree.writer);
    }
    return tree;
}

struct SoundFacts {
    std::vector<sf::Int16> samples;
    unsigned channels = 0;
    unsigned sampleRate = 0;
    double seconds = 0.0;
};

SoundFacts ReadSound(const fs::path& path) {
    SoundFacts facts;
    sf::InputSoundFile file;
    if (!file.openFromFile(path.string())) return facts;
    facts.channels = file.getChannelCount();
    facts.sampleRate = file.getSampleRate();
    facts.samples.resize(static_cast<std::size_t>(file.getSampleCount()));
    file.read(facts.samples.data(), facts.samples.size());
    facts.seconds = static_cast<double>(file.getSampleCount()) / facts.channels / facts.sampleRate;
    return facts;
}

double PeakDbfs(const std::vector<sf::Int16>& samples) {
    int peak = 0;
    for (sf::Int16 sample : samples) peak = std::max(peak, std::abs(static_cast<int>(sample)));
    return 20.0 * std::log10(std::max(1, peak) / 32768.0);
}

const std::string BUTTON_FOLDER = "Sprites/Menu/Button/";

} // namespace

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
        {"Sprites/battle/BattleHUD/InfoBackground.png", 1280, 160},
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
    for (const char* path : {"Sounds/Interface/Button.wav", "Sounds/Interface/ButtonConfirm.wav", "Musics/Title.wav"}) {
        const SoundFacts sound = ReadSound(Generated(0).root / path);
        ASSERT_GE(sound.samples.size(), 4u) << path;
        for (unsigned channel = 0; channel < sound.channels; ++channel) {
            EXPECT_LE(std::abs(sound.samples[channel]), 64) << path;
            EXPECT_LE(std::abs(sound.samples[sound.samples.size() - sound.channels + channel]), 64) << path;
        }
    }
}

TEST(GeneratedAssets, TitleThemeLastsWholeBarsSoTheLoopKeepsTheBeat) {
    const SoundFacts music = ReadSound(Generated(0).root / "Musics/Title.wav");
    ASSERT_EQ(music.channels, 2u);
    const long frames = static_cast<long>(music.samples.size() / music.channels);
    const long bar = BeatsToSamples(4.0f, 112.0f);
    EXPECT_EQ(frames % bar, 0);
    EXPECT_GE(frames / bar, 16);
}
