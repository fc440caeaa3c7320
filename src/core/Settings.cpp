#include "core/Settings.h"

#include <cstdio>

#include "core/FormattedFile.h"
#include "core/Log.h"
#include "core/Music.h"
#include "core/SoundEffects.h"

Settings gSettings;

namespace {

constexpr KeyCodes DEFAULT_KEYS = {25, 18, 3, 16, 58, 36, 60};  // Z S D Q Enter Escape Tab
constexpr float DEFAULT_VOLUME = 10.0f;

// One line per value, in file order; reading uses the same patterns.
constexpr const char* KEY_PATTERNS[KEY_ACTION_COUNT] = {
    "UP %d\n", "DOWN %d\n", "RIGHT %d\n", "LEFT %d\n", "ENTER %d\n", "ESCAPE %d\n", "INVENTORY %d\n",
};
constexpr const char* VOLUME_PATTERNS[VOLUME_KIND_COUNT] = {"VOLUME %f\n", "MUSIC %f\n", "SOUNDS %f\n"};

int32_t* KeyField(int action) {
    int32_t* fields[KEY_ACTION_COUNT] = {
        &gSettings.keys.up,    &gSettings.keys.down,   &gSettings.keys.right,    &gSettings.keys.left,
        &gSettings.keys.enter, &gSettings.keys.escape, &gSettings.keys.inventory};
    return fields[action];
}

float* VolumeField(int kind) {
    float* fields[VOLUME_KIND_COUNT] = {&gSettings.volumeGeneral, &gSettings.volumeMusic,
                                        &gSettings.volumeSounds};
    return fields[kind];
}

// Writes the ten lines (to a file that may be null) and makes each value current as its line is written.
void WriteSettingsLines(std::FILE* file, const KeyCodes& keys, const Volumes& volumes) {
    for (int action = 0; action < KEY_ACTION_COUNT; ++action) {
        WriteFormatted(file, KEY_PATTERNS[action], keys[action]);
        *KeyField(action) = keys[action];
    }
    for (int kind = 0; kind < VOLUME_KIND_COUNT; ++kind) {
        WriteFormatted(file, VOLUME_PATTERNS[kind], static_cast<double>(volumes[kind]));
        *VolumeField(kind) = volumes[kind];
    }
}

// A missing line costs nothing: its key word does not match and the next pattern reads the same place.
// A line whose key word matched but whose value is damaged is passed over to its end, so that one bad
// line cannot hide every line after it.
void ReadSettingLine(std::FILE* file, const char* pattern, ScanTarget target) {
    const long before = std::ftell(file);
    if (ReadFormatted(file, pattern, target) == 1 || std::ftell(file) == before) return;
    for (int c = std::fgetc(file); c != EOF && c != '\n'; c = std::fgetc(file)) {
    }
}

void ReadSettingsLines(std::FILE* file) {
    for (int action = 0; action < KEY_ACTION_COUNT; ++action)
        ReadSettingLine(file, KEY_PATTERNS[action], KeyField(action));
    for (int kind = 0; kind < VOLUME_KIND_COUNT; ++kind)
        ReadSettingLine(file, VOLUME_PATTERNS[kind], VolumeField(kind));
}

}  // namespace

void LoadSettings() {
    std::FILE* file = std::fopen(SETTINGS_PATH, "r");
    if (file == nullptr) {
        LogDebug("Fail to open file\n");
        file = std::fopen(SETTINGS_PATH, "w+");
        const Volumes volumes = {DEFAULT_VOLUME, DEFAULT_VOLUME, DEFAULT_VOLUME};
        WriteSettingsLines(file, DEFAULT_KEYS, volumes);
        if (file == nullptr) {
            // Neither readable nor creatable (a read-only folder): play on with the defaults in memory.
            LogDebug("Cannot create %s: the default settings stay in memory only\n", SETTINGS_PATH);
            return;
        }
        std::fflush(file);
    }
    std::rewind(file);
    ReadSettingsLines(file);
    std::fclose(file);
}

void SaveSettings(const KeyCodes& keys, const Volumes& volumes) {
    std::FILE* file = std::fopen(SETTINGS_PATH, "w");
    if (file == nullptr) LogDebug("Fail to open file\n");
    WriteSettingsLines(file, keys, volumes);
    if (file != nullptr && std::fclose(file) != 0) LogDebug("Fail to write %s\n", SETTINGS_PATH);
    ApplyMusicVolume();
    ApplyEffectsVolume();
}

KeyCodes CurrentKeyCodes() {
    KeyCodes keys{};
    for (int action = 0; action < KEY_ACTION_COUNT; ++action)
        keys[action] = *KeyField(action);
    return keys;
}

Volumes CurrentVolumes() {
    return {gSettings.volumeGeneral, gSettings.volumeMusic, gSettings.volumeSounds};
}

float MusicVolume() {
    return gSettings.volumeMusic * gSettings.volumeGeneral;
}
float EffectsVolume() {
    return gSettings.volumeSounds * gSettings.volumeGeneral;
}

void ResetSettings() {
    gSettings = Settings{};
}
