#pragma once
// The save slots' files on disk: where they are, and their lines (read and replaced whole, atomically).

#include <cstdint>
#include <string>
#include <vector>

#include "core/WholeFiles.h"

// "Saves/Save<slot>" and the files in it, for the given slot or the session's.
std::string SaveFolderPath(int32_t slot);
std::string SaveFolderPath();
std::string SaveFilePath();
// Makes the folder (Saves, or a slot's); false when it exists already or cannot be made.
bool CreateSaveFolder(const std::string& path);

// The lines of a save's text, each with its line feed (a last line without one is kept as it is).
std::vector<std::string> SplitSaveLines(const std::string& text);

// The session's save.txt, read and written whole. Between OpenSaveBatch and the matching
// CommitSaveBatch both go to one text in memory, and the commit writes it once: a door rewrites the
// section of the map left, names the map entered and appends its section in a single atomic write.
// Batches nest; the outermost commit writes. A failed commit returns false and leaves the old file.
bool ReadSaveText(std::string& text);
bool WriteSaveText(const std::string& text);
void OpenSaveBatch();
bool CommitSaveBatch();
