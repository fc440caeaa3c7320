#pragma once
// The shared pieces of one-shot sound effects: silence to draw on, notes placed by time, swept and struck
// instruments, the highs of a voice, mixing voices together, and the finish every effect gets (faded
// ends and a fixed peak, so none clicks or clips).

#include "Mixer.h"
#include "Sequencer.h"

#include <vector>

std::vector<float> Silence(float seconds);
// The frequency of a note written as the sequencer writes it ("C4", "F#5").
double Pitch(const char* note);
// One note held for gate seconds from start.
void Play(std::vector<float>& voice, const Instrument& instrument, double frequency, float start, float gate,
          float velocity = 1.0f);
// A struck sound: the key is held through the attack and decay, so the decay sets how long it rings.
void Strike(std::vector<float>& voice, const Instrument& instrument, double frequency, float start,
            float velocity = 1.0f);
// One wave swept in pitch by semitones over seconds.
Instrument Sweep(Waveform waveform, Adsr adsr, float semitones, float seconds, float duty = 0.5f);
// What a low-pass keeps, taken away.
void KeepHighs(std::vector<float>& voice, float cutoffHz);
void MixInto(std::vector<float>& into, const std::vector<float>& voice, float gain);
// One voice in the middle of the mix, its ends faded over fadeSeconds, its peak at peakDb.
StereoMix FinishEffect(const std::vector<float>& voice, float peakDb, float fadeSeconds = 0.004f);
