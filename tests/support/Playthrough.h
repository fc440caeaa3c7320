#pragma once
// The whole story played the way a player would, on the real maps, from a new game to the End and the
// way home: the merchant, the bridge's fights, the forest's fences and fires, Spriti's cabin, the rod
// and the shop, the bed and the burning house, Groto and the burning village's fights, the boss.
//
// The story is cut into steps that each end just after the hero arrives on a map, when the game has
// written its save: a save continued after any step can go on with the next one.

#include <string>
#include <vector>

#include "support/FirstMorning.h"
#include "support/GameHarness.h"
#include "support/Saves.h"

// What the game holds, and its save says, once a step is done.
struct StepOutcome {
    const char* map;
    const char* storyLine;  // the save's Story line: the flags in their saved order
    unsigned partySize;
    int gold;
    std::vector<std::string> inventory;  // in its order
    const char* fences;                  // the save's Fences line
    const char* pouch = nullptr;         // the save's Pouch line, where no battle has had a say in it
};

struct StoryStep {
    const char* name;  // also the prefix of its screenshots
    // Plays the step from wherever the hero stands on the map the last step ended on; returns what
    // went wrong, or an empty text.
    std::string (*play)(GameHarness& game, const Checkpoint& reached);
    StepOutcome outcome;
};

// The steps in story order; the first starts at the title menu of a game with no save.
const std::vector<StoryStep>& StorySteps();

// What differs between the step's outcome and the game and its save file now; empty when nothing.
std::string CheckOutcome(GameHarness& game, const StepOutcome& outcome);
