#include "core/Settings.h"

#include <cmath>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>

#include "core/Log.h"
#include "core/Text.h"
#include "core/WholeFiles.h"

Settings gSettings;

namespace {

constexpr KeyCodes DEFAULT_KEYS = {25, 18, 3, 16, 58, 36, 60};  // Z S D Q Enter Escape Tab
constexpr float DEFAULT_VOLUME = 10.0f;

// One line per value, in file order; reading uses the same patterns.
constexpr const char* KEY_PATTERNS[KEY_ACTION_COUNT] = {
    "UP %d\n", "DOWN %d\n", "RIGHT %d\n", "LEFT %d\n", "ENTER %d\n", "ESCAPE %d\n", "INVENTORY %d\n",
};
constexpr const char* VOLUME_PATTERNS[VOLUME_KIND_COUNT] = {"VOLUME %f\n", "MUSIC %f\n", "SOUNDS %f\n"};
// The extra lines, after the ten: a file without them reads as it always did.
constexpr const char* WINDOWED_PATTERN = "WINDOWED %d\n";
constexpr const char* PAD_PATTERNS[PAD_ACTION_COUNT] = {
    "PAD_CONFIRM %d\n", "PAD_BACK %d\n", "PAD_INVENTORY %d\n", "PAD_PAUSE %d\n", "PAD_HURRY %d\n"};
constexpr int32_t HIGHEST_PAD_BUTTON = 31;

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

constexpr int32_t LOWEST_KEY_CODE = -1;  // SFML's code for a key it does not know
constexpr int32_t HIGHEST_KEY_CODE = 101;
constexpr float HIGHEST_VOLUME = 20.0f;

// The ten lines, in file order.
std::string SettingsText(const KeyCodes& keys, const Volumes& volumes) {
    std::string text;
    char line[64];
    for (int action = 0; action < KEY_ACTION_COUNT; ++action) {
        FormatText(line, sizeof line, KEY_PATTERNS[action], keys[action]);
        text += line;
    }
    for (int kind = 0; kind < VOLUME_KIND_COUNT; ++kind) {
        FormatText(line, sizeof line, VOLUME_PATTERNS[kind], static_cast<double>(volumes[kind]));
        text += line;
    }
    // The extra lines only when they say something: a player who never changed them keeps ten lines.
    if (gSettings.windowed) {
        FormatText(line, sizeof line, WINDOWED_PATTERN, 1);
        text += line;
    }
    for (int action = 0; action < PAD_ACTION_COUNT; ++action) {
        if (gSettings.padButtons[action] == PAD_BUTTON_OF_THE_MAKE) continue;
        FormatText(line, sizeof line, PAD_PATTERNS[action], gSettings.padButtons[action]);
        text += line;
    }
    return text;
}

void MakeCurrent(const KeyCodes& keys, const Volumes& volumes) {
    for (int action = 0; action < KEY_ACTION_COUNT; ++action)
        *KeyField(action) = keys[action];
    for (int kind = 0; kind < VOLUME_KIND_COUNT; ++kind)
        *VolumeField(kind) = volumes[kind];
}

// The value after the key word of the first line that starts with it, blanks around it dropped.
std::optional<std::string> ValueOf(const std::string& text, const char* pattern) {
    const std::string word = std::string(pattern).substr(0, std::string(pattern).find(' '));
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string first, value, extra;
        if (!(words >> first >> value) || first != word) continue;
        if (words >> extra) return std::nullopt;
        return value;
    }
    return std::nullopt;
}

// The extra lines, each on its own: one missing or unreadable keeps its default and nothing else.
void ReadExtraLines(const std::string& text) {
    const std::optional<std::string> windowed = ValueOf(text, WINDOWED_PATTERN);
    const std::optional<int32_t> choice = windowed ? ParseWholeNumber(*windowed, 0, 1) : std::nullopt;
    gSettings.windowed = choice.value_or(0) == 1;
    for (int action = 0; action < PAD_ACTION_COUNT; ++action) {
        const std::optional<std::string> value = ValueOf(text, PAD_PATTERNS[action]);
        const std::optional<int32_t> button =
            value ? ParseWholeNumber(*value, 0, HIGHEST_PAD_BUTTON) : std::nullopt;
        gSettings.padButtons[action] = button.value_or(PAD_BUTTON_OF_THE_MAKE);
    }
}

// A volume the file holds between 0 and 20 is taken to the nearest half, the steps the options move in,
// so a hand-written 10.3 cannot be stepped past either end.
std::optional<float> ParseVolume(const std::string& value) {
    char* end = nullptr;
    const float volume = std::strtof(value.c_str(), &end);
    if (end != value.c_str() + value.size() || !(volume >= 0.0f && volume <= HIGHEST_VOLUME))
        return std::nullopt;
    return std::round(volume * 2.0f) / 2.0f;
}

// Every value the text holds whole and in range; the others keep the defaults. False when some line was
// missing or unreadable.
bool ReadSettingsText(const std::string& text, KeyCodes& keys, Volumes& volumes) {
    bool whole = true;
    for (int action = 0; action < KEY_ACTION_COUNT; ++action) {
        const std::optional<std::string> value = ValueOf(text, KEY_PATTERNS[action]);
        const std::optional<int32_t> code =
            value ? ParseWholeNumber(*value, LOWEST_KEY_CODE, HIGHEST_KEY_CODE) : std::nullopt;
        if (code) keys[action] = *code;
        whole = whole && code.has_value();
    }
    for (int kind = 0; kind < VOLUME_KIND_COUNT; ++kind) {
        const std::optional<std::string> value = ValueOf(text, VOLUME_PATTERNS[kind]);
        const std::optional<float> volume = value ? ParseVolume(*value) : std::nullopt;
        if (volume) volumes[kind] = *volume;
        whole = whole && volume.has_value();
    }
    return whole;
}

bool WriteSettingsFile(const KeyCodes& keys, const Volumes& volumes) {
    return WriteFileAtomically(SETTINGS_PATH, SettingsText(keys, volumes), false);
}

}  // namespace

void LoadSettings() {
    KeyCodes keys = DEFAULT_KEYS;
    Volumes volumes = {DEFAULT_VOLUME, DEFAULT_VOLUME, DEFAULT_VOLUME};
    std::string text;
    const bool found = ReadTextFile(SETTINGS_PATH, text);
    if (!found) LogDebug("Fail to open file\n");
    // A file written in part (or by hand) is completed with the defaults and written back whole.
    const bool whole = found && ReadSettingsText(text, keys, volumes);
    ReadExtraLines(found ? text : "");
    MakeCurrent(keys, volumes);
    if (!whole && !WriteSettingsFile(keys, volumes)) {
        // Neither readable nor creatable (a read-only folder): play on with the values in memory.
        LogDebug("Cannot write %s: the settings stay in memory only\n", SETTINGS_PATH);
    }
}

void SaveSettings(const KeyCodes& keys, const Volumes& volumes) {
    MakeCurrent(keys, volumes);
    if (!WriteSettingsFile(keys, volumes)) LogDebug("Fail to open file\n");
}

void SaveWindowed(bool windowed) {
    gSettings.windowed = windowed;
    if (!WriteSettingsFile(CurrentKeyCodes(), CurrentVolumes())) LogDebug("Fail to open file\n");
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
