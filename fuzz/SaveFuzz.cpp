// Feeds arbitrary bytes to the game as a whole save.txt, head and sections. A save the game takes as
// sound goes round as it does at every door: read into a session, each visited map's section rewritten
// with its own flags. Every rewritten text is sound again, names the map rewritten, and keeps every
// section (in order, with its flags) and every progress line of the session. Two maps of the game's
// content lists exist here, so sections are checked against them as in the game.
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "FuzzFolder.h"
#include "world/GameSession.h"
#include "world/SaveCheck.h"
#include "world/SaveFormat.h"
#include "world/SaveText.h"

namespace {

// A section: its map's name and its flag lines, each with its feed.
using Section = std::pair<std::string, std::string>;

std::vector<Section> SectionsOf(const std::string& text) {
    std::vector<Section> sections;
    for (const std::string& line : SaveLinesWithoutFeeds(text)) {
        if (line.rfind("Map : ", 0) == 0) {
            sections.emplace_back(line.substr(6), std::string());
        } else if (!sections.empty() && !line.empty()) {
            sections.back().second += line + "\n";
        }
    }
    return sections;
}

std::string HeadOf(const std::string& text) {
    GameSession session;
    ReadSaveHead(SaveLinesWithoutFeeds(text), session);
    return SaveHeaderText(session, session.CurrentMap());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Two maps' content lists, so sections are checked against them as in the game.
    EnterFuzzFolder("save", {{"Assets/Text/Maps/Bridge/Map.txt", "PNJ 3\nItem 2\nBucket_Empty\nPumpkin\n"},
                             {"Assets/Text/Maps/Village/Map.txt", "PNJ 1\nItem 0\n"}});
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (!IsSaveTextSound(text)) return 0;
    GameSession session;
    ReadSaveHead(SaveLinesWithoutFeeds(text), session);
    const std::vector<Section> sections = SectionsOf(text);
    for (const Section& section : sections) {
        const std::string rewritten = RewriteSaveText(session, text, section.first, section.second);
        Check(IsSaveTextSound(rewritten));
        Check(SectionsOf(rewritten) == sections);
        Check(HeadOf(rewritten) == SaveHeaderText(session, section.first.c_str()));
    }
    return 0;
}
