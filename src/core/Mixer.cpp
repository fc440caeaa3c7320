#include "core/Mixer.h"

#include <SFML/Audio/Listener.hpp>

#include "core/Music.h"
#include "core/Settings.h"
#include "core/SoundEffects.h"

void ApplyVolumes() {
    SetMusicVolume(MusicVolume());
    SetEffectsVolume(EffectsVolume());
}

namespace {

constexpr float FULL_MIX = 100.0f;
bool gMixMuted = false;

}  // namespace

// At the listener, so the loops already playing (footsteps, the rope, the reel) fall silent too.
void MuteMix(bool mute) {
    if (mute == gMixMuted) return;  // nothing to tell the listener (there may be no sound device yet)
    gMixMuted = mute;
    sf::Listener::setGlobalVolume(mute ? 0.0f : FULL_MIX);
}

bool IsMixMuted() {
    return gMixMuted;
}
