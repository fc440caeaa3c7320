#pragma once
// Which effects the game started: the pool's entries are told apart by the file each one decoded.

#include <cstddef>

// How many effects in the pool hold the samples of the file at path.
size_t EffectsPlaying(const char* path);
