#pragma once
// Sums voices into a stereo mix and finishes it for the game: soft limiting, normalisation under
// -1 dBFS, short fades for one-shot effects, and 16-bit WAV files as sf::SoundBuffer::saveToFile writes them.

#include <SFML/Audio/OutputSoundFile.hpp>

#include <string>
#include <vector>

struct StereoMix {
    std::vector<float> left;
    std::vector<float> right;
};

StereoMix MakeMix(std::size_t samples);
float SecondsToSamplesF(float seconds);

// Adds a mono voice with a gain and a pan from -1 (left) to 1 (right), equal-power so a voice keeps its
// loudness wherever it sits.
void AddVoice(StereoMix& mix, const std::vector<float>& voice, float gain, float pan);

// Gentle one-pole low-pass: takes the fizz off square waves for a warmer sound.
void SmoothVoice(std::vector<float>& voice, float cutoffHz);

// Above the knee, peaks are bent smoothly towards 1 instead of being cut flat.
void SoftLimit(StereoMix& mix, float knee = 0.8f);
// Scales the mix so its highest peak sits at the given level (dBFS, below 0).
void NormalisePeak(StereoMix& mix, float peakDb = -1.0f);
// Fades both ends over the given time so a one-shot effect starts and stops on silence.
void FadeEnds(StereoMix& mix, float seconds);

float PeakDb(const StereoMix& mix);
float RmsDb(const StereoMix& mix);

// One voice of a piece of music, with its place in the mix.
struct PlacedVoice {
    std::vector<float> samples;
    float gain;
    float pan;
};

// Every voice summed into one mix as long as the first.
StereoMix MixVoices(const std::vector<PlacedVoice>& voices);
// The game plays every music at one volume setting, so a theme is brought to the loudness of the others
// (the title and overworld themes sit near -15 dBFS RMS): scaled to the wanted RMS, its rare peaks bent
// under the limit, and pulled back under -1 dBFS if they still reach it.
void LevelMusic(StereoMix& mix, float rmsDb);
// 16-bit interleaved samples, mono (the left channel) or stereo.
std::vector<sf::Int16> ToPcm(const StereoMix& mix, unsigned channels);
bool SaveMix(const StereoMix& mix, unsigned channels, const std::string& path);
