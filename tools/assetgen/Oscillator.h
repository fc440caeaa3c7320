#pragma once
// The sound sources of the game's chiptune voice: the waves of an old handheld's sound chip.

#include <cstdint>

inline constexpr int AUDIO_SAMPLE_RATE = 44100;

enum Waveform { WAVE_SQUARE, WAVE_TRIANGLE, WAVE_SAW, WAVE_NOISE, WAVE_SINE };

struct Oscillator {
    Waveform waveform = WAVE_SQUARE;
    float duty = 0.5f;       // share of the period a square spends high
    double phase = 0.0;      // 0 to 1
    std::uint16_t lfsr = 1;  // noise shift register, 15 bits
    float noiseValue = 1.0f;
};

Oscillator MakeOscillator(Waveform waveform, float duty = 0.5f);

// One sample in -1..1 at the given frequency, advancing the phase. Squares are centred on zero whatever
// their duty, so a thin pulse adds no offset that would thump when it starts and stops.
float NextOscillatorSample(Oscillator& oscillator, double frequency);
