// The battle theme: driving and tense but heroic, D minor at 150 beats per minute, twenty-four bars that
// loop: a two-bar call to arms, an A of eight in D minor, a B of eight that turns bright towards F major
// with a doubled lead and held chords, and a C of six that climbs to the top of the piece and ends on A,
// the chord that leads home to D. Pulsing octave eighths in the bass, a square lead over a thin
// arpeggio, and noise drums. Every voice rests on the last beat so the seam back into bar one is clean.

#include "AssetGroups.h"
#include "AssetRegistry.h"
#include "Sequencer.h"

#include <array>

namespace {

const float BATTLE_BPM = 150.0f;
const int BATTLE_BARS = 24;

enum BattleSection { SECTION_CALL, SECTION_A, SECTION_B, SECTION_C };

BattleSection SectionOf(int bar) {
    if (bar < 2) return SECTION_CALL;
    if (bar < 10) return SECTION_A;
    if (bar < 18) return SECTION_B;
    return SECTION_C;
}

const std::array<const char*, BATTLE_BARS> BATTLE_MELODY{
    // the call to arms
    "D5 8, R 8, D5 8, R 8, D5 8, F5 8, E5 8, D5 8", "C5 8, R 8, C5 8, R 8, C#5 4, E5 4",
    // A: the enemy in front
    "D5 8, D5 8, A5 4, F5 8, E5 8, D5 4", "D5 8, F5 8, Bb5 4., A5 8, G5 8, F5 8",
    "E5 8, G5 8, C6 4, Bb5 8, A5 8, G5 4", "A5 2., R 8, A4 8", "D5 8, D5 8, A5 4, F5 8, A5 8, D6 4",
    "D6 4., C6 8, Bb5 4, A5 4", "G5 8, A5 8, Bb5 8, G5 8, D6 4, Bb5 4", "A5 2, C#6 4, E6 4",
    // B: the heroes stand their ground
    "F5 4., D5 8, F5 4, Bb5 4", "A5 4., F5 8, C6 2", "G5 8, A5 8, G5 8, E5 8, C5 4, E5 4", "F5 2, D5 4, A4 4",
    "Bb4 8, D5 8, F5 8, Bb5 8, D6 4., C6 8", "C6 4, A5 4, F5 4, C6 4", "D6 4., C6 8, Bb5 8, A5 8, G5 4",
    "A5 2., R 4",
    // C: the last push, back to the call
    "Bb5 8, A5 8, G5 8, D5 8, G5 8, A5 8, Bb5 4", "C#6 8, Bb5 8, A5 8, E5 8, A5 8, C#6 8, E6 4",
    "F6 4., E6 8, D6 4, A5 4", "Bb5 4., C6 8, D6 4, F6 4", "G6 4, F6 8, E6 8, D6 4, Bb5 4",
    "C#6 4, A5 4, E5 4, R 4"};

// One chord per half bar.
const std::array<const char*, std::size_t{BATTLE_BARS} * 2> BATTLE_CHORDS{
    "Dm", "Dm", "C", "A", "Dm", "Dm", "Bb", "Bb", "C",  "C",  "Dm", "Dm", "Dm", "Dm", "Bb", "Bb",
    "Gm", "Gm", "A", "A", "Bb", "Bb", "F",  "F",  "C",  "C",  "Dm", "Dm", "Bb", "Bb", "F",  "F",
    "Gm", "Gm", "A", "A", "Gm", "Gm", "A",  "A",  "Dm", "Dm", "Bb", "Bb", "Gm", "Gm", "A",  "A"};

struct BattleVoicing {
    const char* name;
    const char* arpeggio[3];
    const char* held[3];  // the B and C sections' chords, low and close
    const char* bass[3];  // root, fifth, octave
};

const BattleVoicing BATTLE_VOICINGS[] = {
    {"Dm", {"D4", "F4", "A4"}, {"F3", "A3", "D4"}, {"D2", "A2", "D3"}},
    {"Bb", {"D4", "F4", "Bb4"}, {"F3", "Bb3", "D4"}, {"Bb1", "F2", "Bb2"}},
    {"C", {"E4", "G4", "C5"}, {"E3", "G3", "C4"}, {"C2", "G2", "C3"}},
    {"Gm", {"D4", "G4", "Bb4"}, {"G3", "Bb3", "D4"}, {"G1", "D2", "G2"}},
    {"A", {"C#4", "E4", "A4"}, {"E3", "A3", "C#4"}, {"A1", "E2", "A2"}},
    {"F", {"C4", "F4", "A4"}, {"F3", "A3", "C4"}, {"F1", "C2", "F2"}},
};

const BattleVoicing& ChordAt(int half) {
    const std::string name = BATTLE_CHORDS[static_cast<std::size_t>(half)];
    for (const BattleVoicing& voicing : BATTLE_VOICINGS)
        if (name == voicing.name) return voicing;
    return BATTLE_VOICINGS[0];
}

bool IsLastHalf(int half) {
    return half == BATTLE_BARS * 2 - 1;
}

std::string MelodyText(bool onlyBrightSections) {
    std::string text;
    for (int bar = 0; bar < BATTLE_BARS; ++bar) {
        const bool bright = SectionOf(bar) == SECTION_B || SectionOf(bar) == SECTION_C;
        text += (onlyBrightSections && !bright) ? "R 1" : BATTLE_MELODY[static_cast<std::size_t>(bar)];
        text += ",";
    }
    return text;
}

// Octave pulses under the call, A and C; root, root, fifth, octave under B, which gallops a little.
std::string BassTrack() {
    std::string text;
    for (int half = 0; half < BATTLE_BARS * 2; ++half) {
        const BattleVoicing& chord = ChordAt(half);
        const std::string root = chord.bass[0], fifth = chord.bass[1], octave = chord.bass[2];
        if (IsLastHalf(half)) {
            text += root + " 8, C#2 8, R 4,";  // a half step under the D that starts the loop
        } else if (SectionOf(half / 2) == SECTION_B) {
            text += root + " 8, " + root + " 8, " + fifth + " 8, " + octave + " 8,";
        } else {
            text += root + " 8, " + octave + " 8, " + root + " 8, " + octave + " 8,";
        }
    }
    return text;
}

// Eighths while the fight is sized up, sixteenths once it is on.
std::string ArpeggioTrack() {
    std::string text;
    const int order[4] = {0, 1, 2, 1};
    for (int half = 0; half < BATTLE_BARS * 2; ++half) {
        const BattleVoicing& chord = ChordAt(half);
        const bool fast = SectionOf(half / 2) == SECTION_B || SectionOf(half / 2) == SECTION_C;
        const int steps = IsLastHalf(half) ? 4 : (fast ? 8 : 4);
        for (int step = 0; step < steps; ++step)
            text += std::string(chord.arpeggio[order[step % 4]]) + (fast ? " 16," : " 8,");
        if (IsLastHalf(half)) text += "R 4,";
    }
    return text;
}

std::string HeldTrack(int tone) {
    std::string text;
    for (int half = 0; half < BATTLE_BARS * 2; ++half) {
        const std::string note = ChordAt(half).held[tone];
        const BattleSection section = SectionOf(half / 2);
        if (section != SECTION_B && section != SECTION_C) {
            text += "R 2,";
        } else {
            text += IsLastHalf(half) ? note + " 4, R 4," : note + " 2,";
        }
    }
    return text;
}

// Bars by section; the bar closing each section gets its own fill, the last one a roll that stops a beat
// before the seam.
std::string DrumTrack(const std::array<const char*, 4>& bySection, const char* sectionEnd, const char* last) {
    std::string text;
    for (int bar = 0; bar < BATTLE_BARS; ++bar) {
        if (bar == BATTLE_BARS - 1) {
            text += last;
        } else if (bar == 9 || bar == 17) {
            text += sectionEnd;
        } else {
            text += bySection[static_cast<std::size_t>(SectionOf(bar))];
        }
        text += ",";
    }
    return text;
}

// A cymbal opening each section after the call.
std::string CrashTrack() {
    std::string text;
    for (int bar = 0; bar < BATTLE_BARS; ++bar)
        text += (bar == 2 || bar == 10 || bar == 18) ? "C9 1," : "R 1,";
    return text;
}

std::vector<float> RenderBattle(const std::vector<SeqNote>& notes, const Instrument& instrument, float legato,
                                float startBeat = 0.0f) {
    std::vector<float> voice(static_cast<std::size_t>(BeatsToSamples(4.0f * BATTLE_BARS, BATTLE_BPM)), 0.0f);
    RenderTrack(voice, Track{notes, instrument, legato}, BATTLE_BPM, startBeat, true);
    return voice;
}

std::vector<float> RenderBattle(const std::string& text, const Instrument& instrument, float legato) {
    return RenderBattle(ParseTrack(text), instrument, legato);
}

const Instrument BATTLE_LEAD{WAVE_SQUARE, 0.25f, {0.004f, 0.08f, 0.6f, 0.05f}, 1.0f, 0.0f, 0.0f, 0.2f,
                             6.0f,        0.2f};
const Instrument BATTLE_DOUBLE{WAVE_SQUARE, 0.5f, {0.004f, 0.08f, 0.6f, 0.05f}, 1.0f, 0.0f, 0.0f, 0.0f,
                               0.0f,        0.0f};
const Instrument BATTLE_ARP{WAVE_SQUARE, 0.125f, {0.002f, 0.05f, 0.25f, 0.03f}, 1.0f, 0.0f, 0.0f, 0.0f,
                            0.0f,        0.0f};
const Instrument BATTLE_HELD{WAVE_SQUARE, 0.5f, {0.05f, 0.2f, 0.6f, 0.1f}, 1.0f, 0.0f, 0.0f, 0.0f,
                             0.0f,        0.0f};
const Instrument BATTLE_BASS{WAVE_TRIANGLE, 0.5f, {0.003f, 0.06f, 0.75f, 0.03f}, 1.0f, 0.0f, 0.0f, 0.0f,
                             0.0f,          0.0f};
const Instrument BATTLE_GRIT{WAVE_SQUARE, 0.5f, {0.003f, 0.06f, 0.5f, 0.03f}, 1.0f, 0.0f, 0.0f, 0.0f,
                             0.0f,        0.0f};
const Instrument BATTLE_KICK{WAVE_SINE, 0.5f, {0.001f, 0.1f, 0.0f, 0.01f}, 1.0f, -24.0f, 0.08f, 0.0f,
                             0.0f,      0.0f};
const Instrument BATTLE_SNARE{WAVE_NOISE, 0.5f, {0.001f, 0.09f, 0.0f, 0.01f}, 1.0f, 0.0f, 0.0f, 0.0f,
                              0.0f,       0.0f};
const Instrument BATTLE_HAT{WAVE_NOISE, 0.5f, {0.001f, 0.025f, 0.0f, 0.005f}, 1.0f, 0.0f, 0.0f, 0.0f,
                            0.0f,       0.0f};
const Instrument BATTLE_CRASH{WAVE_NOISE, 0.5f, {0.001f, 0.7f, 0.0f, 0.05f}, 1.0f, 0.0f, 0.0f, 0.0f,
                              0.0f,       0.0f};

void AddMelodicVoices(std::vector<PlacedVoice>& voices) {
    const std::vector<SeqNote> melody = ParseTrack(MelodyText(false));
    std::vector<float> lead = RenderBattle(melody, BATTLE_LEAD, 0.85f);
    std::vector<float> echo = RenderBattle(melody, BATTLE_LEAD, 0.85f, 0.75f);
    std::vector<SeqNote> lower = ParseTrack(MelodyText(true));
    for (SeqNote& note : lower)
        if (note.midi != SEQ_REST) note.midi -= 12;
    std::vector<float> doubled = RenderBattle(lower, BATTLE_DOUBLE, 0.85f);
    std::vector<float> arpeggio = RenderBattle(ArpeggioTrack(), BATTLE_ARP, 0.6f);
    SmoothVoice(lead, 6500.0f);
    SmoothVoice(echo, 3500.0f);
    SmoothVoice(doubled, 3000.0f);
    SmoothVoice(arpeggio, 5000.0f);
    voices.push_back({std::move(lead), 0.27f, 0.0f});
    voices.push_back({std::move(echo), 0.07f, 0.5f});
    voices.push_back({std::move(doubled), 0.1f, -0.25f});
    voices.push_back({std::move(arpeggio), 0.1f, 0.4f});
    const float heldPans[3] = {-0.5f, -0.35f, 0.3f};
    for (int tone = 0; tone < 3; ++tone) {
        std::vector<float> held = RenderBattle(HeldTrack(tone), BATTLE_HELD, 0.95f);
        SmoothVoice(held, 1500.0f);
        voices.push_back({std::move(held), 0.06f, heldPans[tone]});
    }
    std::vector<float> grit = RenderBattle(BassTrack(), BATTLE_GRIT, 0.7f);
    SmoothVoice(grit, 900.0f);
    voices.push_back({RenderBattle(BassTrack(), BATTLE_BASS, 0.7f), 0.4f, 0.0f});
    voices.push_back({std::move(grit), 0.12f, 0.0f});
}

void AddDrums(std::vector<PlacedVoice>& voices) {
    voices.push_back({RenderBattle(DrumTrack({"B2 4, B2 4, B2 4, B2 4", "B2 4, R 8, B2 8, B2 4, R 4",
                                              "B2 4, R 4, B2 4, R 8, B2 8", "B2 4, B2 4, B2 4, B2 4"},
                                             "B2 4, R 8, B2 8, B2 4, B2 4", "B2 4, B2 4, B2 4, R 4"),
                                   BATTLE_KICK, 0.5f),
                      0.42f, 0.0f});
    voices.push_back({RenderBattle(DrumTrack({"R 4, G8 4, R 4, G8 4", "R 4, G8 4, R 4, G8 4",
                                              "R 4, G8 4, R 4, G8 4", "R 4, G8 4, R 8, G8 8, G8 4"},
                                             "R 4, G8 4, G8 8, G8 16, G8 16, G8 8, G8 8",
                                             "G8 16, G8 16, G8 16, G8 16, G8 16, G8 16, G8 16, G8 16, "
                                             "G8 16, G8 16, G8 16, G8 16, R 4"),
                                   BATTLE_SNARE, 0.5f),
                      0.16f, 0.1f});
    const char* eighths = "E9 8, E9 8, E9 8, E9 8, E9 8, E9 8, E9 8, E9 8";
    const char* sixteenths =
        "E9 16, E9 16, E9 16, E9 16, E9 16, E9 16, E9 16, E9 16, "
        "E9 16, E9 16, E9 16, E9 16, E9 16, E9 16, E9 16, E9 16";
    voices.push_back({RenderBattle(DrumTrack({eighths, eighths, sixteenths, sixteenths}, eighths,
                                             "E9 8, E9 8, E9 8, E9 8, E9 8, E9 8, R 4"),
                                   BATTLE_HAT, 0.5f),
                      0.05f, -0.2f});
    std::vector<float> crash = RenderBattle(CrashTrack(), BATTLE_CRASH, 0.9f);
    SmoothVoice(crash, 8000.0f);
    voices.push_back({std::move(crash), 0.06f, 0.3f});
}

}  // namespace

void GenerateBattleMusic(AssetWriter& writer) {
    std::vector<PlacedVoice> voices;
    AddMelodicVoices(voices);
    AddDrums(voices);
    StereoMix mix = MixVoices(voices);
    LevelMusic(mix, -15.0f);
    WriteSound(writer, "Musics/Battle.wav", mix, 2);
}
