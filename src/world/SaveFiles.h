#pragma once
// The save slots' files on disk: where they are, reading them whole, and replacing them atomically.

#include <cstdint>
#include <string>
#include <vector>

// "Saves/Save<slot>" and the files in it, for the given slot or the session's.
std::string SaveFolderPath(int32_t slot);
std::string SaveFolderPath();
std::string SaveFilePath();
// Makes the folder (Saves, or a slot's); false when it exists already or cannot be made.
bool CreateSaveFolder(const std::string& path);

// The lines of a save's text, each with its line feed (a last line without one is kept as it is).
std::vector<std::string> SplitSaveLines(const std::string& text);

bool ReadTextFile(const std::string& path, std::string& text);
// Writes a temporary file, flushes it to disk, keeps the old file as <path>.bak (unless keepBackup is
// false), renames the new one over it and flushes the folder. A crash at any moment leaves the old or
// the new file, whole.
bool WriteFileAtomically(const std::string& path, const std::string& text, bool keepBackup = true);
