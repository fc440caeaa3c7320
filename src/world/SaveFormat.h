#pragma once
// The lines at the head of a slot's save.txt, described once in a table from which they are written,
// checked and read back:
//
//   CurrentMap GoblinVillage        the map the game continues on
//   Gold 60                         0 to what the game's counter holds
//   Inv Rope                        twenty places, an item's name or nothing
//   Story 1 1 1 1 1 1 0 0 0 0 1     the story flags, in StoryFlags order       (the progress lines:
//   Party 2                         how many of the roster fight                a save written before
//   Fish 1 0 0 0 0 1 0 0 0          the fish caught, by fish index              they existed has none,
//   Fences 1 1 0 0 0                the forest's fences pulled down             and its story starts
//   Pouch 12 1 14 0                 each pouch slot's potion kind and count     over)
//   Played 5423                     the seconds played
//
// then one section per visited map ("Map : <name>" and its flag lines), which world/SaveText keeps.

#include <optional>
#include <string>
#include <vector>

#include "world/GameSession.h"

inline constexpr int SAVE_HEADER_LINES = 2 + INVENTORY_PLACES;

// The head of the save for the session, naming mapName: header lines, then the progress lines.
std::string SaveHeaderText(const GameSession& session, const char* mapName);
// Whether a map name can stand in a save: 1 to MAP_NAME_SIZE - 1 printable bytes, no space.
bool IsSavedMapName(const std::string& name);

// Whether the line (without its feed) is one of the progress lines, whole and in range.
bool IsProgressLine(const std::string& line);
// Whether the first SAVE_HEADER_LINES lines (without their feeds) are the header, whole and in range.
bool IsSaveHeaderSound(const std::vector<std::string>& lines);
// The session of a save whose head is sound: map, gold, inventory names and every progress line found
// before the first section.
void ReadSaveHead(const std::vector<std::string>& lines, GameSession& session);
// What the slot menu tells of a save: the map it continues on, and the time played when the save
// says (saves written before it was kept do not). Nothing when the head is not sound.
struct SaveSummary {
    std::string mapName;
    std::optional<int32_t> secondsPlayed;
};
std::optional<SaveSummary> ReadSaveSummary(const std::string& saveText);
// "h:mm", the minutes begun not counted (0:00 for the first minute).
std::string PlayTimeText(int32_t seconds);

// A new save file: the story starts over.
void StartStoryOver(GameSession& session);
