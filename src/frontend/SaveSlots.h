#pragma once
// What the save slots do: start a new game in a slot, continue one, delete one.

#include <SFML/Graphics/RenderWindow.hpp>

#include <cstdint>
#include <memory>
#include <string>

#include "core/Screens.h"

// A fresh game in slot: its folder, 20 gold, the bedroom, the Start pop-up; the game's first screen
// writes the slot's first thumbnail.
std::unique_ptr<Screen> StartNewSave(ScreenContext context, int32_t slot);
// The game of slot continued from its save (or its sound backup), or nothing, with the reason, when
// the save cannot be played; the save is then left as it is.
std::unique_ptr<Screen> ContinueSave(ScreenContext context, int32_t slot, std::string& why);
// False when the folder could not be removed (and says so on standard error).
bool DeleteSaveSlot(int32_t slot);
