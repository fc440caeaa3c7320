#include "world/SaveText.h"

#include "core/Log.h"
#include "world/SaveFiles.h"
#include "world/SaveFormat.h"

namespace {

constexpr const char* SECTION_MARK = "Map : ";

// A section begins at a line starting with the mark; an item's name holding it is no section.
bool IsHeader(const std::string& line) {
    return line.rfind(SECTION_MARK, 0) == 0;
}

}  // namespace

bool IsSectionHeaderOf(const std::string& line, const std::string& map) {
    const std::string bare = !line.empty() && line.back() == '\n' ? line.substr(0, line.size() - 1) : line;
    return bare == SECTION_MARK + map;
}

std::string RewriteSaveText(const GameSession& session, const std::string& oldText,
                            const std::string& mapName, const std::string& flagLines) {
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
    return SaveHeaderText(session, mapName.c_str()) + "\n" + before + flagLines + "\n" + after;
}

void PrepareSaveHeader(GameSession& session) {
    SaveFile& save = session.Save();
    std::string text;
    if (save.Read(text)) {
        const size_t end = text.find('\n');
        const std::string rest = end == std::string::npos ? std::string() : text.substr(end + 1);
        const std::string named = std::string("CurrentMap ") + session.CurrentMap() + "\n" + rest;
        if (named != text && !save.Write(named)) {
            LogDebug("Cannot write %s: the save keeps its previous first line\n", save.Path().c_str());
        }
        return;
    }
    StartStoryOver(session);  // a new save file starts the story over
    // The game's real state from the first line on: a new game's gold and items are saved at once.
    if (!save.Write(SaveHeaderText(session, session.CurrentMap())))
        LogDebug("Cannot create %s\n", save.Path().c_str());
}

bool HasMapSection(GameSession& session) {
    std::string text;
    if (!session.Save().Read(text)) return false;
    const std::vector<std::string> lines = SplitSaveLines(text);
    for (size_t i = 1; i < lines.size(); ++i) {
        if (IsSectionHeaderOf(lines[i], session.CurrentMap())) return true;
    }
    return false;
}
