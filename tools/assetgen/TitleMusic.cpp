// The title theme: warm and hopeful with a little adventure, G major at 112 beats per minute, sixteen
// bars (an A and a B section of eight) that loop. Every voice falls silent just before the seam and the
// last bar sits on D, so the loop resolves into the G of its first bar without a gap or a click.

#include "AssetGroups.h"
#include "AssetRegistry.h"
#include "Sequencer.h"

#include <array>

namespace {

const float TITLE_BPM = 112.0f;
const int TITLE_BARS = 16;

const char* const TITLE_MELODY =
    // A: the hero's morning
    "D5 4, B4 8, D5 8, G5 4., F#5 8 | E5 4, G5 8, E5 8, B4 2 | C5 4, E5 8, G5 8, A5 4, G5 8, E5 8 |"
    "F#5 4., E5 8, D5 2 | D5 4, B4 8, D5 8, G5 4, A5 8, B5 8 | B5 4, A5 8, G5 8, E5 2 |"
    "E5 8, G5 8, C6 4, B5 8, A5 8, F#5 4 | G5 2., R 4 |"
    // B: the road out, climbing higher before turning home
    "B4 8, E5 8, G5 8, B5 8, A5 4, G5 4 | E5 4., G5 8, C5 2 | D5 8, G5 8, B5 8, D6 8, B5 4, G5 4 |"
    "A5 4., F#5 8, D5 2 | E5 8, F#5 8, G5 8, A5 8, B5 4, E5 4 | C6 4., B5 8, A5 4, G5 4 |"
    "A5 4, C6 8, A5 8, E5 4, A5 4 | F#5 4, A5 8, F#5 8, D5 4, R 4";

// One chord per half bar (a bar with one chord names it twice).
const std::array<const char*, static_cast<std::size_t>(TITLE_BARS) * 2> TITLE_CHORDS{
    "G",  "G",  "Em", "Em", "C", "C", "D", "D", "G",  "G",  "Em", "Em", "C",  "D",  "G", "G",
    "Em", "Em", "C",  "C",  "G", "G", "D", "D", "Em", "Em", "C",  "C",  "Am", "Am", "D", "D"};

struct ChordVoicing {
    const char* name;
    const char* arpeggio[3];  // close voicings that move little from chord to chord
    const char* bass[3];      // root, fifth, octave
};

const ChordVoicing TITLE_VOICINGS[] = {
    {"G", {"G3", "B3", "D4"}, {"G2", "D3", "G3"}},  {"Em", {"G3", "B3", "E4"}, {"E2", "B2", "E3"}},
    {"C", {"G3", "C4", "E4"}, {"C2", "G2", "C3"}},  {"D", {"F#3", "A3", "D4"}, {"D2", "A2", "D3"}},
    {"Am", {"A3", "C4", "E4"}, {"A2", "E3", "A3"}},
};

const ChordVoicing& Voicing(const std::string& name) {
    for (const ChordVoicing& voicing : TITLE_VOICINGS)
        if (name == voicing.name) return voicing;
    return TITLE_VOICINGS[0];
}

bool InSectionB(int bar) {
    return bar >= TITLE_BARS / 2;
}

// Eighth-note arpeggios in A; sixteenths in B to lift the energy.
std::string ArpeggioTrack() {
    std::string text;
    for (int half = 0; half < TITLE_BARS * 2; ++half) {
        const ChordVoicing& chord = Voicing(TITLE_CHORDS[static_cast<std::size_t>(half)]);
        const bool fast = InSectionB(half / 2);
        const int order[4] = {0, 1, 2, 1};
        for (int step = 0; step < (fast ? 8 : 4); ++step)
            text += std::string(chord.arpeggio[order[step % 4]]) + (fast ? " 16," : " 8,");
    }
    return text;
}

std::string BassBar(int bar) {
    const ChordVoicing& first = Voicing(TITLE_CHORDS[static_cast<std::size_t>(bar) * 2]);
    const ChordVoicing& second = Voicing(TITLE_CHORDS[static_cast<std::size_t>(bar) * 2 + 1]);
    const std::string root = first.bass[0], fifth = first.bass[1], octave = first.bass[2];
    if (bar == TITLE_BARS - 1) return "D3 4, A2 4, F#2 4, A2 8, R 8,";  // walks back towards G, then breathes
    if (first.name != second.name)
        return root + " 4, " + fifth + " 4, " + second.bass[0] + " 4, " + second.bass[1] + " 4,";
    if (InSectionB(bar)) {
        return root + " 8, " + root + " 8, " + octave + " 8, " + root + " 8, " + fifth + " 8, " + root +
               " 8, " + octave + " 8, " + fifth + " 8,";
    }
    return root + " 4., " + root + " 8, " + fifth + " 4, " + octave + " 4,";
}

std::string BassTrack() {
    std::string text;
    for (int bar = 0; bar < TITLE_BARS; ++bar)
        text += BassBar(bar);
    return text;
}

// Drums: pitch sets the noise clock (hats high, snare lower); the kick is a falling sine.
std::string DrumTrack(const char* sectionA, const char* sectionB, const char* lastOfA, const char* lastOfB) {
    std::string text;
    for (int bar = 0; bar < TITLE_BARS; ++bar) {
        if (bar == TITLE_BARS / 2 - 1) {
            text += lastOfA;
        } else if (bar == TITLE_BARS - 1) {
            text += lastOfB;
        } else {
            text += InSectionB(bar) ? sectionB : sectionA;
        }
        text += ",";
    }
    return text;
}

Track MakeTrack(const std::string& text, const Instrument& instrument, float legato) {
    return Track{ParseTrack(text), instrument, legato};
}

std::vector<float> Render(const Track& track, float startBeat = 0.0f) {
    std::vector<float> voice(static_cast<std::size_t>(BeatsToSamples(4.0f * TITLE_BARS, TITLE_BPM)), 0.0f);
    RenderTrack(voice, track, TITLE_BPM, startBeat, true);
    return voice;
}

}  // namespace

