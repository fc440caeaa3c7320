// Feeds arbitrary bytes to the game as its Config.txt: whatever the file holds, the settings read are in
// range, the file the game writes back reads as those same settings, and nothing crashes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzFolder.h"
#include "core/Settings.h"

namespace {

constexpr float HIGHEST_VOLUME = 20.0f;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EnterFuzzFolder("settings");
    WriteFuzzInput(SETTINGS_PATH, data, size);
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
