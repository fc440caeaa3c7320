// The sounds of carrying and buying: a bright three-note pick-up, a coin "ka-ching" at the shop counter,
// and the soft tick of the shop's cursor, lower and shorter than the menu blip so the two never blur.

#include "AssetGroups.h"
#include "AssetRegistry.h"
#include "EffectKit.h"
#include "Sequencer.h"

namespace {

void Play(std::vector<float>& voice, const Instrument& instrument, const char* note, float start,
          float gate) {
    Play(voice, instrument, Pitch(note), start, gate);
}

// The shop's sounds are softened before they are finished.
StereoMix Finish(std::vector<float>& voice, float cutoffHz, float peakDb) {
    SmoothVoice(voice, cutoffHz);
    return FinishEffect(voice, peakDb);
}

// C6, E6, G6 rising fast, the last one left to ring: something found.
StereoMix ItemPickup() {
    Instrument lead{WAVE_SQUARE, 0.25f, {0.002f, 0.04f, 0.4f, 0.08f}, 0.5f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f};
    Instrument body{WAVE_TRIANGLE, 0.5f, {0.002f, 0.05f, 0.5f, 0.1f}, 0.8f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f};
    std::vector<float> voice = Silence(0.32f);
    const char* notes[3] = {"C6", "E6", "G6"};
    for (int step = 0; step < 3; ++step) {
        const float start = 0.045f * static_cast<float>(step), gate = step == 2 ? 0.1f : 0.035f;
        Play(voice, lead, notes[step], start, gate);
        Play(voice, body, notes[step], start, gate);
    }
    return Finish(voice, 7000.0f, -3.0f);
}

// A metallic tick of noise, then two high coin notes: money on the counter.
StereoMix BuyConfirm() {
    Instrument tick{WAVE_NOISE, 0.5f, {0.001f, 0.02f, 0.0f, 0.01f}, 0.35f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f};
    Instrument coin{WAVE_SQUARE, 0.125f, {0.001f, 0.08f, 0.3f, 0.14f}, 0.5f, 0.0f, 0.0f, 0.1f, 9.0f, 0.05f};
    Instrument ring{WAVE_SINE, 0.5f, {0.001f, 0.1f, 0.4f, 0.18f}, 0.7f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f};
    std::vector<float> voice = Silence(0.42f);
    Play(voice, tick, "C7", 0.0f, 0.02f);
    Play(voice, coin, "B5", 0.01f, 0.05f);
    Play(voice, ring, "B6", 0.01f, 0.05f);
    Play(voice, coin, "E6", 0.07f, 0.15f);
    Play(voice, ring, "E7", 0.07f, 0.15f);
    return Finish(voice, 9000.0f, -3.0f);
}

// A short pulse that drops a little: one notch along the shelf.
StereoMix ChangePos() {
    Instrument pulse{WAVE_SQUARE, 0.25f, {0.001f, 0.03f, 0.0f, 0.015f}, 0.6f, -4.0f, 0.035f, 0.0f,
                     0.0f,        0.0f};
    std::vector<float> voice = Silence(0.06f);
    Play(voice, pulse, "A5", 0.0f, 0.035f);
    return Finish(voice, 4000.0f, -8.0f);
}

}  // namespace

void GenerateContentSounds(AssetWriter& writer) {
    WriteSound(writer, "Sounds/Outside/ItemPickup.wav", ItemPickup(), 1);
    WriteSound(writer, "Sounds/Shop/BuyConfirm.wav", BuyConfirm(), 1);
    WriteSound(writer, "Sounds/Interface/ChangePos.wav", ChangePos(), 1);
}
