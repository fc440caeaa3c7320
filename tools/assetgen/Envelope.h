#pragma once
// Attack-decay-sustain-release loudness of one note, in seconds.

#include <algorithm>

struct Adsr {
    float attack = 0.005f;
    float decay = 0.05f;
    float sustain = 0.7f;  // level held while the note is down
    float release = 0.05f;
};

// Level while the key is down (t < gate) and after release; it reaches exactly zero at gate + release,
// so no note ever stops on a non-zero sample.
inline float AdsrLevel(const Adsr& adsr, float t, float gate) {
    auto held = [&adsr](float time) {
        if (adsr.attack > 0.0f && time < adsr.attack) return time / adsr.attack;
        const float intoDecay = time - adsr.attack;
        if (adsr.decay > 0.0f && intoDecay < adsr.decay)
            return 1.0f - (1.0f - adsr.sustain) * (intoDecay / adsr.decay);
        return adsr.sustain;
    };
    if (t < 0.0f) return 0.0f;
    if (t < gate) return held(t);
    if (adsr.release <= 0.0f) return 0.0f;
    const float released = 1.0f - (t - gate) / adsr.release;
    return std::max(0.0f, held(gate) * released * released);
}

inline float EnvelopeLength(const Adsr& adsr, float gate) {
    return gate + adsr.release;
}
