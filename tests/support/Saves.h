#pragma once
// The save files as a test reads them, and the menus that lead to them: the title's Play, and a slot
// continued from the save-slot menu.

#include <string>

#include "support/GameHarness.h"

// The whole save.txt of a slot (empty when there is none).
std::string SaveText(int slot = 0);
// A map's section of the slot's save: from its "Map : <name>" line to the next section.
std::string SavedSection(const std::string& map, int slot = 0);

// From the splash of a fresh game to the title menu.
void OpenTitleMenu(GameHarness& game);
// From the splash to the title menu, then Play: a new game when no slot is in use, the save-slot
// menu otherwise.
void ChoosePlay(GameHarness& game);
// Play, then ENTER on the first slot to continue its save. Returns what went wrong, or an empty text.
std::string ContinueFirstSlot(GameHarness& game);
