#include "Synth.h"

#include <cmath>

double ToneFrequency(const Instrument& instrument, double baseFrequency, float t) {
    double semitones = 0.0;
    if (instrument.slideSeconds > 0.0f)
        semitones += instrument.slideSemitones * std::min(1.0f, t / instrument.slideSeconds);
    if (instrument.vibratoSemitones > 0.0f && t > instrument.vibratoDelay) {
        const float depth =
            std::min(1.0f, (t - instrument.vibratoDelay) * 4.0f) * instrument.vibratoSemitones;
        semitones += depth * std::sin(6.283185307 * instrument.vibratoHz * (t - instrument.vibratoDelay));
    }
    return baseFrequency * std::pow(2.0, semitones / 12.0);
}

void RenderTone(std::vector<float>& buffer, const Instrument& instrument, const ToneRequest& tone,
                bool wrap) {
    if (buffer.empty()) return;
    Oscillator oscillator = MakeOscillator(instrument.waveform, instrument.duty);
    const long length = static_cast<long>(EnvelopeLength(instrument.adsr, tone.gate) * AUDIO_SAMPLE_RATE) + 1;
    const long size = static_cast<long>(buffer.size());
    for (long i = 0; i < length; ++i) {
        long index = tone.startSample + i;
        if (index >= size) {
            if (!wrap) return;
            index %= size;
        }
        const float t = static_cast<float>(i) / AUDIO_SAMPLE_RATE;
        const float level = AdsrLevel(instrument.adsr, t, tone.gate) * instrument.gain * tone.velocity;
        const float sample = NextOscillatorSample(oscillator, ToneFrequency(instrument, tone.frequency, t));
        buffer[static_cast<std::size_t>(index)] += level * sample;
    }
}
