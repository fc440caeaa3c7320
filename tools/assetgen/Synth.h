#pragma once
// One instrument playing one tone into a sample buffer: an oscillator shaped by an envelope, with the
// pitch slides (drums, sweeps) and vibrato (held lead notes) that give chiptune its voice.

#include "Envelope.h"
#include "Oscillator.h"

#include <vector>

struct Instrument {
    Waveform waveform = WAVE_SQUARE;
    float duty = 0.5f;
    Adsr adsr;
    float gain = 1.0f;
    float slideSemitones = 0.0f;  // pitch change over slideSeconds (negative falls)
    float slideSeconds = 0.0f;
    float vibratoSemitones = 0.0f;
    float vibratoHz = 5.5f;
    float vibratoDelay = 0.15f;  // short notes stay steady; only held ones sing
};

struct ToneRequest {
    double frequency = 440.0;
    float gate = 0.1f;  // seconds the key is held
    long startSample = 0;
    float velocity = 1.0f;
};

// Adds the tone to buffer. With wrap, samples past the end continue at the start, which makes a looping
// piece seamless: a tail ringing over the loop point is heard at the beginning, as it would be live.
void RenderTone(std::vector<float>& buffer, const Instrument& instrument, const ToneRequest& tone, bool wrap);

// Frequency of a tone with the instrument's slide and vibrato applied, t seconds into it.
double ToneFrequency(const Instrument& instrument, double baseFrequency, float t);
