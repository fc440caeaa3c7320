#pragma once
// Telling a sound save from a damaged one, and falling back on its backup.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "world/GameSession.h"

inline constexpr int SAVE_HEADER_LINES = 2 + INVENTORY_PLACES;

// Whether a save's text is whole and in the save format: a map, the gold (a whole number from 0 that
// fits the game's counter), twenty inventory places, then sections, each with exactly one flag line per
// NPC and item of its map's content list, every line ended. An empty, cut or foreign file is not.
bool IsSaveTextSound(const std::string& text);
// The gold of a "Gold <n>" line, or nothing when n is not a number the game can hold.
std::optional<int32_t> ReadSaveGold(const std::string& line);

// The session slot's save.txt when it is sound, or else its sound backup, which then takes its place.
// Returns false, with a message naming the slot, when neither can be used.
bool ReadSoundSaveText(std::string& text);

// Every ended line of a save's text, without its feed.
std::vector<std::string> SaveLinesWithoutFeeds(const std::string& text);
