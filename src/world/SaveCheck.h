#pragma once
// Telling a sound save from a damaged one, and falling back on its backup.

#include <string>
#include <vector>

#include "world/SaveFiles.h"

// Whether a save's text is whole and in the save format: the head of world/SaveFormat, then one section
// a map, each with exactly one flag line per NPC and item of its map's content list, every line ended.
// An empty, cut or foreign file is not.
bool IsSaveTextSound(const std::string& text);

// The slot's save.txt when it is sound, or else its sound backup, which then takes its place. Returns
// false, with a message naming the slot, when neither can be used.
bool ReadSoundSaveText(SaveFile& save, int32_t slot, std::string& text);

// Every ended line of a save's text, without its feed.
std::vector<std::string> SaveLinesWithoutFeeds(const std::string& text);
