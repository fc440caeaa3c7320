// The whole story, played as a player plays it, from a new game to the End and the way home; then the
// same story played once more with the game closed after every step and its save continued in a fresh
// one, so the save of every step is shown to lead on to the end.

#include <gtest/gtest.h>

#include <filesystem>

#include "support/Playthrough.h"

namespace fs = std::filesystem;

namespace {

void Ignore(const std::string&) {}

// The story's steps look at the game and its save; one frame in eight is drawn.
constexpr int DRAW_EVERY = 8;

void PlayTheWholeStory(unsigned width, unsigned height) {
    GameHarness game({.desktopWidth = width, .desktopHeight = height, .drawEvery = DRAW_EVERY});
    for (const StoryStep& step : StorySteps()) {
        ASSERT_EQ(step.play(game, Ignore), "") << "at step " << step.name;
        ASSERT_EQ(CheckOutcome(game, step.outcome), "") << "after step " << step.name;
    }
}

TEST(Playthrough, TheWholeStoryFromANewGameToTheWayHome) {
    PlayTheWholeStory(1920, 1080);
}

// The same story on a larger desktop: the map pixels, and so every walk and every door, are the same.
TEST(PlaythroughLarge, TheWholeStoryAt2560x1440) {
    PlayTheWholeStory(2560, 1440);
}

// Each step starts from the save the step before left, continued from the menu of a fresh game: by
// induction, the save of any step can be played to the end.
TEST(PlaythroughContinued, TheSaveOfEveryStepContinuedInAFreshGamePlaysOnToTheEnd) {
    const fs::path kept = fs::temp_directory_path() / ("velmoria-playthrough-" + std::to_string(getpid()));
    const auto keepSaves = [&] {
        fs::remove_all(kept);
        fs::copy("Saves", kept, fs::copy_options::recursive);
    };
    const std::vector<StoryStep>& steps = StorySteps();
    {
        GameHarness game({.drawEvery = DRAW_EVERY});
        ASSERT_EQ(steps[0].play(game, Ignore), "");
        keepSaves();
    }
    for (size_t k = 1; k < steps.size(); ++k) {
        GameHarness game({.drawEvery = DRAW_EVERY});
        fs::copy(kept, "Saves", fs::copy_options::recursive);
        ASSERT_EQ(ContinueFirstSlot(game), "") << "continuing after " << steps[k - 1].name;
        ASSERT_EQ(CheckOutcome(game, steps[k - 1].outcome), "") << "continued after " << steps[k - 1].name;
        ASSERT_EQ(steps[k].play(game, Ignore), "") << "at step " << steps[k].name;
        ASSERT_EQ(CheckOutcome(game, steps[k].outcome), "") << "after step " << steps[k].name;
        keepSaves();
    }
    fs::remove_all(kept);
}

}  // namespace
