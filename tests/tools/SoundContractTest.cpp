// Every sound the generator writes, as the player hears it: at the rate the game mixes, never clipping,
// never clicking on or off, effects over before the next turn, themes that loop on the beat with no bar
// gone quiet, and no two effects so alike that two actions sound the same.

#include "GeneratedTree.h"
#include "assetgen/Sequencer.h"

#include <SFML/Audio/InputSoundFile.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

struct SoundFacts {
    std::vector<sf::Int16> samples;  // interleaved
    unsigned channels = 0;
    unsigned sampleRate = 0;
    double seconds = 0.0;
};

SoundFacts Load(const std::string& file) {
    SoundFacts facts;
    sf::InputSoundFile sound;
    EXPECT_TRUE(sound.openFromFile((Generated(0).root / file).string())) << file << " does not load";
    if (sound.getChannelCount() == 0) return facts;
    facts.channels = sound.getChannelCount();
    facts.sampleRate = sound.getSampleRate();
    facts.samples.resize(static_cast<std::size_t>(sound.getSampleCount()));
    sound.read(facts.samples.data(), facts.samples.size());
    facts.seconds = static_cast<double>(sound.getSampleCount()) / facts.channels / facts.sampleRate;
    return facts;
}

double PeakDbfs(const std::vector<sf::Int16>& samples) {
    int peak = 0;
    for (sf::Int16 sample : samples)
        peak = std::max(peak, std::abs(static_cast<int>(sample)));
    return 20.0 * std::log10(std::max(1, peak) / 32768.0);
}

// Both ears averaged, in -1..1.
std::vector<float> Mono(const SoundFacts& sound) {
    std::vector<float> mono;
    for (std::size_t i = 0; sound.channels > 0 && i + sound.channels <= sound.samples.size();
         i += sound.channels) {
        float sum = 0.0f;
        for (unsigned channel = 0; channel < sound.channels; ++channel)
            sum += sound.samples[i + channel];
        mono.push_back(sum / static_cast<float>(sound.channels) / 32768.0f);
    }
    return mono;
}

// Loudness of the samples from..to in dBFS; -200 for silence.
double RmsDbfs(const std::vector<float>& samples, std::size_t from, std::size_t to) {
    to = std::min(to, samples.size());
    double sum = 0.0;
    for (std::size_t i = from; i < to; ++i)
        sum += static_cast<double>(samples[i]) * samples[i];
    return sum > 0.0 ? 10.0 * std::log10(sum / static_cast<double>(to - from)) : -200.0;
}

// Each looping theme at the tempo its generator writes it, in quarter notes a minute, four to the bar.
struct Theme {
    const char* path;
    float bpm;
};
const Theme THEMES[] = {{"Musics/Title.wav", 112.0f},
                        {"Musics/Roaming.wav", 100.0f},
                        {"Musics/Battle.wav", 150.0f},
                        {"Musics/GameOver.wav", 70.0f}};

// A battle turn leaves two seconds before the next one sounds: no effect may ring past it.
constexpr double EFFECT_LONGEST_SECONDS = 2.0;
// Long enough not to tire the ear as it loops, short enough not to swell the game folder.
constexpr double THEME_SHORTEST_SECONDS = 15.0, THEME_LONGEST_SECONDS = 90.0;
// First and last samples within this of silence (-54 dBFS): no click as a sound starts, stops or loops.
constexpr int SILENCE = 64;
// A bar this far under its theme's loudness is a voice that dropped out.
constexpr double QUIET_BAR_DB = 12.0;

const Theme* ThemeOf(const std::string& file) {
    for (const Theme& theme : THEMES)
        if (file == theme.path) return &theme;
    return nullptr;
}

bool IsMusic(const std::string& file) {
    return file.rfind("Musics/", 0) == 0;
}

// What an ear tells apart cheaply: the length, and in sixteen slices the loudness against the loudest
// slice and the rate of zero crossings, which follows pitch and brightness.
struct Fingerprint {
    std::string file;
    double seconds = 0.0;
    std::vector<double> loudness, crossings;
};

Fingerprint FingerprintOf(const std::string& file) {
    const SoundFacts sound = Load(file);
    const std::vector<float> mono = Mono(sound);
    Fingerprint print{file, sound.seconds, {}, {}};
    const std::size_t slice = mono.size() / 16;
    for (std::size_t from = 0; slice > 0 && from + slice <= mono.size(); from += slice) {
        double energy = 0.0;
        int crossings = 0;
        for (std::size_t i = from; i < from + slice; ++i) {
            energy += static_cast<double>(mono[i]) * mono[i];
            crossings += i > from && (mono[i - 1] < 0.0f) != (mono[i] < 0.0f) ? 1 : 0;
        }
        print.loudness.push_back(std::sqrt(energy / static_cast<double>(slice)));
        print.crossings.push_back(crossings * 44100.0 / static_cast<double>(slice));
    }
    const double loudest =
        print.loudness.empty() ? 0.0 : *std::max_element(print.loudness.begin(), print.loudness.end());
    for (double& level : print.loudness)
        level /= std::max(loudest, 1e-9);
    return print;
}

