// The battle's sounds and music as a player hears them: effects short, never clipping or clicking, as loud
// as the menu's and never mistaken for one another; the two-hit blows heard as two hits, the heals rising;
// the battle and game-over themes looping on whole bars, as loud as the title theme, and never dropping out.

#include "GeneratedTree.h"
#include "assetgen/Sequencer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

const std::string FRIENDLY = "Sounds/Battle/Friendly/";
const std::string ENEMY = "Sounds/Battle/Enemy/";

const std::vector<std::string> BATTLE_EFFECTS = {FRIENDLY + "NormalAttack.wav",
                                                 FRIENDLY + "DoubleAttack.wav",
                                                 FRIENDLY + "Heal.wav",
                                                 FRIENDLY + "MegaHeal.wav",
                                                 FRIENDLY + "MagicSingleAttack.wav",
                                                 FRIENDLY + "MagicDoubleAttack.wav",
                                                 FRIENDLY + "PotionConsume.wav",
                                                 FRIENDLY + "ReviveSpell.wav",
                                                 FRIENDLY + "ParalysisAttack.wav",
                                                 FRIENDLY + "InfoSkill.wav",
                                                 FRIENDLY + "TransfertSkill.wav",
                                                 ENEMY + "DogAttack.wav",
                                                 ENEMY + "Slash.wav"};

SoundFacts Load(const std::string& path) {
    return ReadSound(Generated(0).root / path);
}

// Both ears averaged, in -1..1.
std::vector<float> Mono(const SoundFacts& sound) {
    std::vector<float> mono;
    if (sound.channels == 0) return mono;
    for (std::size_t i = 0; i + sound.channels <= sound.samples.size(); i += sound.channels) {
        float sum = 0.0f;
        for (unsigned channel = 0; channel < sound.channels; ++channel)
            sum += sound.samples[i + channel];
        mono.push_back(sum / static_cast<float>(sound.channels) / 32768.0f);
    }
    return mono;
}

double RmsDbfs(const std::vector<float>& samples, std::size_t from = 0, std::size_t to = SIZE_MAX) {
    to = std::min(to, samples.size());
    double sum = 0.0;
    for (std::size_t i = from; i < to; ++i)
        sum += static_cast<double>(samples[i]) * samples[i];
    const double mean = to > from ? sum / static_cast<double>(to - from) : 0.0;
    return mean <= 0.0 ? -200.0 : 10.0 * std::log10(mean);
}

double RmsDbfs(const SoundFacts& sound) {
    std::vector<float> all;
    for (sf::Int16 sample : sound.samples)
        all.push_back(sample / 32768.0f);
    return RmsDbfs(all);
}

// Loudness in 5 ms frames.
std::vector<double> Envelope(const std::vector<float>& mono) {
    const std::size_t frame = 44100 / 200;
    std::vector<double> envelope;
    for (std::size_t from = 0; from + frame <= mono.size(); from += frame) {
        double sum = 0.0;
        for (std::size_t i = from; i < from + frame; ++i)
            sum += static_cast<double>(mono[i]) * mono[i];
        envelope.push_back(std::sqrt(sum / frame));
    }
    return envelope;
}

// Times the sound swells past 30% of its loudest after having sunk under 10% of it: the hits an ear
// counts.
int CountHits(const std::vector<float>& mono) {
    const std::vector<double> envelope = Envelope(mono);
    if (envelope.empty()) return 0;
    const double loudest = *std::max_element(envelope.begin(), envelope.end());
    int hits = 0;
    bool quiet = true;
    for (double level : envelope) {
        if (quiet && level > loudest * 0.3) {
            ++hits;
            quiet = false;
        } else if (level < loudest * 0.1) {
            quiet = true;
        }
    }
    return hits;
}

