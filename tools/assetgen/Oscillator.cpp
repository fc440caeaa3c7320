#include "Oscillator.h"

#include <cmath>

namespace {

const double OSC_TWO_PI = 6.283185307179586;

// A 15-bit register with taps 0 and 1, the long noise of the chips our sound imitates.
void ClockNoise(Oscillator& oscillator) {
    const std::uint16_t bit = static_cast<std::uint16_t>((oscillator.lfsr ^ (oscillator.lfsr >> 1)) & 1u);
    oscillator.lfsr = static_cast<std::uint16_t>((oscillator.lfsr >> 1) | (bit << 14));
    oscillator.noiseValue = (oscillator.lfsr & 1u) ? 1.0f : -1.0f;
}

float WaveValue(const Oscillator& oscillator) {
    const double phase = oscillator.phase;
    switch (oscillator.waveform) {
        case WAVE_SQUARE:
            return (phase < oscillator.duty ? 1.0f : -1.0f) - (2.0f * oscillator.duty - 1.0f);
        case WAVE_TRIANGLE:
            return static_cast<float>(phase < 0.5 ? 4.0 * phase - 1.0 : 3.0 - 4.0 * phase);
        case WAVE_SAW:
            return static_cast<float>(2.0 * phase - 1.0);
        case WAVE_SINE:
            return static_cast<float>(std::sin(OSC_TWO_PI * phase));
        case WAVE_NOISE:
            return oscillator.noiseValue;
    }
    return 0.0f;
}

}  // namespace

Oscillator MakeOscillator(Waveform waveform, float duty) {
    Oscillator oscillator;
    oscillator.waveform = waveform;
    oscillator.duty = duty;
    return oscillator;
}

float NextOscillatorSample(Oscillator& oscillator, double frequency) {
    const float value = WaveValue(oscillator);
    oscillator.phase += frequency / AUDIO_SAMPLE_RATE;
    while (oscillator.phase >= 1.0) {
        oscillator.phase -= 1.0;
        if (oscillator.waveform == WAVE_NOISE) ClockNoise(oscillator);
    }
    return value;
}
