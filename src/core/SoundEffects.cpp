#include "core/SoundEffects.h"

SoundEffectPool gSoundEffects;

void PlaySoundEffect(const char* path) {
    auto effect = std::make_unique<SoundEffect>();
    if (!effect->buffer.loadFromFile(path)) return;
    effect->sound.setBuffer(effect->buffer);
    effect->sound.setVolume(gSoundEffects.volume);
    effect->sound.play();
    gSoundEffects.effects.push_back(std::move(effect));
}

void ReapSoundEffects() {
    auto& effects = gSoundEffects.effects;
    for (size_t i = effects.size(); i-- > 0;) {
        if (effects[i]->sound.getStatus() == sf::Sound::Stopped)
            effects.erase(effects.begin() + static_cast<long>(i));
    }
}

void SetEffectsVolume(float percent) {
    gSoundEffects.volume = percent;
    auto& effects = gSoundEffects.effects;
    for (size_t i = effects.size(); i-- > 0;)
        effects[i]->sound.setVolume(percent);
}

float EffectsLevel() {
    return gSoundEffects.volume;
}

void ResetSoundEffectPool() {
    gSoundEffects = SoundEffectPool();
}