// How often the wave crosses zero per second in a stretch: it follows the pitch of a tone and the
// brightness of a noise.
double CrossingsPerSecond(const std::vector<float>& mono, double fromShare, double toShare) {
    const auto from = static_cast<std::size_t>(fromShare * static_cast<double>(mono.size()));
    const auto to = static_cast<std::size_t>(toShare * static_cast<double>(mono.size()));
    int crossings = 0;
    for (std::size_t i = from + 1; i < to; ++i)
        if ((mono[i - 1] < 0.0f) != (mono[i] < 0.0f)) ++crossings;
    return crossings * 44100.0 / static_cast<double>(to - from);
}

// The share of the energy in each octave from 125 Hz to 8 kHz and the bands either side, in dB.
std::vector<double> OctaveProfile(const std::vector<float>& mono) {
    std::vector<double> bands;
    std::vector<float> below = mono;  // what is left under the current edge
    double total = 0.0;
    for (float sample : mono)
        total += static_cast<double>(sample) * sample;
    for (double edge = 8000.0; edge >= 125.0; edge /= 2.0) {
        const double alpha = 1.0 - std::exp(-6.283185307 * edge / 44100.0);
        std::vector<float> lows(below.size());
        double state = 0.0, energy = 0.0;
        for (std::size_t i = 0; i < below.size(); ++i) {
            state += alpha * (below[i] - state);
            lows[i] = static_cast<float>(state);
            const double high = below[i] - state;
            energy += high * high;
        }
        bands.push_back(10.0 * std::log10(energy / total + 1e-9));
        below = lows;
    }
    double rest = 0.0;
    for (float sample : below)
        rest += static_cast<double>(sample) * sample;
    bands.push_back(10.0 * std::log10(rest / total + 1e-9));
    return bands;
}

}  // namespace

TEST(BattleSounds, EffectsAreShortCleanAndAsLoudAsTheMenuSounds) {
    const double reference =
        (RmsDbfs(Load("Sounds/Interface/Button.wav")) + RmsDbfs(Load("Sounds/Outside/ItemPickup.wav"))) / 2.0;
    for (const std::string& path : BATTLE_EFFECTS) {
        const SoundFacts sound = Load(path);
        ASSERT_GE(sound.samples.size(), 100u) << path;
        EXPECT_EQ(sound.sampleRate, 44100u) << path;
        EXPECT_TRUE(sound.channels == 1 || sound.channels == 2) << path;
        EXPECT_GE(sound.seconds, 0.15) << path;
        EXPECT_LE(sound.seconds, 1.2) << path;
        EXPECT_LE(PeakDbfs(sound.samples), -1.0) << path;
        EXPECT_GE(PeakDbfs(sound.samples), -12.0) << path << " is too quiet to hear over the music";
        EXPECT_NEAR(RmsDbfs(sound), reference, 6.0) << path;
        for (unsigned channel = 0; channel < sound.channels; ++channel) {
            EXPECT_LE(std::abs(sound.samples[channel]), 64) << path;
            EXPECT_LE(std::abs(sound.samples[sound.samples.size() - sound.channels + channel]), 64) << path;
        }
    }
}

TEST(BattleSounds, NoTwoEffectsSoundAlike) {
    struct Print {
        std::string path;
        double seconds;
        std::vector<double> octaves;
    };
    std::vector<Print> prints;
    for (const std::string& path : BATTLE_EFFECTS) {
        const SoundFacts sound = Load(path);
        ASSERT_FALSE(sound.samples.empty()) << path;
        prints.push_back({path, sound.seconds, OctaveProfile(Mono(sound))});
    }
    for (std::size_t a = 0; a < prints.size(); ++a) {
        for (std::size_t b = a + 1; b < prints.size(); ++b) {
            double widest = 0.0;
            for (std::size_t band = 0; band < prints[a].octaves.size(); ++band)
                widest = std::max(widest, std::fabs(prints[a].octaves[band] - prints[b].octaves[band]));
            const double lengths = std::fabs(prints[a].seconds - prints[b].seconds);
            EXPECT_TRUE(lengths >= 0.05 || widest >= 3.0)
                << prints[a].path << " and " << prints[b].path << " differ by " << lengths << " s and by "
                << widest << " dB in their most different octave";
        }
    }
}

