#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/Text.h"
#include "frontend/Splash.h"
#include "frontend/TitleMenu.h"

namespace fs = std::filesystem;

namespace {

const fs::path BUILT = VELMORIA_BUILT_ASSETS;

// Every file the first screens open must be in the built tree, under the exact bytes of its path.
TEST(AssetTree, EveryFileTheFirstScreensLoadIsThereByteForByte) {
    std::vector<std::string> paths = {SPLASH_LOGO_PATHS[0],       SPLASH_LOGO_PATHS[1], TITLE_BACKGROUND_PATH,
                                      SOUND_CURSOR_MOVE,          SOUND_CURSOR_CONFIRM, GAME_FONT,
                                      "Assets/Musics/Roaming.wav"};
    for (const auto& pair : TITLE_BUTTON_PATHS)
        paths.insert(paths.end(), {pair[0], pair[1]});
    for (const std::string& path : paths)
        EXPECT_TRUE(fs::is_regular_file(BUILT / path.substr(std::string("Assets/").size()))) << path;
}

TEST(AssetTree, AccentedNamesAreSingleWindows1252Bytes) {
    const std::string name = "Play non appuy\xE9.png";
    EXPECT_TRUE(fs::exists(BUILT / "Sprites/Menu/Button" / name));
    // The UTF-8 spelling (two bytes for the accent) is not what the game asks for.
    EXPECT_FALSE(fs::exists(BUILT / "Sprites/Menu/Button" / "Play non appuy\xC3\xA9.png"));
}

}  // namespace
