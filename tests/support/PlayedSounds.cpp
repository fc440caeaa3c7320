#include "support/PlayedSounds.h"

#include <SFML/Audio/SoundBuffer.hpp>

#include <algorithm>

#include "core/SoundEffects.h"

size_t EffectsPlaying(const char* path) {
    sf::SoundBuffer file;
    if (!file.loadFromFile(path)) return 0;
    return static_cast<size_t>(
        std::count_if(gSoundEffects.effects.begin(), gSoundEffects.effects.end(), [&](const auto& effect) {
            const sf::SoundBuffer& buffer = effect->buffer;
            return buffer.getSampleCount() == file.getSampleCount() &&
                   std::equal(buffer.getSamples(), buffer.getSamples() + buffer.getSampleCount(),
                              file.getSamples());
        }));
}
