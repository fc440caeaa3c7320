#pragma once
// A tiny sequencer: tracks are written as text, one note per comma, "C4 8, E4 8, G4 4., R 8": a pitch
// (letter, optional # or b, octave; R is a rest) and a length as in sheet music (1 whole, 2 half, 4 quarter,
// 8 eighth, 16 sixteenth, a trailing dot adds half). A '|' may stand for a comma to mark
// bar lines. Tempo is in quarter notes per minute.

#include "Synth.h"

#include <string>
#include <vector>

inline constexpr int SEQ_REST = -1;

struct SeqNote {
    int midi = SEQ_REST;  // 60 is C4
    float beats = 1.0f;   // in quarter notes
};

struct Track {
    std::vector<SeqNote> notes;
    Instrument instrument;
    float legato = 0.85f;  // share of each note's length the key stays down
};

// The MIDI number of a name such as "C4", "F#5" or "Bb2"; SEQ_REST for "R"; -2 when unreadable.
int NoteNumber(const std::string& name);
double NoteFrequency(int midi);

// Reads a written track; unreadable notes are skipped and counted in errors when given.
std::vector<SeqNote> ParseTrack(const std::string& text, int* errors = nullptr);
float TrackBeats(const std::vector<SeqNote>& notes);

long BeatsToSamples(float beats, float bpm);

// Plays the track from startBeat into buffer (mono). Looping pieces pass wrap so tails cross the seam.
void RenderTrack(std::vector<float>& buffer, const Track& track, float bpm, float startBeat, bool wrap);
