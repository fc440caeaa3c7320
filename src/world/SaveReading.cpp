#include <cstring>
#include <sstream>

#include "content/Items.h"
#include "core/Log.h"
#include "core/Text.h"
#include "world/SaveFiles.h"
#include "world/WorldState.h"

namespace {

constexpr int SAVE_HEADER_LINES = 2 + INVENTORY_PLACES;

bool StartsWith(const std::string& line, const char* prefix) {
    return line.rfind(prefix, 0) == 0;
}

bool IsNumber(const std::string& text) {
    size_t at = text.size() > 1 && text[0] == '-' ? 1 : 0;
    if (at >= text.size()) return false;
    for (; at < text.size(); ++at) {
        if (text[at] < '0' || text[at] > '9') return false;
    }
    return text.size() <= 11;
}

bool IsMapName(const std::string& name) {
    return !name.empty() && name.size() < MAP_NAME_SIZE && name.find_first_of(" \t\r") == std::string::npos;
}

// "PNJ 3 0" or "Item 12 1".
bool IsFlagLine(const std::string& line) {
    std::istringstream words(line);
    std::string kind, number, flag, extra;
    words >> kind >> number >> flag;
    return (kind == "PNJ" || kind == "Item") && IsNumber(number) && (flag == "0" || flag == "1") &&
           !(words >> extra);
}

// Every ended line, without its feed (a save's text always ends with one).
std::vector<std::string> LinesWithoutFeeds(const std::string& text) {
    std::vector<std::string> lines = SplitSaveLines(text);
    if (!lines.empty() && lines.back().back() != '\n') lines.pop_back();
    for (std::string& line : lines)
        line.pop_back();
    return lines;
}

bool ReadSoundSave(const std::string& path, std::string& text) {
    return ReadTextFile(path, text) && IsSaveTextSound(text);
}

}  // namespace

bool IsSaveTextSound(const std::string& text) {
    if (text.empty() || text.back() != '\n') return false;
    const std::vector<std::string> lines = LinesWithoutFeeds(text);
    if (lines.size() < SAVE_HEADER_LINES) return false;
    if (!StartsWith(lines[0], "CurrentMap ") || !IsMapName(lines[0].substr(11))) return false;
    if (!StartsWith(lines[1], "Gold ") || !IsNumber(lines[1].substr(5))) return false;
    for (int place = 2; place < SAVE_HEADER_LINES; ++place) {
        if (!StartsWith(lines[static_cast<size_t>(place)], "Inv ")) return false;
    }
    bool inSection = false;
    for (size_t i = SAVE_HEADER_LINES; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.empty()) continue;
        if (StartsWith(line, "Map : ") && IsMapName(line.substr(6))) {
            inSection = true;
        } else if (!inSection || !IsFlagLine(line)) {
            return false;
        }
    }
    return true;
}

bool LoadSavedGame() {
    const std::string path = SaveFilePath();
    std::string text;
    if (!ReadSoundSave(path, text)) {
        if (!ReadSoundSave(path + ".bak", text)) {
            LogDebug("Save %d cannot be continued: %s is missing or damaged and has no sound backup\n",
                     gWorld.saveSlot + 1, path.c_str());
            return false;
        }
        LogDebug("%s is damaged: continuing from its backup\n", path.c_str());
        WriteFileAtomically(path, text, false);
    }
    const std::vector<std::string> lines = LinesWithoutFeeds(text);
    const std::string map = lines[0].substr(11);
    LogDebug("setcurrentMap : %s\n", map.c_str());
    SetCurrentMapName(map.c_str());
    SetPreviousMapName(map.c_str());
    gWorld.gold = std::stoi(lines[1].substr(5));
    // The inventory is refilled from the save alone: whatever the last game carried is dropped.
    gInventory.items.clear();
    MapItemList restored;
    for (int place = 2; place < SAVE_HEADER_LINES; ++place) {
        const std::string name = lines[static_cast<size_t>(place)].substr(4);
        LogDebug("item : %s", name.c_str());
        if (name.empty()) continue;
        char path[160];
        FormatText(path, sizeof path, "Assets/Text/Items/%s.txt", name.c_str());
        LogDebug("adresse item %s\n", path);
        LoadItemFile(path, restored);
        PickUpEveryItemNamed(restored, name);
    }
    return true;
}