namespace {

const Instrument TITLE_LEAD{WAVE_SQUARE, 0.25f, {0.006f, 0.12f, 0.55f, 0.07f}, 1.0f, 0.0f, 0.0f, 0.18f,
                            5.5f,        0.22f};
const Instrument TITLE_ARP{WAVE_SQUARE, 0.125f, {0.003f, 0.08f, 0.3f, 0.04f}, 1.0f, 0.0f, 0.0f, 0.0f,
                           0.0f,        0.0f};
const Instrument TITLE_BASS{WAVE_TRIANGLE, 0.5f, {0.004f, 0.1f, 0.8f, 0.05f}, 1.0f, 0.0f, 0.0f, 0.0f,
                            0.0f,          0.0f};
const Instrument TITLE_KICK{WAVE_SINE, 0.5f, {0.001f, 0.12f, 0.0f, 0.01f}, 1.0f, -24.0f, 0.09f, 0.0f,
                            0.0f,      0.0f};
const Instrument TITLE_SNARE{WAVE_NOISE, 0.5f, {0.001f, 0.1f, 0.0f, 0.01f}, 1.0f, 0.0f, 0.0f, 0.0f,
                             0.0f,       0.0f};
const Instrument TITLE_HAT{WAVE_NOISE, 0.5f, {0.001f, 0.03f, 0.0f, 0.005f}, 1.0f, 0.0f, 0.0f, 0.0f,
                           0.0f,       0.0f};

struct VoicePlacement {
    std::vector<float> samples;
    float gain;
    float pan;
};

std::vector<VoicePlacement> RenderVoices() {
    const Track lead = MakeTrack(TITLE_MELODY, TITLE_LEAD, 0.88f);
    std::vector<float> leadVoice = Render(lead);
    std::vector<float> echoVoice = Render(lead, 0.75f);  // a dotted-eighth echo widens the lead
    std::vector<float> arpVoice = Render(MakeTrack(ArpeggioTrack(), TITLE_ARP, 0.7f));
    SmoothVoice(leadVoice, 7000.0f);
    SmoothVoice(echoVoice, 4000.0f);
    SmoothVoice(arpVoice, 5000.0f);
    std::vector<VoicePlacement> voices;
    voices.push_back({std::move(leadVoice), 0.28f, -0.1f});
    voices.push_back({std::move(echoVoice), 0.09f, -0.5f});
    voices.push_back({std::move(arpVoice), 0.12f, 0.35f});
    voices.push_back({Render(MakeTrack(BassTrack(), TITLE_BASS, 0.9f)), 0.42f, 0.0f});
    voices.push_back({Render(MakeTrack(DrumTrack("B2 4, R 4, B2 4, R 4", "B2 4, R 8, B2 8, B2 4, R 4",
                                                 "B2 4, R 4, B2 4, R 4", "B2 4, R 4, B2 4, R 4"),
                                       TITLE_KICK, 0.5f)),
                      0.4f, 0.0f});
    voices.push_back({Render(MakeTrack(DrumTrack("R 4, G8 4, R 4, G8 4", "R 4, G8 4, R 4, G8 4",
                                                 "R 4, G8 4, R 4, G8 16, G8 16, G8 16, G8 16",
                                                 "R 4, G8 4, R 4, G8 8, G8 16, R 16"),
                                       TITLE_SNARE, 0.5f)),
                      0.15f, 0.1f});
    voices.push_back({Render(MakeTrack(DrumTrack("R 8, E9 8, R 8, E9 8, R 8, E9 8, R 8, E9 8",
                                                 "E9 8, E9 8, E9 8, E9 8, E9 8, E9 8, E9 8, E9 8",
                                                 "R 8, E9 8, R 8, E9 8, R 8, E9 8, R 4",
                                                 "E9 8, E9 8, E9 8, E9 8, E9 8, E9 8, R 4"),
                                       TITLE_HAT, 0.5f)),
                      0.06f, -0.2f});
    return voices;
}

}  // namespace

void GenerateTitleMusic(AssetWriter& writer) {
    std::vector<VoicePlacement> voices = RenderVoices();
    StereoMix mix = MakeMix(voices.front().samples.size());
    for (const VoicePlacement& voice : voices)
        AddVoice(mix, voice.samples, voice.gain, voice.pan);
    NormalisePeak(mix, 0.0f);
    SoftLimit(mix, 0.85f);
    NormalisePeak(mix, -1.0f);
    WriteSound(writer, "Musics/Title.wav", mix, 2);
}
