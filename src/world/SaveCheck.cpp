#include "world/SaveCheck.h"

#include <sstream>

#include "core/Log.h"
#include "world/GameSession.h"
#include "world/SaveFiles.h"

namespace {

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

bool ReadSoundSave(const std::string& path, std::string& text) {
    return ReadTextFile(path, text) && IsSaveTextSound(text);
}

}  // namespace

std::vector<std::string> SaveLinesWithoutFeeds(const std::string& text) {
    std::vector<std::string> lines = SplitSaveLines(text);
    if (!lines.empty() && lines.back().back() != '\n') lines.pop_back();
    for (std::string& line : lines)
        line.pop_back();
    return lines;
}

bool IsSaveTextSound(const std::string& text) {
    if (text.empty() || text.back() != '\n') return false;
    const std::vector<std::string> lines = SaveLinesWithoutFeeds(text);
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

bool ReadSoundSaveText(std::string& text) {
    const std::string path = SaveFilePath();
    if (ReadSoundSave(path, text)) return true;
    if (!ReadSoundSave(path + ".bak", text)) {
        LogDebug("Save %d cannot be continued: %s is missing or damaged and has no sound backup\n",
                 gSession.saveSlot + 1, path.c_str());
        return false;
    }
    LogDebug("%s is damaged: continuing from its backup\n", path.c_str());
    WriteFileAtomically(path, text, false);
    return true;
}