// Under this distance, two effects are one sound copied, or one sound made louder or softer.
constexpr double ALIKE = 0.1;

// The widest difference between two prints, slice by slice: loudness as a share of the loudest, crossings
// as a share of the faster; two lengths that differ by more than 5% already tell the sounds apart.
double Distance(const Fingerprint& a, const Fingerprint& b) {
    if (std::fabs(a.seconds - b.seconds) > 0.05 * std::max(a.seconds, b.seconds)) return 1.0;
    double widest = 0.0;
    for (std::size_t i = 0; i < std::min(a.loudness.size(), b.loudness.size()); ++i) {
        widest = std::max(widest, std::fabs(a.loudness[i] - b.loudness[i]));
        const double faster = std::max({a.crossings[i], b.crossings[i], 1.0});
        widest = std::max(widest, std::fabs(a.crossings[i] - b.crossings[i]) / faster);
    }
    return widest;
}

}  // namespace

TEST(SoundContract, EverySoundIsAt44100HzAndNeverClips) {
    for (const std::string& file : BuiltFiles(".wav")) {
        const SoundFacts sound = Load(file);
        EXPECT_EQ(sound.sampleRate, 44100u) << file;
        EXPECT_TRUE(sound.channels == 1 || sound.channels == 2)
            << file << " has " << sound.channels << " channels";
        EXPECT_LE(PeakDbfs(sound.samples), -1.0)
            << file << " peaks at " << PeakDbfs(sound.samples) << " dBFS";
    }
}

TEST(SoundContract, EverySoundStartsAndEndsOnSilence) {
    for (const std::string& file : BuiltFiles(".wav")) {
        const SoundFacts sound = Load(file);
        for (unsigned channel = 0; channel < sound.channels; ++channel) {
            const int first = sound.samples[channel];
            const int last = sound.samples[sound.samples.size() - sound.channels + channel];
            EXPECT_LE(std::abs(first), SILENCE) << file << " starts with a click on channel " << channel;
            EXPECT_LE(std::abs(last), SILENCE) << file << " ends with a click on channel " << channel;
        }
    }
}

TEST(SoundContract, EffectsAreShortAndThemesLoopOnWholeBars) {
    for (const std::string& file : BuiltFiles(".wav")) {
        const SoundFacts sound = Load(file);
        if (!IsMusic(file)) {
            EXPECT_LE(sound.seconds, EFFECT_LONGEST_SECONDS) << file << " lasts " << sound.seconds << " s";
            continue;
        }
        const Theme* theme = ThemeOf(file);
        ASSERT_NE(theme, nullptr) << file << " is a theme without a tempo in this test";
        EXPECT_GE(sound.seconds, THEME_SHORTEST_SECONDS) << file << " lasts " << sound.seconds << " s";
        EXPECT_LE(sound.seconds, THEME_LONGEST_SECONDS) << file << " lasts " << sound.seconds << " s";
        const long frames = static_cast<long>(sound.samples.size() / std::max(1u, sound.channels));
        const long bar = BeatsToSamples(4.0f, theme->bpm);
        EXPECT_EQ(frames % bar, 0) << file << " stops " << frames % bar << " samples into a bar of " << bar
                                   << ": the loop stumbles on the beat";
    }
}

TEST(SoundContract, EveryBarOfEveryThemeIsHeard) {
    for (const Theme& theme : THEMES) {
        const std::vector<float> mono = Mono(Load(theme.path));
        const double whole = RmsDbfs(mono, 0, mono.size());
        const auto bar = static_cast<std::size_t>(BeatsToSamples(4.0f, theme.bpm));
        for (std::size_t from = 0; from + bar <= mono.size(); from += bar) {
            const double level = RmsDbfs(mono, from, from + bar);
            EXPECT_GT(level, whole - QUIET_BAR_DB) << theme.path << " bar " << from / bar + 1 << " is at "
                                                   << level << " dBFS, the theme at " << whole;
        }
    }
}

TEST(SoundContract, NoTwoEffectsSoundAlike) {
    std::vector<Fingerprint> prints;
    for (const std::string& file : BuiltFiles(".wav"))
        if (!IsMusic(file)) prints.push_back(FingerprintOf(file));
    for (std::size_t a = 0; a < prints.size(); ++a) {
        for (std::size_t b = a + 1; b < prints.size(); ++b) {
            EXPECT_GT(Distance(prints[a], prints[b]), ALIKE)
                << prints[a].file << " and " << prints[b].file << " sound alike: two actions, one sound";
        }
    }
}
