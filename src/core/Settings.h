#pragma once
// The player's settings: seven key bindings and three volumes, kept in Assets/Config/Config.txt in ten
// lines, then the extra lines found by their key word: whether the game plays in a window, and the
// gamepad buttons a player chose instead of the ones of the pad's make.

#include <array>
#include <cstdint>

#include "core/Gamepad.h"

inline constexpr const char* SETTINGS_PATH = "Assets/Config/Config.txt";

enum KeyAction : int32_t {
    KEY_UP = 0,
    KEY_DOWN,
    KEY_RIGHT,
    KEY_LEFT,
    KEY_ENTER,
    KEY_ESCAPE,
    KEY_INVENTORY,
    KEY_ACTION_COUNT
};

enum VolumeKind : int32_t { VOLUME_GENERAL = 0, VOLUME_MUSIC, VOLUME_SOUNDS, VOLUME_KIND_COUNT };

using KeyCodes = std::array<int32_t, KEY_ACTION_COUNT>;
using Volumes = std::array<float, VOLUME_KIND_COUNT>;

struct KeyBindings {
    int32_t up = 0;
    int32_t down = 0;
    int32_t right = 0;
    int32_t left = 0;
    int32_t enter = 0;
    int32_t escape = 0;
    int32_t inventory = 0;
};

struct Settings {
    KeyBindings keys;  // key codes of SFML's keyboard enumeration
    float volumeGeneral = 0.0f;
    float volumeMusic = 0.0f;
    float volumeSounds = 0.0f;
    bool windowed = false;  // a window on the desktop instead of the full screen
    // SFML button numbers, or PAD_BUTTON_OF_THE_MAKE for the layout of the pad's make.
    std::array<int32_t, PAD_ACTION_COUNT> padButtons{PAD_BUTTON_OF_THE_MAKE, PAD_BUTTON_OF_THE_MAKE,
                                                     PAD_BUTTON_OF_THE_MAKE, PAD_BUTTON_OF_THE_MAKE,
                                                     PAD_BUTTON_OF_THE_MAKE};
};

extern Settings gSettings;

// Reads the file, creating it with the defaults (Z S D Q, Enter, Escape, Tab, volumes 10) when missing.
void LoadSettings();
// Writes the file and makes the values current (core/Mixer.h carries the volumes to the players).
void SaveSettings(const KeyCodes& keys, const Volumes& volumes);
// Writes the choice of a window or the full screen with the other settings as they are.
void SaveWindowed(bool windowed);

KeyCodes CurrentKeyCodes();
Volumes CurrentVolumes();

// The products handed to SFML as volume percentages (100 with the defaults).
float MusicVolume();
float EffectsVolume();

// Back to the program-start values: every binding and volume 0 (key 0 is A, volume 0 is silent).
void ResetSettings();
