// The first morning on the real maps and content, then the slot continued in a fresh game.

#include <gtest/gtest.h>

#include <filesystem>

#include "content/Items.h"
#include "core/GameStates.h"
#include "frontend/SaveSlotMenu.h"
#include "frontend/SaveSlots.h"
#include "support/Files.h"
#include "support/FirstMorning.h"
#include "world/GameSession.h"
#include "world/SaveThumbnail.h"

namespace fs = std::filesystem;

namespace {

// The smallest and the largest desktop: the whole story is played at 1920 x 1080 (and 2560 x 1440), and
// every map pixel, walk and door is the same on all of them.
const std::pair<unsigned, unsigned> DESKTOPS[] = {{1366, 768}, {3840, 2160}};

class FirstMorning : public testing::TestWithParam<std::pair<unsigned, unsigned>> {};

TEST_P(FirstMorning, ANewGameWalksToTheMerchantTakesTheRopeGoesHomeAndContinuesFromTheMenu) {
    const auto [width, height] = GetParam();
    const fs::path kept = fs::temp_directory_path() / ("velmoria-first-morning-" + std::to_string(getpid()));
    std::vector<std::string> steps;
    {
        GameHarness game({.desktopWidth = width, .desktopHeight = height, .drawEvery = 4});
        const std::string lost =
            PlayFirstMorning(game, [&](const std::string& step) { steps.push_back(step); });
        ASSERT_EQ(lost, "");
        EXPECT_EQ(game.Session().Story().worldMapOpen, 1);  // the merchant opened the roads
        const std::string save = ReadWholeFile("Saves/Save0/save.txt");
        EXPECT_EQ(save.rfind("CurrentMap HOUSE_ENTER_1\nGold 20\nInv Rope\nInv \n", 0), 0u) << save;
        // The village's section marks the rope taken.
        EXPECT_NE(save.find("Map : GoblinVillage\n"), std::string::npos);
        FinishThumbnailWrites();
        EXPECT_TRUE(fs::is_regular_file("Saves/Save0/capture.png"));
        fs::remove_all(kept);
        fs::copy("Saves", kept, fs::copy_options::recursive);
    }
    GameHarness game({width, height});
    fs::copy(kept, "Saves", fs::copy_options::recursive);
    fs::remove_all(kept);
    ASSERT_EQ(ContinueFirstMorning(game, [&](const std::string& step) { steps.push_back(step); }), "");
    EXPECT_EQ(steps.size(), 12u);
    const GameSession& session = game.Session();
    EXPECT_EQ(std::string(session.CurrentMap()), "HOUSE_ENTER_1");
    EXPECT_EQ(session.Gold(), 20);
    EXPECT_EQ(session.Inventory(), std::vector<std::string>{"Rope"});
    // The story goes on where the save left it: the merchant was met, the roads are open.
    EXPECT_EQ(session.Story().merchantMet, 1);
    EXPECT_EQ(session.Story().worldMapOpen, 1);
}

INSTANTIATE_TEST_SUITE_P(Desktops, FirstMorning, testing::ValuesIn(DESKTOPS),
                         [](const testing::TestParamInfo<std::pair<unsigned, unsigned>>& info) {
                             return std::to_string(info.param.first) + "x" +
                                    std::to_string(info.param.second);
                         });

}  // namespace
