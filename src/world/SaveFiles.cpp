#include "world/SaveFiles.h"

#include <filesystem>
#include <system_error>

#include "core/Text.h"
#include "world/GameSession.h"

std::string SaveFolderPath(int32_t slot) {
    char folder[100];
    FormatText(folder, sizeof folder, "Saves/Save%d", slot);
    return folder;
}

std::string SaveFolderPath() {
    return SaveFolderPath(gSession.saveSlot);
}

bool CreateSaveFolder(const std::string& path) {
    std::error_code error;
    return std::filesystem::create_directory(path, error);
}

std::string SaveFilePath() {
    return SaveFolderPath() + "/save.txt";
}

std::vector<std::string> SplitSaveLines(const std::string& text) {
    std::vector<std::string> lines;
    for (size_t start = 0; start < text.size();) {
        const size_t end = text.find('\n', start);
        const size_t stop = end == std::string::npos ? text.size() : end + 1;
        lines.push_back(text.substr(start, stop - start));
        start = stop;
    }
    return lines;
}

namespace {

// The save text of a door or a map load while it is being built, and how many callers hold it open.
struct SaveBatch {
    int depth = 0;
    std::string path;
    std::string text;
    bool read = false;     // text holds the file (or what replaces it)
    bool written = false;  // text differs from the file and must be written at the commit
};

SaveBatch gBatch;

bool BatchHolds(const std::string& path) {
    return gBatch.depth > 0 && path == gBatch.path;
}

}  // namespace

bool ReadSaveText(std::string& text) {
    const std::string path = SaveFilePath();
    if (!BatchHolds(path)) return ReadTextFile(path, text);
    if (!gBatch.read) gBatch.read = ReadTextFile(path, gBatch.text);
    if (gBatch.read) text = gBatch.text;
    return gBatch.read;
}

bool WriteSaveText(const std::string& text) {
    const std::string path = SaveFilePath();
    if (!BatchHolds(path)) return WriteFileAtomically(path, text);
    gBatch.text = text;
    gBatch.read = true;
    gBatch.written = true;
    return true;
}

void OpenSaveBatch() {
    if (gBatch.depth++ == 0) gBatch = SaveBatch{1, SaveFilePath(), {}, false, false};
}

bool CommitSaveBatch() {
    if (gBatch.depth == 0 || --gBatch.depth > 0) return true;
    const SaveBatch done = std::move(gBatch);
    gBatch = SaveBatch{};
    return !done.written || WriteFileAtomically(done.path, done.text);
}
