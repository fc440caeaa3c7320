#pragma once
// The save slot's save.txt: a header (map, gold, inventory) and one section per visited map saying
// which of its NPCs and items are still there. Every write replaces the file whole and atomically,
// keeping the previous version as save.bak beside it.

#include <SFML/Graphics/RenderWindow.hpp>

#include <string>
#include <vector>

#include "content/Items.h"
#include "content/Npcs.h"

// "Saves/Save<slot>" and the files in it, for the given slot or the active one.
std::string SaveFolderPath(int32_t slot);
std::string SaveFolderPath();
std::string SaveFilePath();

// A map's content list (Map.txt): its NPC count and the names of the items lying on it.
struct ContentList {
    int npcCount = 0;
    std::vector<std::string> itemNames;
};
bool ReadContentList(const char* mapName, ContentList& list);

// The first step of every map load: a new first line naming the current map, or, for a new game,
// a new file (the story flags are cleared with it).
void PrepareSaveHeader();
// Whether save.txt already holds the section of the current map.
bool HasMapSection();
void AppendMapSection(NpcList& npcs, MapItemList& items);
void RestoreMapContent(NpcList& npcs, MapItemList& items);
// Rewrites save.txt for the map named by the previous map name and writes the slot's thumbnail.
void SaveMapState(const NpcList& npcs, const MapItemList& items, sf::RenderWindow& window);

// The rewritten text of a save: header for mapName, then every section as it was, mapName's flags
// replaced by flagLines. Pure, so the format can be checked byte for byte.
std::string RewriteSaveText(const std::string& oldText, const std::string& mapName,
                            const std::string& flagLines);
std::string SaveHeaderText(const char* mapName);

// The game area as the scene shows it now (the slot thumbnails).
sf::Image CaptureWindowGameArea(sf::RenderWindow& window);
// Writes that picture as the active slot's capture.png; returns whether it was written.
bool WriteSlotThumbnail(sf::RenderWindow& window);

// Whether a save's text is whole and in the save format: a map, the gold, twenty inventory places,
// then sections of flag lines, every line ended. An empty, cut or foreign file is not.
bool IsSaveTextSound(const std::string& text);

// Reads the slot's map, gold and inventory into the running game, from save.txt or, when that is not
// sound, from its backup, which then takes its place. Returns false, with a message, when neither can
// be used; the game is then left as it was.
bool LoadSavedGame();

// The lines of a save's text, each with its line feed (a last line without one is kept as it is).
std::vector<std::string> SplitSaveLines(const std::string& text);

bool ReadTextFile(const std::string& path, std::string& text);
// Writes a temporary file, flushes it to disk, keeps the old file as <path>.bak (unless keepBackup is
// false), renames the new one over it and flushes the folder. A crash at any moment leaves the old or
// the new file, whole.
bool WriteFileAtomically(const std::string& path, const std::string& text, bool keepBackup = true);
