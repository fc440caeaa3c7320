#include "core/Mixer.h"

#include "core/Music.h"
#include "core/Settings.h"
#include "core/SoundEffects.h"

void ApplyVolumes() {
    SetMusicVolume(MusicVolume());
    SetEffectsVolume(EffectsVolume());
}