TEST(BattleSounds, TwoHitMovesAreHeardAsTwoHits) {
    struct Expected {
        std::string path;
        int hits;
    };
    const Expected table[] = {
        {FRIENDLY + "NormalAttack.wav", 1},      {FRIENDLY + "DoubleAttack.wav", 2},
        {FRIENDLY + "MagicSingleAttack.wav", 1}, {FRIENDLY + "MagicDoubleAttack.wav", 2},
        {FRIENDLY + "InfoSkill.wav", 2},
    };
    for (const Expected& expected : table)
        EXPECT_EQ(CountHits(Mono(Load(expected.path))), expected.hits) << expected.path;
}

TEST(BattleSounds, HealsRiseAndTheTransferFallsThenClimbs) {
    for (const char* name : {"Heal.wav", "MegaHeal.wav", "ReviveSpell.wav"}) {
        const std::vector<float> mono = Mono(Load(FRIENDLY + name));
        EXPECT_GT(CrossingsPerSecond(mono, 0.4, 0.6), CrossingsPerSecond(mono, 0.0, 0.2)) << name;
    }
    const std::vector<float> transfer = Mono(Load(FRIENDLY + "TransfertSkill.wav"));
    const double start = CrossingsPerSecond(transfer, 0.02, 0.12);
    const double middle = CrossingsPerSecond(transfer, 0.4, 0.5);
    const double end = CrossingsPerSecond(transfer, 0.8, 0.9);
    EXPECT_LT(middle, start * 0.7);
    EXPECT_LT(middle, end * 0.7);
}

TEST(BattleSounds, ThemesLoopOnWholeBarsAsLoudAsTheTitleTheme) {
    struct Theme {
        const char* path;
        float bpm;
        long minBars;
        double minSeconds;
        double maxSeconds;
    };
    const double title = RmsDbfs(Load("Musics/Title.wav"));
    for (const Theme& theme : {Theme{"Musics/Battle.wav", 150.0f, 24, 30.0, 45.0},
                               Theme{"Musics/GameOver.wav", 70.0f, 6, 15.0, 25.0}}) {
        const SoundFacts music = Load(theme.path);
        ASSERT_EQ(music.channels, 2u) << theme.path;
        EXPECT_EQ(music.sampleRate, 44100u) << theme.path;
        EXPECT_GE(music.seconds, theme.minSeconds) << theme.path;
        EXPECT_LE(music.seconds, theme.maxSeconds) << theme.path;
        const long frames = static_cast<long>(music.samples.size() / music.channels);
        const long bar = BeatsToSamples(4.0f, theme.bpm);
        EXPECT_EQ(frames % bar, 0) << theme.path;
        EXPECT_GE(frames / bar, theme.minBars) << theme.path;
        EXPECT_LE(PeakDbfs(music.samples), -1.0) << theme.path;
        EXPECT_NEAR(RmsDbfs(music), title, 3.0) << theme.path;
        for (unsigned channel = 0; channel < 2; ++channel) {
            EXPECT_LE(std::abs(music.samples[channel]), 64) << theme.path;
            EXPECT_LE(std::abs(music.samples[music.samples.size() - 2 + channel]), 64) << theme.path;
        }
    }
}

// A bar gone quiet in the middle of a fight is a track that slipped; the lament is sparse but never stops.
TEST(BattleSounds, EveryBarOfTheThemesIsHeard) {
    struct Theme {
        const char* path;
        float bpm;
        double allowedDrop;  // dB under the whole piece's loudness
    };
    for (const Theme& theme :
         {Theme{"Musics/Battle.wav", 150.0f, 6.0}, Theme{"Musics/GameOver.wav", 70.0f, 10.0}}) {
        const std::vector<float> mono = Mono(Load(theme.path));
        const double whole = RmsDbfs(mono);
        const auto bar = static_cast<std::size_t>(BeatsToSamples(4.0f, theme.bpm));
        for (std::size_t from = 0; from + bar <= mono.size(); from += bar) {
            EXPECT_GT(RmsDbfs(mono, from, from + bar), whole - theme.allowedDrop)
                << theme.path << " bar " << from / bar + 1;
        }
    }
}
