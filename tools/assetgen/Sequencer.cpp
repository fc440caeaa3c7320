#include "Sequencer.h"

#include <cmath>
#include <cstdlib>
#include <sstream>

namespace {

const int SEQ_LETTER_STEPS[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G from C

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\n");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t\n");
    return text.substr(first, last - first + 1);
}

float LengthBeats(const std::string& length) {
    if (length.empty()) return -1.0f;
    const bool dotted = length.back() == '.';
    const int division = std::atoi(length.c_str());
    if (division <= 0) return -1.0f;
    const float beats = 4.0f / static_cast<float>(division);
    return dotted ? beats * 1.5f : beats;
}

}  // namespace

int NoteNumber(const std::string& name) {
    if (name == "R") return SEQ_REST;
    if (name.size() < 2 || name[0] < 'A' || name[0] > 'G') return -2;
    int step = SEQ_LETTER_STEPS[name[0] - 'A'];
    std::size_t at = 1;
    if (name[at] == '#') {
        ++step;
        ++at;
    } else if (name[at] == 'b') {
        --step;
        ++at;
    }
    if (at >= name.size() || name[at] < '0' || name[at] > '9' || at + 1 != name.size()) return -2;
    return 12 * (name[at] - '0' + 1) + step;
}

double NoteFrequency(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

std::vector<SeqNote> ParseTrack(const std::string& text, int* errors) {
    std::vector<SeqNote> notes;
    std::string commas = text;
    for (char& character : commas)
        if (character == '|') character = ',';  // bar lines are only for the reader
    std::stringstream stream(commas);
    std::string item;
    while (std::getline(stream, item, ',')) {
        std::stringstream words(Trim(item));
        std::string pitch, length;
        words >> pitch >> length;
        const int midi = NoteNumber(pitch);
        const float beats = LengthBeats(length);
        if (midi == -2 || beats <= 0.0f) {
            if (errors != nullptr && !Trim(item).empty()) ++*errors;
            continue;
        }
        notes.push_back({midi, beats});
    }
    return notes;
}

float TrackBeats(const std::vector<SeqNote>& notes) {
    float beats = 0.0f;
    for (const SeqNote& note : notes)
        beats += note.beats;
    return beats;
}

long BeatsToSamples(float beats, float bpm) {
    return std::lround(static_cast<double>(beats) * 60.0 / bpm * AUDIO_SAMPLE_RATE);
}

void RenderTrack(std::vector<float>& buffer, const Track& track, float bpm, float startBeat, bool wrap) {
    float beat = startBeat;
    for (const SeqNote& note : track.notes) {
        if (note.midi != SEQ_REST) {
            ToneRequest tone;
            tone.frequency = NoteFrequency(note.midi);
            tone.gate = note.beats * track.legato * 60.0f / bpm;
            tone.startSample = BeatsToSamples(beat, bpm);
            RenderTone(buffer, track.instrument, tone, wrap);
        }
        beat += note.beats;
    }
}
