#pragma once
// The first morning of a new game, played the way a player would, on the real maps: the Start pop-up,
// out of the house, the merchant, the rope, the inventory, back home through the door; then, in a
// fresh game, the slot continued from the save-slot menu.

#include <functional>
#include <string>

#include "support/GameHarness.h"

// Called once each step is on screen, with the step's name (the screenshots are named after them).
using Checkpoint = std::function<void(const std::string& step)>;

// Each returns what went wrong, or an empty text when every step was reached.
std::string PlayFirstMorning(GameHarness& game, const Checkpoint& reached);
std::string ContinueFirstMorning(GameHarness& game, const Checkpoint& reached);
