// The sounds of walking the world: soft footsteps on grass and on stone (each file holds two steps, left
// and right, replayed for as long as the hero walks, so they stay quiet and a little different from each
// other), and the tick of the world map's marker moving between places.

#include "AssetGroups.h"
#include "AssetRegistry.h"
#include "EffectKit.h"
#include "Sequencer.h"

namespace {

// Each step is a brush of filtered noise (the blades) with a softer, darker second brush as the foot rolls.
StereoMix GrassSteps() {
    const Instrument brush{WAVE_NOISE, 0.5f, {0.012f, 0.07f, 0.0f, 0.03f}, 1.0f, 0.0f, 0.0f, 0.0f,
                           0.0f,       0.0f};
    const Instrument roll{WAVE_NOISE, 0.5f, {0.02f, 0.06f, 0.0f, 0.03f}, 1.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f};
    std::vector<float> voice = Silence(0.42f);
    Play(voice, brush, 9000.0, 0.0f, 0.05f, 1.0f);
    Play(voice, roll, 4200.0, 0.035f, 0.04f, 0.5f);
    Play(voice, brush, 7600.0, 0.21f, 0.045f, 0.8f);
    Play(voice, roll, 3600.0, 0.24f, 0.05f, 0.45f);
    SmoothVoice(voice, 3200.0f);
    SmoothVoice(voice, 5000.0f);
    return FinishEffect(voice, -12.0f);
}

// A heel tap (a bright tick and a small low knock) then the toe, softer; the second step lands lighter.
StereoMix StoneSteps() {
    const Instrument tick{WAVE_NOISE, 0.5f, {0.001f, 0.018f, 0.0f, 0.008f}, 1.0f, 0.0f, 0.0f, 0.0f,
                          0.0f,       0.0f};
    const Instrument knock{WAVE_SINE, 0.5f, {0.002f, 0.05f, 0.0f, 0.01f}, 1.0f, -7.0f, 0.05f, 0.0f,
                           0.0f,      0.0f};
    std::vector<float> clicks = Silence(0.40f), body = Silence(0.40f);
    const float steps[2][2] = {{0.0f, 1.0f}, {0.2f, 0.75f}};
    for (int step = 0; step < 2; ++step) {
        const float start = steps[step][0], level = steps[step][1];
        Play(clicks, tick, step == 0 ? 12000.0 : 10500.0, start, 0.01f, level);
        Play(clicks, tick, 8000.0, start + 0.045f, 0.006f, level * 0.45f);
        Play(body, knock, step == 0 ? 190.0 : 170.0, start, 0.02f, level);
    }
    KeepHighs(clicks, 1800.0f);
    SmoothVoice(clicks, 7000.0f);
    for (std::size_t i = 0; i < clicks.size(); ++i)
        clicks[i] = clicks[i] * 1.2f + body[i] * 0.5f;
    return FinishEffect(clicks, -11.0f);
}

// A woody two-note tock falling a fourth: rounder and lower than the menu's blip, so the map feels apart.
StereoMix MarkerTock() {
    const Instrument wood{WAVE_SINE, 0.5f, {0.001f, 0.06f, 0.0f, 0.02f}, 1.0f, -0.4f, 0.05f, 0.0f,
                          0.0f,      0.0f};
    const Instrument shimmer{WAVE_TRIANGLE, 0.5f, {0.001f, 0.03f, 0.0f, 0.01f}, 0.35f, 0.0f, 0.0f, 0.0f,
                             0.0f,          0.0f};
    std::vector<float> voice = Silence(0.16f);
    Play(voice, wood, NoteFrequency(NoteNumber("A5")), 0.0f, 0.03f);
    Play(voice, shimmer, NoteFrequency(NoteNumber("A6")), 0.0f, 0.015f);
    Play(voice, wood, NoteFrequency(NoteNumber("E5")), 0.045f, 0.05f, 0.8f);
    SmoothVoice(voice, 6000.0f);
    return FinishEffect(voice, -6.0f);
}

}  // namespace

void GenerateWorldSounds(AssetWriter& writer) {
    WriteSound(writer, "Sounds/Outside/GrassWalk.wav", GrassSteps(), 1);
    WriteSound(writer, "Sounds/Inside/StoneWalk.wav", StoneSteps(), 1);
    WriteSound(writer, "Sounds/ChangeMap/ChangePos.wav", MarkerTock(), 1);
}
