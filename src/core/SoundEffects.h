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
};

extern SoundEffectPool gSoundEffects;

// Plays the file once at the effects volume without blocking. A file that cannot be read plays nothing.
void PlaySoundEffect(const char* path);

// The first step of every frame: releases every effect that has finished, survivors keep their order.
void ReapSoundEffects();

// Sets every effect still in the pool, from the last to the first, to the current effects volume.
void ApplyEffectsVolume();

// Stops and releases every effect (program end, tests).
void ResetSoundEffectPool();
