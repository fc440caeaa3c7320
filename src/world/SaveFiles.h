#pragma once
// The save slots' files on disk: where they are, and a slot's save.txt read and replaced whole,
// atomically.

#include <cstdint>
#include <string>
#include <vector>

#include "core/WholeFiles.h"

// "Saves/Save<slot>".
std::string SaveFolderPath(int32_t slot);
// Makes the folder (Saves, or a slot's); false when it exists already or cannot be made.
bool CreateSaveFolder(const std::string& path);

// The lines of a save's text, each with its line feed (a last line without one is kept as it is).
std::vector<std::string> SplitSaveLines(const std::string& text);

// One slot's save.txt. Between OpenBatch and the matching CommitBatch reads and writes go to one text in
// memory and the commit writes it once: a door rewrites the section of the map left, names the map
// entered and appends its section in a single atomic write. Batches nest; the outermost commit writes.
// A failed commit returns false and leaves the old file.
class SaveFile {
public:
    explicit SaveFile(int32_t slot);
    const std::string& Folder() const { return folder_; }
    const std::string& Path() const { return path_; }
    bool Read(std::string& text);
    bool Write(const std::string& text);
    void OpenBatch();
    bool CommitBatch();

private:
    std::string folder_;
    std::string path_;
    int depth_ = 0;
    std::string text_;
    bool read_ = false;     // text_ holds the file (or what replaces it)
    bool written_ = false;  // text_ differs from the file and must be written at the commit
};
