#include "world/SaveCheck.h"

#include <algorithm>
#include <filesystem>
#include <limits>
#include <set>
#include <sstream>

#include "core/Log.h"
#include "world/ContentList.h"
#include "world/SaveFormat.h"

namespace {

bool StartsWith(const std::string& line, const char* prefix) {
    return line.rfind(prefix, 0) == 0;
}

// "PNJ 3 0" or "Item 12 1": the kind and the number, or nothing for any other line.
std::optional<std::pair<std::string, int32_t>> ReadFlagLine(const std::string& line) {
    std::istringstream words(line);
    std::string kind, number, flag, extra;
    words >> kind >> number >> flag;
    const std::optional<int32_t> value = ParseWholeNumber(number, 0, MAX_CONTENT_COUNT - 1);
    if ((kind != "PNJ" && kind != "Item") || !value || (flag != "0" && flag != "1") || (words >> extra)) {
        return std::nullopt;
    }
    return std::pair{kind, *value};
}

// A section holds one flag line per NPC of its map's content list, numbered from 0, then one per item.
// A cut section (a crash or a full disk in the middle of a write) does not. A map the game no longer
// has cannot be checked, and is never loaded again: its section is taken as it is.
bool SectionMatchesContent(const std::string& map,
                           const std::vector<std::pair<std::string, int32_t>>& flags) {
    ContentList list;
    if (!std::filesystem::exists(ContentListPath(map.c_str())) || !ReadContentList(map.c_str(), list))
        return true;
    const size_t npcs = static_cast<size_t>(list.npcCount);
    if (flags.size() != npcs + list.itemNames.size()) return false;
    for (size_t i = 0; i < flags.size(); ++i) {
        const bool npc = i < npcs;
        const int32_t number = static_cast<int32_t>(npc ? i : i - npcs);
        if (flags[i].first != (npc ? "PNJ" : "Item") || flags[i].second != number) return false;
    }
    return true;
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
    if (!IsSaveHeaderSound(lines)) return false;
    std::string map;  // the section being read; empty before the first header
    std::vector<std::pair<std::string, int32_t>> flags;
    std::set<std::string> seen;  // the maps whose sections have begun
    for (size_t i = SAVE_HEADER_LINES; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.empty()) continue;
        if (StartsWith(line, "Map : ") && IsSavedMapName(line.substr(6))) {
            if (!map.empty() && !SectionMatchesContent(map, flags)) return false;
            map = line.substr(6);
            // The game writes one section a map; a second one (a hand edit, two saves pasted together)
            // would be rewritten in the first one's place.
            if (!seen.insert(map).second) return false;
            flags.clear();
            continue;
        }
        // Before the first section: the story's progress lines.
        if (map.empty() && IsProgressLine(line)) continue;
        const auto flag = ReadFlagLine(line);
        if (map.empty() || !flag) return false;
        flags.push_back(*flag);
    }
    return map.empty() || SectionMatchesContent(map, flags);
}

bool ReadSoundSaveText(SaveFile& save, int32_t slot, std::string& text) {
    const std::string& path = save.Path();
    if (ReadSoundSave(path, text)) return true;
    if (!ReadSoundSave(path + ".bak", text)) {
        LogDebug("Save %d cannot be continued: %s is missing or damaged and has no sound backup\n", slot + 1,
                 path.c_str());
        return false;
    }
    LogDebug("%s is damaged: continuing from its backup\n", path.c_str());
    WriteFileAtomically(path, text, false);
    return true;
}
