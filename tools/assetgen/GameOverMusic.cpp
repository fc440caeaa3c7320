// The game-over lament: slow, sad and sparse, A minor at 70 beats per minute, six bars that loop. A soft
// flute-like lead sighs over held chords (Am, F, Dm, E, then Am-F and Dm-E), a low bass holds each chord,
// a faint bell rings on the first and third beats and a slow heartbeat thumps twice at each bar. The melody
// ends on G#, the leading tone, so the loop lifts back into the A of its first bar; every voice has died away
// before the seam.

#include "AssetGroups.h"
#include "AssetRegistry.h"
#include "Sequencer.h"

#include <array>

namespace {

const float LAMENT_BPM = 70.0f;
const int LAMENT_BARS = 6;

const char* const LAMENT_MELODY =
    "A4 4, C5 4, E5 2 | F5 4., E5 8, C5 2 | D5 4, F5 4, A5 4., G5 8 | F5 4, E5 4, G#4 2 |"
    "E5 4., D5 8, C5 4, A4 4 | D5 4, C5 8, B4 8, G#4 4, R 4";

const std::array<const char*, std::size_t{LAMENT_BARS} * 2> LAMENT_CHORDS{"Am", "Am", "F",  "F", "Dm", "Dm",
                                                                          "E",  "E",  "Am", "F", "Dm", "E"};

struct LamentVoicing {
    const char* name;
    const char* held[3];
    const char* bell[2];  // two chord tones above the melody
    const char* bass;
};

const LamentVoicing LAMENT_VOICINGS[] = {
    {"Am", {"A3", "C4", "E4"}, {"E6", "C6"}, "A1"},
    {"F", {"A3", "C4", "F4"}, {"F6", "C6"}, "F1"},
    {"Dm", {"A3", "D4", "F4"}, {"F6", "D6"}, "D2"},
    {"E", {"G#3", "B3", "E4"}, {"E6", "B5"}, "E2"},
};

const LamentVoicing& LamentChordAt(int half) {
    const std::string name = LAMENT_CHORDS[static_cast<std::size_t>(half)];
    for (const LamentVoicing& voicing : LAMENT_VOICINGS)
        if (name == voicing.name) return voicing;
    return LAMENT_VOICINGS[0];
}

bool IsLastLamentHalf(int half) {
    return half == LAMENT_BARS * 2 - 1;
}

// A half bar of one chord; the last one is cut to a beat so its release fades out before the seam.
std::string HalfBar(const std::string& note, int half) {
    return IsLastLamentHalf(half) ? note + " 4, R 4," : note + " 2,";
}

std::string HeldTrack(int tone) {
    std::string text;
    for (int half = 0; half < LAMENT_BARS * 2; ++half)
        text += HalfBar(LamentChordAt(half).held[tone], half);
    return text;
}

// Whole notes where the chord holds the bar, halves where it changes.
std::string LamentBassTrack() {
    std::string text;
    for (int half = 0; half < LAMENT_BARS * 2; half += 2) {
        const std::string first = LamentChordAt(half).bass, second = LamentChordAt(half + 1).bass;
        text += first == second ? first + " 1," : first + " 2," + HalfBar(second, half + 1);
    }
    return text;
}

std::string BellTrack() {
    std::string text;
    for (int half = 0; half < LAMENT_BARS * 2; ++half) {
        const LamentVoicing& chord = LamentChordAt(half);
        text += std::string(chord.bell[half % 2]) + (IsLastLamentHalf(half) ? " 8, R 4.," : " 4, R 4,");
    }
    return text;
}

std::string HeartbeatTrack() {
    std::string text;
    for (int bar = 0; bar < LAMENT_BARS; ++bar)
        text += "E2 16, E2 16, R 8, R 2.,";
    return text;
}

std::vector<float> RenderLament(const std::string& text, const Instrument& instrument, float legato,
                                float startBeat = 0.0f) {
    std::vector<float> voice(static_cast<std::size_t>(BeatsToSamples(4.0f * LAMENT_BARS, LAMENT_BPM)), 0.0f);
    RenderTrack(voice, Track{ParseTrack(text), instrument, legato}, LAMENT_BPM, startBeat, true);
    return voice;
}

// A triangle with a breath of pulse on it: the nearest the chip comes to a wooden flute.
const Instrument LAMENT_FLUTE{WAVE_TRIANGLE, 0.5f, {0.06f, 0.2f, 0.75f, 0.3f}, 1.0f, 0.0f, 0.0f, 0.18f,
                              4.5f,          0.35f};
const Instrument LAMENT_BREATH{WAVE_SQUARE, 0.5f, {0.08f, 0.2f, 0.6f, 0.3f}, 1.0f, 0.0f, 0.0f, 0.18f,
                               4.5f,        0.35f};
const Instrument LAMENT_HELD{WAVE_SQUARE, 0.5f, {0.3f, 0.4f, 0.7f, 0.4f}, 1.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f};
const Instrument LAMENT_BASS{WAVE_TRIANGLE, 0.5f, {0.05f, 0.5f, 0.7f, 0.4f}, 1.0f, 0.0f, 0.0f, 0.0f,
                             0.0f,          0.0f};
const Instrument LAMENT_BELL{WAVE_SINE, 0.5f, {0.002f, 1.2f, 0.0f, 0.6f}, 1.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f};
const Instrument LAMENT_HEART{WAVE_SINE, 0.5f, {0.004f, 0.14f, 0.0f, 0.02f}, 1.0f, -8.0f, 0.12f, 0.0f,
                              0.0f,      0.0f};

std::vector<PlacedVoice> RenderPlacedVoices() {
    std::vector<PlacedVoice> voices;
    std::vector<float> flute = RenderLament(LAMENT_MELODY, LAMENT_FLUTE, 0.9f);
    std::vector<float> breath = RenderLament(LAMENT_MELODY, LAMENT_BREATH, 0.9f);
    std::vector<float> echo = RenderLament(LAMENT_MELODY, LAMENT_FLUTE, 0.9f, 0.5f);
    SmoothVoice(breath, 1800.0f);
    voices.push_back({std::move(flute), 0.32f, 0.0f});
    voices.push_back({std::move(breath), 0.06f, 0.0f});
    voices.push_back({std::move(echo), 0.1f, -0.5f});
    const float heldPans[3] = {-0.4f, 0.1f, 0.45f};
    for (int tone = 0; tone < 3; ++tone) {
        std::vector<float> held = RenderLament(HeldTrack(tone), LAMENT_HELD, 0.9f);
        SmoothVoice(held, 900.0f);
        voices.push_back({std::move(held), 0.08f, heldPans[tone]});
    }
    voices.push_back({RenderLament(LamentBassTrack(), LAMENT_BASS, 0.9f), 0.3f, 0.0f});
    voices.push_back({RenderLament(BellTrack(), LAMENT_BELL, 0.9f), 0.05f, 0.5f});
    voices.push_back({RenderLament(HeartbeatTrack(), LAMENT_HEART, 0.6f), 0.25f, 0.0f});
    return voices;
}

}  // namespace

void GenerateGameOverMusic(AssetWriter& writer) {
    std::vector<PlacedVoice> voices = RenderPlacedVoices();
    StereoMix mix = MixVoices(voices);
    LevelMusic(mix, -16.5f);
    WriteSound(writer, "Musics/GameOver.wav", mix, 2);
}
