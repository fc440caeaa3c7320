#include <gtest/gtest.h>

#include <filesystem>

#include "app/Startup.h"
#include "support/GameHarness.h"

namespace fs = std::filesystem;

namespace {

TEST(Startup, WithoutAnAssetsFolderTheGameSaysWhereItLookedInsteadOfOpeningABlackWindow) {
    const fs::path previous = fs::current_path();
    const fs::path empty = fs::temp_directory_path() / "velmoria-no-assets";
    fs::create_directories(empty);
    fs::current_path(empty);
    testing::internal::CaptureStderr();
    const bool entered = EnterAssetTree("/nonexistent/velmoria");
    const std::string message = testing::internal::GetCapturedStderr();
    fs::current_path(previous);
    fs::remove_all(empty);
    EXPECT_FALSE(entered);
    EXPECT_NE(message.find("no Assets folder in " + empty.string()), std::string::npos) << message;
}

TEST(Startup, TheAssetsFolderOfTheWorkingDirectoryIsUsedAsItIs) {
    ScratchFolder folder;
    EXPECT_TRUE(EnterAssetTree(nullptr));
    EXPECT_EQ(fs::current_path(), folder.Path());
}

}  // namespace
