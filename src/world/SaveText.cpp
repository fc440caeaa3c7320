#include "world/SaveText.h"

#include "core/Log.h"
#include "core/Text.h"
#include "world/GameSession.h"
#include "world/SaveFiles.h"
#include "world/SaveProgress.h"

namespace {

constexpr const char* SECTION_MARK = "Map : ";

std::string InventoryLines() {
    std::string lines;
    for (int place = 0; place < INVENTORY_PLACES; ++place) {
        const bool held = place < static_cast<int>(gSession.inventory.size());
        lines += "Inv " + (held ? gSession.inventory[static_cast<size_t>(place)].name : std::string()) + "\n";
    }
    return lines;
}

bool IsHeader(const std::string& line) {
    return line.find(SECTION_MARK) != std::string::npos;
}

}  // namespace

bool IsSectionHeaderOf(const std::string& line, const std::string& map) {
    const std::string bare = !line.empty() && line.back() == '\n' ? line.substr(0, line.size() - 1) : line;
    return bare == SECTION_MARK + map;
}

std::string SaveHeaderText(const char* mapName) {
    std::string header = std::string("CurrentMap ") + mapName + "\n";
    char gold[32];
    FormatText(gold, sizeof gold, "Gold %d\n", gSession.gold);
    return header + gold + InventoryLines() + ProgressLines(gSession);
}

std::string RewriteSaveText(const std::string& oldText, const std::string& mapName,
                            const std::string& flagLines) {
    const std::vector<std::string> lines = SplitSaveLines(oldText);
    size_t at = 0;
    while (at < lines.size() && !IsHeader(lines[at]))
        ++at;
    std::string before;
    // Every section before the map's own, and its header line.
    for (; at < lines.size(); ++at) {
        before += lines[at];
        if (IsSectionHeaderOf(lines[at], mapName)) {
            ++at;
            break;
        }
    }
    while (at < lines.size() && !(IsHeader(lines[at]) && !IsSectionHeaderOf(lines[at], mapName)))
        ++at;
    std::string after;
    for (; at < lines.size(); ++at) {
        if (lines[at] != "\n" && lines[at] != " ") after += lines[at];
    }
    return SaveHeaderText(mapName.c_str()) + "\n" + before + flagLines + "\n" + after;
}

void PrepareSaveHeader() {
    const std::string path = SaveFilePath();
    std::string text;
    if (ReadSaveText(text)) {
        const size_t end = text.find('\n');
        const std::string rest = end == std::string::npos ? std::string() : text.substr(end + 1);
        const std::string named = std::string("CurrentMap ") + gSession.currentMapName + "\n" + rest;
        if (named != text && !WriteSaveText(named)) {
            LogDebug("Cannot write %s: the save keeps its previous first line\n", path.c_str());
        }
        return;
    }
    gSession.story = StoryFlags{};  // a new save file starts the story over
    // The game's real state from the first line on: a new game's gold and items are saved at once.
    if (!WriteSaveText(SaveHeaderText(gSession.currentMapName))) LogDebug("Cannot create %s\n", path.c_str());
}

bool HasMapSection() {
    std::string text;
    if (!ReadSaveText(text)) return false;
    const std::vector<std::string> lines = SplitSaveLines(text);
    for (size_t i = 1; i < lines.size(); ++i) {
        if (IsSectionHeaderOf(lines[i], gSession.currentMapName)) return true;
    }
    return false;
}
