#include "core/WholeFiles.h"

#include <fcntl.h>
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <filesystem>

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

std::optional<int32_t> ParseWholeNumber(std::string_view text, int32_t low, int32_t high) {
    // from_chars takes a minus sign but not a plus sign or blanks, as the save and settings files want.
    int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value < low || value > high)
        return std::nullopt;
    return static_cast<int32_t>(value);
}
