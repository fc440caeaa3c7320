#pragma once
// One-shot sound effects: started by PlaySoundEffect, released by the first frame that finds them stopped.

#include <SFML/Audio/Sound.hpp>
#include <SFML/Audio/SoundBuffer.hpp>

#include <memory>
#include <vector>

// One playing effect: the decoded file and the sound that plays it, released together.
struct SoundEffect {
    sf::SoundBuffer buffer;
    sf::Sound sound;
};

struct SoundEffectPool {
    // Entries keep their start order; each lives at a fixed address because its sound points at its buffer.
    std::vector<std::unique_ptr<SoundEffect>> effects;
    float volume = 100.0f;  // a percentage, as the mixer last set it
};

extern SoundEffectPool gSoundEffects;

// Plays the file once at the effects volume without blocking. A file that cannot be read plays nothing.
void PlaySoundEffect(const char* path);

// The first step of every frame: releases every effect that has finished, survivors keep their order.
void ReapSoundEffects();

// The effects volume (core/Mixer.h sets it from the settings): every effect still in the pool, from the
// last to the first, and those to come; the sounds the map and the fishing own read it too.
void SetEffectsVolume(float percent);
float EffectsLevel();

// Stops and releases every effect (program end, tests).
void ResetSoundEffectPool();
