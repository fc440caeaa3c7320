#include "world/SaveFiles.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <sstream>

#include "core/FormattedFile.h"
#include "core/Log.h"
#include "core/Text.h"
#include "world/StoryFlags.h"
#include "world/WorldState.h"

namespace {

std::string InventoryLines() {
    std::string lines;
    for (int place = 0; place < INVENTORY_PLACES; ++place) {
        const bool held = place < static_cast<int>(gInventory.items.size());
        lines += "Inv " + (held ? gInventory.items[static_cast<size_t>(place)].name : std::string()) + "\n";
    }
    return lines;
}

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
    return SaveFolderPath(gWorld.saveSlot);
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

std::string SaveHeaderText(const char* mapName) {
    std::string header = std::string("CurrentMap ") + mapName + "\n";
    char gold[32];
    FormatText(gold, sizeof gold, "Gold %d\n", gWorld.gold);
    return header + gold + InventoryLines();
}

bool ReadContentList(const char* mapName, ContentList& list) {
    char path[100];
    FormatText(path, sizeof path, "Assets/Text/Maps/%s/Map.txt", mapName);
    std::FILE* file = std::fopen(path, "r");
    if (file == nullptr) {
        LogDebug("Erreur d'ouverture du fichier Map.txt!\n");
        return false;
    }
    int32_t npcs = 0;
    int32_t itemCount = 0;
    ReadFormatted(file, "PNJ %d\n", &npcs);
    ReadFormatted(file, "Item %d\n", &itemCount);
    list.npcCount = npcs;
    list.itemNames.clear();
    for (int32_t i = 0; i < itemCount; ++i) {
        char name[100] = {};
        if (ReadFormatted(file, "%99[^\n]\n", name) != 1) break;
        list.itemNames.emplace_back(name);
    }
    std::fclose(file);
    return true;
}
