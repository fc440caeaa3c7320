#include "world/SaveFiles.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "core/Log.h"
#include "core/Text.h"
#include "world/GameSession.h"

namespace {

bool SyncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return false;
    const bool synced = fsync(fd) == 0;
    close(fd);
    return synced;
}

bool WriteAndSync(const std::string& path, const std::string& text) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size() &&
                         std::fflush(file) == 0 && fsync(fileno(file)) == 0;
    return std::fclose(file) == 0 && written;
}

}  // namespace

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

bool ReadTextFile(const std::string& path, std::string& text) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    text.clear();
    char block[4096];
    for (size_t got; (got = std::fread(block, 1, sizeof block, file)) > 0;)
        text.append(block, got);
    std::fclose(file);
    return true;
}

bool WriteFileAtomically(const std::string& path, const std::string& text, bool keepBackup) {
    const std::string fresh = path + ".tmp";
    const std::string backup = path + ".bak";
    const std::string folder = std::filesystem::path(path).parent_path().string();
    if (!WriteAndSync(fresh, text)) {
        std::remove(fresh.c_str());
        return false;
    }
    // The old file stays reachable under its own name until the new one takes its place.
    const std::string backupFresh = backup + ".tmp";
    std::remove(backupFresh.c_str());
    if (keepBackup && link(path.c_str(), backupFresh.c_str()) == 0)
        std::rename(backupFresh.c_str(), backup.c_str());
    if (std::rename(fresh.c_str(), path.c_str()) != 0) {
        std::remove(fresh.c_str());
        return false;
    }
    SyncFolder(folder.empty() ? "." : folder);
    return true;
}
