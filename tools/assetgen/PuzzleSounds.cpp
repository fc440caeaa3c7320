// The sounds of the puzzles: a bucket of water thrown on a fire (the splash, then the hiss of the embers
// dying), the bucket filling at the tub (a gurgling pour whose note climbs as the water rises), and the
// creak of a rope or rod drawn taut, which the game replays while the hero pulls, so it swells in and
// out of silence.

#include "AssetGroups.h"
#include "AssetRegistry.h"
#include "EffectKit.h"
#include "Rng.h"
#include "Sequencer.h"

#include <algorithm>
#include <cmath>

namespace {

const float SOUND_TWO_PI = 6.2831853f;

float SecondsOf(std::size_t sample) {
    return static_cast<float>(sample) / AUDIO_SAMPLE_RATE;
}

// White noise drawn from the generator's own random numbers, so every build writes the same bytes.
std::vector<float> Noise(std::size_t samples, std::uint32_t seed) {
    Rng rng = MakeRng(seed);
    std::vector<float> noise(samples);
    for (float& sample : noise)
        sample = RandomUnit(rng) * 2.0f - 1.0f;
    return noise;
}

// A resonant band-pass whose centre may move from sample to sample: the hollow of the bucket, the ring
// of the wood. Its peak gain is one whatever the width.
struct Resonator {
    float in1 = 0.0f, in2 = 0.0f, out1 = 0.0f, out2 = 0.0f;
};

float Resonate(Resonator& state, float input, float centreHz, float q) {
    const float w = SOUND_TWO_PI * centreHz / AUDIO_SAMPLE_RATE;
    const float alpha = std::sin(w) / (2.0f * q), norm = 1.0f + alpha;
    const float output =
        (alpha * input - alpha * state.in2 + 2.0f * std::cos(w) * state.out1 - (1.0f - alpha) * state.out2) /
        norm;
    state.in2 = state.in1;
    state.in1 = input;
    state.out2 = state.out1;
    state.out1 = output;
    return output;
}

// The water hits: a dull thump, a burst of wash and droplets thrown up, each droplet a short rising blip.
void AddSplash(std::vector<float>& voice) {
    const Instrument thump{WAVE_SINE, 0.5f, {0.002f, 0.1f, 0.0f, 0.03f}, 1.0f, -14.0f, 0.12f, 0.0f,
                           0.0f,      0.0f};
    Play(voice, thump, 190.0, 0.0f, 0.06f, 0.9f);
    std::vector<float> wash = Noise(voice.size(), 71);
    for (std::size_t i = 0; i < wash.size(); ++i) {
        const float t = SecondsOf(i);
        wash[i] *= std::min(1.0f, t / 0.006f) * std::exp(-t / 0.07f);
    }
    SmoothVoice(wash, 2600.0f);
    SmoothVoice(wash, 5200.0f);
    for (std::size_t i = 0; i < voice.size(); ++i)
        voice[i] += wash[i] * 1.6f;
    const Instrument droplet{WAVE_SINE, 0.5f, {0.001f, 0.025f, 0.0f, 0.01f}, 0.35f, 7.0f, 0.03f, 0.0f,
                             0.0f,      0.0f};
    const float drops[][2] = {{0.05f, 1400.0f}, {0.09f, 2100.0f}, {0.14f, 1150.0f},
                              {0.2f, 1800.0f},  {0.27f, 1500.0f}, {0.36f, 2300.0f}};
    for (const auto& drop : drops)
        Play(voice, droplet, drop[1], drop[0], 0.02f, 1.0f - drop[0]);
}

// Steam off the embers: high fizz rising just after the splash, sputtering, dying away to nothing.
void AddHiss(std::vector<float>& voice) {
    std::vector<float> hiss = Noise(voice.size(), 73), sputter = Noise(voice.size(), 79);
    KeepHighs(hiss, 2800.0f);
    SmoothVoice(hiss, 9000.0f);
    SmoothVoice(sputter, 18.0f);  // a slow wander, so the fizz comes in gusts
    const float start = 0.06f, end = SecondsOf(voice.size());
    for (std::size_t i = 0; i < voice.size(); ++i) {
        const float t = SecondsOf(i);
        if (t < start) continue;
        const float rise = std::min(1.0f, (t - start) / 0.09f);
        const float fall = std::pow(1.0f - (t - start) / (end - start), 2.2f);
        const float gust = std::clamp(0.7f + 6.0f * sputter[i], 0.25f, 1.2f);
        voice[i] += hiss[i] * rise * fall * gust * 0.6f;
    }
}

StereoMix FireExtinguish() {
    std::vector<float> voice = Silence(1.0f);
    AddSplash(voice);
    AddHiss(voice);
    return FinishEffect(voice, -3.0f, 0.004f);
}

// Water pouring into the bucket: a rush of noise ringing in the air left above the water, which shrinks
// as the bucket fills so the ring climbs, with bubbles gulping up through the stream, climbing too.
StereoMix WaterFill() {
    const float seconds = 0.95f;
    std::vector<float> voice = Silence(seconds);
    const std::vector<float> noise = Noise(voice.size(), 83);
    Resonator hollow, mouth;
    for (std::size_t i = 0; i < voice.size(); ++i) {
        const float t = SecondsOf(i), filled = t / seconds;
        const float centre = 420.0f * std::pow(2.0f, 1.6f * filled);
        const float flutter =
            0.75f + 0.25f * std::sin(SOUND_TWO_PI * 9.0f * t + 2.0f * std::sin(SOUND_TWO_PI * 2.3f * t));
        const float level = std::min(1.0f, t / 0.05f) * std::min(1.0f, (seconds - t) / 0.15f);
        voice[i] = (Resonate(hollow, noise[i], centre, 5.0f) +
                    0.4f * Resonate(mouth, noise[i], centre * 2.7f, 3.0f)) *
                   flutter * level;
    }
    const Instrument bubble{WAVE_SINE, 0.5f, {0.002f, 0.035f, 0.0f, 0.012f}, 0.45f, 6.0f, 0.035f, 0.0f,
                            0.0f,      0.0f};
    Rng rng = MakeRng(89);
    for (float t = 0.04f; t < seconds - 0.12f; t += 0.04f + 0.05f * RandomUnit(rng)) {
        const float base = 330.0f * std::pow(2.0f, 1.6f * t / seconds) * (0.85f + 0.3f * RandomUnit(rng));
        Play(voice, bubble, base, t, 0.02f, 0.6f + 0.4f * RandomUnit(rng));
    }
    SmoothVoice(voice, 6000.0f);
    return FinishEffect(voice, -4.0f, 0.004f);
}

// A rope or rod creaking under load: stick-slip, the fibres catching and letting go in quick uneven
// ticks, each ringing the wood's few hollow notes. It swells out of hush in two long pulls and sinks back.
StereoMix RodStrain() {
    const float seconds = 1.2f;
    std::vector<float> ticks = Silence(seconds);
    Rng rng = MakeRng(97);
    auto strain = [seconds](float t) {
        const float whole = std::sin(3.14159265f * t / seconds);
        return whole * whole * (0.7f + 0.3f * std::cos(SOUND_TWO_PI * (t / seconds - 0.25f) * 2.0f));
    };
    for (float t = 0.02f; t < seconds - 0.02f;) {
        const float pull = strain(t);
        const auto at = static_cast<std::size_t>(SecondsToSamplesF(t));
        ticks[at] += pull * (0.6f + 0.4f * RandomUnit(rng));
        const float rate = 30.0f + 120.0f * pull;  // the harder the pull, the faster the fibres slip
        t += (1.0f / rate) * (0.7f + 0.6f * RandomUnit(rng));
    }
    std::vector<float> voice(ticks.size(), 0.0f);
    Resonator low, middle, high;
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        const float tighten = 1.0f + 0.06f * strain(SecondsOf(i));  // the wood's notes rise as it tightens
        voice[i] = Resonate(low, ticks[i], 480.0f * tighten, 9.0f) +
                   0.7f * Resonate(middle, ticks[i], 1130.0f * tighten, 12.0f) +
                   0.35f * Resonate(high, ticks[i], 2450.0f * tighten, 10.0f);
    }
    SmoothVoice(voice, 7000.0f);
    return FinishEffect(voice, -5.0f, 0.02f);
}

}  // namespace

void GeneratePuzzleSounds(AssetWriter& writer) {
    WriteSound(writer, "Sounds/Puzzle/FireExtinguish.wav", FireExtinguish(), 1);
    WriteSound(writer, "Sounds/Puzzle/WaterFill.wav", WaterFill(), 1);
    WriteSound(writer, "Sounds/Fishing/RodStrain.wav", RodStrain(), 1);
}
