// The overworld theme heard while walking the maps: warm and gently adventurous, F major at 100 beats per
// minute, twenty bars (an A of eight, a B of eight that climbs, and a short A' of four ending on C) that
// loop. Its voice differs from the title: a hollow square lead, off-beat strummed chords and an oom-pah
// bass. Every voice rests on the last beat, so the seam back into the first F is clean.

#include "AssetGroups.h"
#include "AssetRegistry.h"
#include "Sequencer.h"

#include <array>

namespace {

const float ROAM_BPM = 100.0f;
const int ROAM_BARS = 20;

const char* const ROAM_MELODY =
    // A: setting out
    "C5 4, F5 4, A5 4., G5 8 | F5 4, D5 4, A4 2 | Bb4 8, C5 8, D5 4, F5 4, D5 4 | C5 2., R 4 |"
    "C5 4, F5 4, A5 4, C6 4 | E5 4, A5 8, G5 8, E5 2 | D5 8, F5 8, Bb5 4, G5 8, E5 8, C5 4 | F5 2., R 4 |"
    // B: over the hills
    "A5 4., G5 8, F5 4, D5 4 | D5 4, F5 8, D5 8, Bb4 2 | C5 4., D5 8, F5 4, A5 4 | G5 2, E5 4, C5 4 |"
    "D5 8, E5 8, F5 8, G5 8, A5 4, D6 4 | C6 4., Bb5 8, A5 4, G5 4 | F5 4, G5 8, A5 8, Bb5 4, D5 4 |"
    "E5 2, G5 4, R 4 |"
    // A': the road goes on
    "A5 4, C6 8, A5 8, F5 4, C5 4 | D5 4, F5 8, Bb5 8, A5 4, F5 4 | G5 4., F5 8, E5 4, G5 4 |"
    "C5 4, E5 8, G5 8, C5 4, R 4";

const std::array<const char*, static_cast<std::size_t>(ROAM_BARS) * 2> ROAM_CHORDS{
    "F",  "F",  "Dm", "Dm", "Bb", "Bb", "C",  "C",  "F",  "F", "Am", "Am", "Bb", "C",
    "F",  "F",  "Dm", "Dm", "Bb", "Bb", "F",  "F",  "C",  "C", "Dm", "Dm", "Gm", "Gm",
    "Bb", "Bb", "C",  "C",  "F",  "F",  "Bb", "Bb", "Gm", "C", "C",  "C"};

struct RoamVoicing {
    const char* name;
    const char* chord[3];
    const char* bass[2];  // root and fifth
};

const RoamVoicing ROAM_VOICINGS[] = {
    {"F", {"F3", "A3", "C4"}, {"F2", "C3"}},    {"Dm", {"F3", "A3", "D4"}, {"D2", "A2"}},
    {"Bb", {"F3", "Bb3", "D4"}, {"Bb1", "F2"}}, {"C", {"E3", "G3", "C4"}, {"C2", "G2"}},
    {"Am", {"E3", "A3", "C4"}, {"A1", "E2"}},   {"Gm", {"G3", "Bb3", "D4"}, {"G1", "D2"}},
};

const RoamVoicing& RoamVoicingOf(const std::string& name) {
    for (const RoamVoicing& voicing : ROAM_VOICINGS)
        if (name == voicing.name) return voicing;
    return ROAM_VOICINGS[0];
}

// One chord tone of the off-beat strum: rest on the beat, chord on the "and".
std::string StrumTrack(int tone) {
    std::string text;
    for (int half = 0; half < ROAM_BARS * 2; ++half) {
        const std::string note = RoamVoicingOf(ROAM_CHORDS[static_cast<std::size_t>(half)]).chord[tone];
        text += half == ROAM_BARS * 2 - 1 ? "R 8, " + note + " 8, R 4,"
                                          : "R 8, " + note + " 8, R 8, " + note + " 8,";
    }
    return text;
}

std::string BassTrack() {
    std::string text;
    for (int half = 0; half < ROAM_BARS * 2; ++half) {
        const RoamVoicing& chord = RoamVoicingOf(ROAM_CHORDS[static_cast<std::size_t>(half)]);
        if (half == ROAM_BARS * 2 - 1) {
            text += "E2 4, R 4,";  // climbs towards the F of the first bar, then breathes
        } else {
            text += std::string(chord.bass[0]) + " 4, " + chord.bass[1] + " 4,";
        }
    }
    return text;
}

// A light arpeggio lifts the B section and falls silent elsewhere.
std::string ArpeggioTrack() {
    std::string text;
    for (int half = 0; half < ROAM_BARS * 2; ++half) {
        const bool inB = half >= 16 && half < 32;
        const RoamVoicing& chord = RoamVoicingOf(ROAM_CHORDS[static_cast<std::size_t>(half)]);
        if (!inB) {
            text += "R 2,";
            continue;
        }
        const int order[4] = {0, 1, 2, 1};
        for (const int tone : order) {
            std::string note = chord.chord[tone];
            note.back() = static_cast<char>(note.back() + 1);  // an octave up
            text += note + " 8,";
        }
    }
    return text;
}

std::string DrumTrack(const char* bar, const char* lastBar) {
    std::string text;
    for (int index = 0; index < ROAM_BARS; ++index)
        text += std::string(index == ROAM_BARS - 1 ? lastBar : bar) + ",";
    return text;
}

std::vector<float> RenderRoam(const std::string& text, const Instrument& instrument, float legato,
                              float startBeat = 0.0f) {
    std::vector<float> voice(static_cast<std::size_t>(BeatsToSamples(4.0f * ROAM_BARS, ROAM_BPM)), 0.0f);
    RenderTrack(voice, Track{ParseTrack(text), instrument, legato}, ROAM_BPM, startBeat, true);
    return voice;
}

const Instrument ROAM_LEAD{WAVE_SQUARE, 0.5f, {0.01f, 0.15f, 0.6f, 0.08f}, 1.0f, 0.0f, 0.0f, 0.15f,
                           5.0f,        0.25f};
const Instrument ROAM_STRUM{WAVE_SQUARE, 0.25f, {0.003f, 0.09f, 0.2f, 0.04f}, 1.0f, 0.0f, 0.0f, 0.0f,
                            0.0f,        0.0f};
const Instrument ROAM_BASS{WAVE_TRIANGLE, 0.5f, {0.004f, 0.12f, 0.7f, 0.05f}, 1.0f, 0.0f, 0.0f, 0.0f,
                           0.0f,          0.0f};
const Instrument ROAM_ARP{WAVE_TRIANGLE, 0.5f, {0.003f, 0.1f, 0.3f, 0.05f}, 1.0f, 0.0f, 0.0f, 0.0f,
                          0.0f,          0.0f};
const Instrument ROAM_KICK{WAVE_SINE, 0.5f, {0.001f, 0.1f, 0.0f, 0.01f}, 1.0f, -20.0f, 0.08f, 0.0f,
                           0.0f,      0.0f};
const Instrument ROAM_SHAKER{WAVE_NOISE, 0.5f, {0.004f, 0.035f, 0.0f, 0.01f}, 1.0f, 0.0f, 0.0f, 0.0f,
                             0.0f,       0.0f};

std::vector<PlacedVoice> RenderPlacedVoices() {
    std::vector<float> lead = RenderRoam(ROAM_MELODY, ROAM_LEAD, 0.9f);
    std::vector<float> echo = RenderRoam(ROAM_MELODY, ROAM_LEAD, 0.9f, 0.75f);
    SmoothVoice(lead, 3500.0f);  // the hollow square, rounded into a woodwind
    SmoothVoice(echo, 2500.0f);
    std::vector<PlacedVoice> voices;
    voices.push_back({std::move(lead), 0.3f, 0.0f});
    voices.push_back({std::move(echo), 0.08f, 0.5f});
    const float strumPans[3] = {-0.45f, -0.3f, -0.15f};
    for (int tone = 0; tone < 3; ++tone) {
        std::vector<float> strum = RenderRoam(StrumTrack(tone), ROAM_STRUM, 0.6f);
        SmoothVoice(strum, 4000.0f);
        voices.push_back({std::move(strum), 0.06f, strumPans[tone]});
    }
    voices.push_back({RenderRoam(BassTrack(), ROAM_BASS, 0.8f), 0.4f, 0.0f});
    std::vector<float> arpeggio = RenderRoam(ArpeggioTrack(), ROAM_ARP, 0.7f);
    voices.push_back({std::move(arpeggio), 0.1f, 0.4f});
    voices.push_back(
        {RenderRoam(DrumTrack("B2 4, R 4, B2 4, R 4", "B2 4, R 4, B2 4, R 4"), ROAM_KICK, 0.5f), 0.3f, 0.0f});
    voices.push_back({RenderRoam(DrumTrack("R 8, E9 8, R 8, E9 8, R 8, E9 8, R 8, E9 8",
                                           "R 8, E9 8, R 8, E9 8, R 8, E9 8, R 4"),
                                 ROAM_SHAKER, 0.5f),
                      0.05f, 0.25f});
    return voices;
}

}  // namespace

void GenerateRoamingMusic(AssetWriter& writer) {
    std::vector<PlacedVoice> voices = RenderPlacedVoices();
    StereoMix mix = MixVoices(voices);
    NormalisePeak(mix, 0.0f);
    SoftLimit(mix, 0.85f);
    NormalisePeak(mix, -1.0f);
    WriteSound(writer, "Musics/Roaming.wav", mix, 2);
}
