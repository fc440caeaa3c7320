// The sounds of fishing: the hooked fish thrashing in the water while the hero holds the line, and the
// little jingle of a fish landed. Both are made of the same splash, a hiss of noise falling in pitch over
// the "plop" of water closing, with droplets pattering after it.

#include "AssetGroups.h"
#include "AssetRegistry.h"
#include "EffectKit.h"
#include "Rng.h"
#include "Sequencer.h"

namespace {

const std::string FISHING_SOUNDS = "Sounds/Fishing/";

// One splash: a short spray of noise whose pitch falls as the water drops back, the plop of the surface
// closing (a sine bent upwards) and droplets and bubbles, tiny rising blips, pattering just after.
void AddSplash(std::vector<float>& spray, std::vector<float>& water, float start, float size, Rng& rng) {
    const Instrument hiss = Sweep(WAVE_NOISE, {0.002f, 0.03f + 0.05f * size, 0.0f, 0.02f}, -12.0f, 0.08f);
    const Instrument plop = Sweep(WAVE_SINE, {0.002f, 0.045f, 0.0f, 0.02f}, 12.0f, 0.04f);
    const Instrument droplet = Sweep(WAVE_SINE, {0.001f, 0.022f, 0.0f, 0.01f}, 7.0f, 0.025f);
    Strike(spray, hiss, 3500.0 + 2000.0 * RandomUnit(rng), start, 0.6f + 0.4f * size);
    Strike(water, plop, 220.0 + 120.0 * RandomUnit(rng), start + 0.008f, 0.6f + 0.4f * size);
    for (int drop = 0; drop < 5; ++drop) {
        Strike(water, droplet, 600.0 + 1400.0 * RandomUnit(rng), start + 0.02f + 0.07f * RandomUnit(rng),
               0.2f + 0.25f * RandomUnit(rng));
    }
}

// The fish fighting the line: splash after splash at an uneven pace, with the slap of its tail on the
// water under the bigger ones.
StereoMix FishStruggle() {
    const float seconds = 0.95f;
    std::vector<float> spray = Silence(seconds), water = Silence(seconds);
    const Instrument slap = Sweep(WAVE_SINE, {0.001f, 0.06f, 0.0f, 0.02f}, -10.0f, 0.06f);
    Rng rng = MakeRng(0xF15Bu);
    const float starts[7] = {0.0f, 0.12f, 0.25f, 0.34f, 0.49f, 0.62f, 0.74f};
    const float sizes[7] = {1.0f, 0.5f, 0.9f, 0.4f, 1.0f, 0.6f, 0.8f};
    for (int splash = 0; splash < 7; ++splash) {
        AddSplash(spray, water, starts[splash], sizes[splash], rng);
        if (sizes[splash] > 0.7f) Strike(water, slap, 120.0, starts[splash], sizes[splash]);
    }
    SmoothVoice(spray, 3000.0f);
    SmoothVoice(spray, 5000.0f);
    SmoothVoice(water, 5000.0f);
    MixInto(water, spray, 0.8f);
    return FinishEffect(water, -3.0f);
}

// A chime: triangle for the body, a sine an octave up for the glass.
void AddChime(std::vector<float>& voice, const char* note, float start, float gate, float level) {
    const Instrument body{.waveform = WAVE_TRIANGLE, .adsr = {0.005f, 0.1f, 0.4f, 0.2f}};
    const Instrument glass{.waveform = WAVE_SINE, .adsr = {0.003f, 0.15f, 0.2f, 0.25f}, .gain = 0.5f};
    Play(voice, body, Pitch(note), start, gate, level);
    Play(voice, glass, Pitch(note) * 2.0, start, gate, level);
}

// The fish lifted out with a splash, then G C E G climbing to a ringing C over a warm bass: a catch!
StereoMix FishGot() {
    const float seconds = 1.25f;
    std::vector<float> spray = Silence(seconds), tune = Silence(seconds);
    Rng rng = MakeRng(0xCA7Cu);
    AddSplash(spray, tune, 0.0f, 1.0f, rng);
    const Instrument lead{.waveform = WAVE_SQUARE,
                          .duty = 0.25f,
                          .adsr = {0.003f, 0.06f, 0.45f, 0.1f},
                          .gain = 0.35f,
                          .vibratoSemitones = 0.12f,
                          .vibratoHz = 6.0f,
                          .vibratoDelay = 0.12f};
    const Instrument bass{.waveform = WAVE_TRIANGLE, .adsr = {0.005f, 0.1f, 0.6f, 0.2f}, .gain = 0.7f};
    const char* notes[5] = {"G5", "C6", "E6", "G6", "C7"};
    for (int step = 0; step < 5; ++step) {
        const float start = 0.16f + 0.075f * static_cast<float>(step);
        const float gate = step == 4 ? 0.5f : 0.06f;
        Play(tune, lead, Pitch(notes[step]), start, gate);
        AddChime(tune, notes[step], start, gate, step == 4 ? 1.0f : 0.7f);
    }
    Play(tune, bass, Pitch("C4"), 0.16f, 0.2f);
    Play(tune, bass, Pitch("G3"), 0.39f, 0.1f, 0.8f);
    Play(tune, bass, Pitch("C4"), 0.46f, 0.5f);
    SmoothVoice(spray, 3000.0f);
    SmoothVoice(spray, 5000.0f);
    SmoothVoice(tune, 8000.0f);
    MixInto(tune, spray, 0.6f);
    return FinishEffect(tune, -3.0f);
}

}  // namespace

void GenerateFishingSounds(AssetWriter& writer) {
    WriteSound(writer, FISHING_SOUNDS + "FishStruggle.wav", FishStruggle(), 1);
    WriteSound(writer, FISHING_SOUNDS + "FishGot.wav", FishGot(), 1);
}
