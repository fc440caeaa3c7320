// Feeds arbitrary bytes to the game as its Config.txt: whatever the file holds, the settings read are in
// range, the file the game writes back reads as those same settings, and nothing crashes.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "core/Log.h"
#include "core/Settings.h"

namespace {

constexpr float HIGHEST_VOLUME = 20.0f;

// Once per process: a working directory of its own with Assets/Config, the log silenced.
void EnterScratchFolder() {
    static bool entered = false;
    if (entered) return;
    entered = true;
    // In memory where the system has it: the game flushes every settings file it writes to the disk.
    const std::filesystem::path base =
        std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    const std::filesystem::path folder = base / ("velmoria-settings-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder / "Assets" / "Config");
    std::filesystem::current_path(folder);
    SetLogSink([](std::string_view) {});
}

void Check(bool holds) {
    if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EnterScratchFolder();
    std::ofstream(SETTINGS_PATH, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    ResetSettings();
    LoadSettings();
    const Settings read = gSettings;
    const Volumes volumes = CurrentVolumes();
    for (const float volume : CurrentVolumes())
        Check(volume >= 0.0f && volume <= HIGHEST_VOLUME);
    for (const int32_t button : read.padButtons)
        Check(button == PAD_BUTTON_OF_THE_MAKE || (button >= 0 && button < 32));
    // What the game wrote back (whole, or as it was) reads as the same settings.
    ResetSettings();
    LoadSettings();
    Check(CurrentKeyCodes() == KeyCodes{read.keys.up, read.keys.down, read.keys.right, read.keys.left,
                                        read.keys.enter, read.keys.escape, read.keys.inventory});
    Check(CurrentVolumes() == volumes);
    Check(gSettings.windowed == read.windowed && gSettings.padButtons == read.padButtons);
    return 0;
}
