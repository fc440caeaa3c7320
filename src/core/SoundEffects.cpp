#include "core/SoundEffects.h"

#include "core/Settings.h"

SoundEffectPool gSoundEffects;

void PlaySoundEffect(const char* path) {
    auto effect = std::make_unique<SoundEffect>();
    if (!effect->buffer.loadFromFile(path)) return;
    effect->sound.setBuffer(effect->buffer);
    effect->sound.setVolume(EffectsVolume());
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

void ApplyEffectsVolume() {
    auto& effects = gSoundEffects.effects;
    for (size_t i = effects.size(); i-- > 0;)
        effects[i]->sound.setVolume(EffectsVolume());
}

void ResetSoundEffectPool() {
    gSoundEffects.effects.clear();
}
