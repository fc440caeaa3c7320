#include "Mixer.h"

#include "Oscillator.h"

#include <algorithm>
#include <cmath>

namespace {

float PeakOf(const StereoMix& mix) {
    float peak = 0.0f;
    for (float sample : mix.left)
        peak = std::max(peak, std::fabs(sample));
    for (float sample : mix.right)
        peak = std::max(peak, std::fabs(sample));
    return peak;
}

float LimitSample(float sample, float knee) {
    const float size = std::fabs(sample);
    if (size <= knee) return sample;
    const float room = 1.0f - knee;
    const float bent = knee + room * std::tanh((size - knee) / room);
    return sample < 0.0f ? -bent : bent;
}

}  // namespace

StereoMix MakeMix(std::size_t samples) {
    return StereoMix{std::vector<float>(samples), std::vector<float>(samples)};
}

float SecondsToSamplesF(float seconds) {
    return seconds * AUDIO_SAMPLE_RATE;
}

void AddVoice(StereoMix& mix, const std::vector<float>& voice, float gain, float pan) {
    const float angle = (std::clamp(pan, -1.0f, 1.0f) + 1.0f) * 0.25f * 3.14159265f;
    const float leftGain = gain * std::cos(angle) * 1.41421356f,
                rightGain = gain * std::sin(angle) * 1.41421356f;
    const std::size_t count = std::min(voice.size(), mix.left.size());
    for (std::size_t i = 0; i < count; ++i) {
        mix.left[i] += voice[i] * leftGain;
        mix.right[i] += voice[i] * rightGain;
    }
}

void SmoothVoice(std::vector<float>& voice, float cutoffHz) {
    const float alpha = 1.0f - std::exp(-6.2831853f * cutoffHz / AUDIO_SAMPLE_RATE);
    float state = 0.0f;
    for (float& sample : voice) {
        state += alpha * (sample - state);
        sample = state;
    }
}

void SoftLimit(StereoMix& mix, float knee) {
    for (float& sample : mix.left)
        sample = LimitSample(sample, knee);
    for (float& sample : mix.right)
        sample = LimitSample(sample, knee);
}

void NormalisePeak(StereoMix& mix, float peakDb) {
    const float peak = PeakOf(mix);
    if (peak <= 0.0f) return;
    // Aim a hair under the target so rounding to 16 bits can never land above it.
    const float scale = std::pow(10.0f, (peakDb - 0.05f) / 20.0f) / peak;
    for (float& sample : mix.left)
        sample *= scale;
    for (float& sample : mix.right)
        sample *= scale;
}

void FadeEnds(StereoMix& mix, float seconds) {
    const std::size_t size = mix.left.size();
    const std::size_t fade = std::min(size / 2, static_cast<std::size_t>(SecondsToSamplesF(seconds)));
    for (std::size_t i = 0; i < fade; ++i) {
        const float gain = static_cast<float>(i) / static_cast<float>(fade);
        mix.left[i] *= gain;
        mix.right[i] *= gain;
        mix.left[size - 1 - i] *= gain;
        mix.right[size - 1 - i] *= gain;
    }
}

float PeakDb(const StereoMix& mix) {
    const float peak = PeakOf(mix);
    return peak <= 0.0f ? -200.0f : 20.0f * std::log10(peak);
}

std::vector<sf::Int16> ToPcm(const StereoMix& mix, unsigned channels) {
    std::vector<sf::Int16> pcm;
    pcm.reserve(mix.left.size() * channels);
    auto convert = [](float sample) {
        return static_cast<sf::Int16>(std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f));
    };
    for (std::size_t i = 0; i < mix.left.size(); ++i) {
        pcm.push_back(convert(mix.left[i]));
        if (channels == 2) pcm.push_back(convert(mix.right[i]));
    }
    return pcm;
}

// sf::SoundBuffer::saveToFile writes through this same OutputSoundFile, but a SoundBuffer first needs an
// OpenAL device, which the build machine may not have; writing directly gives the same bytes headless.
bool SaveMix(const StereoMix& mix, unsigned channels, const std::string& path) {
    const std::vector<sf::Int16> pcm = ToPcm(mix, channels);
    sf::OutputSoundFile file;
    if (!file.openFromFile(path, AUDIO_SAMPLE_RATE, channels)) return false;
    file.write(pcm.data(), pcm.size());
    return true;
}

float RmsDb(const StereoMix& mix) {
    double sum = 0.0;
    for (float sample : mix.left)
        sum += static_cast<double>(sample) * sample;
    for (float sample : mix.right)
        sum += static_cast<double>(sample) * sample;
    const double mean = sum / static_cast<double>(mix.left.size() + mix.right.size());
    return mean <= 0.0 ? -200.0f : static_cast<float>(10.0 * std::log10(mean));
}

StereoMix MixVoices(const std::vector<PlacedVoice>& voices) {
    StereoMix mix = MakeMix(voices.empty() ? 0 : voices.front().samples.size());
    for (const PlacedVoice& voice : voices)
        AddVoice(mix, voice.samples, voice.gain, voice.pan);
    return mix;
}

void LevelMusic(StereoMix& mix, float rmsDb) {
    for (int pass = 0; pass < 3; ++pass) {
        const float scale = std::pow(10.0f, (rmsDb - RmsDb(mix)) / 20.0f);
        for (float& sample : mix.left)
            sample *= scale;
        for (float& sample : mix.right)
            sample *= scale;
        SoftLimit(mix, 0.85f);
        if (PeakDb(mix) > -1.05f) NormalisePeak(mix, -1.0f);
    }
}
