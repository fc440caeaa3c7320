#include "EffectKit.h"

std::vector<float> Silence(float seconds) {
    return std::vector<float>(static_cast<std::size_t>(SecondsToSamplesF(seconds)), 0.0f);
}

double Pitch(const char* note) {
    return NoteFrequency(NoteNumber(note));
}

void Play(std::vector<float>& voice, const Instrument& instrument, double frequency, float start, float gate,
          float velocity) {
    ToneRequest tone;
    tone.frequency = frequency;
    tone.startSample = static_cast<long>(SecondsToSamplesF(start));
    tone.gate = gate;
    tone.velocity = velocity;
    RenderTone(voice, instrument, tone, false);
}

void Strike(std::vector<float>& voice, const Instrument& instrument, double frequency, float start,
            float velocity) {
    Play(voice, instrument, frequency, start, instrument.adsr.attack + instrument.adsr.decay, velocity);
}

Instrument Sweep(Waveform waveform, Adsr adsr, float semitones, float seconds, float duty) {
    Instrument instrument{.waveform = waveform, .duty = duty, .adsr = adsr};
    instrument.slideSemitones = semitones;
    instrument.slideSeconds = seconds;
    return instrument;
}

void KeepHighs(std::vector<float>& voice, float cutoffHz) {
    std::vector<float> lows = voice;
    SmoothVoice(lows, cutoffHz);
    for (std::size_t i = 0; i < voice.size(); ++i)
        voice[i] -= lows[i];
}

void MixInto(std::vector<float>& into, const std::vector<float>& voice, float gain) {
    for (std::size_t i = 0; i < into.size() && i < voice.size(); ++i)
        into[i] += voice[i] * gain;
}

StereoMix FinishEffect(const std::vector<float>& voice, float peakDb, float fadeSeconds) {
    StereoMix mix = MakeMix(voice.size());
    AddVoice(mix, voice, 1.0f, 0.0f);
    FadeEnds(mix, fadeSeconds);
    NormalisePeak(mix, peakDb);
    return mix;
}
