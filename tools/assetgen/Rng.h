#pragma once
// The generator's own random numbers: a fixed xorshift so every run, compiler and library gives the same
// assets byte for byte (std::rand and std::uniform_*_distribution differ between implementations).

#include <cstdint>

struct Rng {
    std::uint32_t state = 0x9E3779B9u;
};

inline Rng MakeRng(std::uint32_t seed) {
    return Rng{seed == 0 ? 0x9E3779B9u : seed};
}

inline std::uint32_t NextRandom(Rng& rng) {
    std::uint32_t x = rng.state;
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    rng.state = x;
    return x;
}

// A whole number from low to high, both included.
inline int RandomRange(Rng& rng, int low, int high) {
    if (high <= low) return low;
    const auto span = static_cast<std::uint32_t>(high - low + 1);
    return low + static_cast<int>(NextRandom(rng) % span);
}

// A number in [0, 1).
inline float RandomUnit(Rng& rng) {
    return static_cast<float>(NextRandom(rng) >> 8) / 16777216.0f;
}
