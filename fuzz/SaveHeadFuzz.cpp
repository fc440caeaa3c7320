// Feeds arbitrary bytes to the game as the head of a save.txt: a head the game takes as sound is read
// into a session and written again, and that text reads back into the same session and writes the
// same text (no progress line is lost or changed on the way); a head it refuses is never read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/Log.h"
#include "world/GameSession.h"
#include "world/SaveFormat.h"

namespace {

std::vector<std::string> LinesWithoutFeeds(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

void Check(bool holds) {
    if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool silenced = (SetLogSink([](std::string_view) {}), true);
    (void)silenced;
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = LinesWithoutFeeds(text);
    (void)ReadSaveSummary(text);
    for (const std::string& line : lines)
        (void)IsProgressLine(line);
    if (!IsSaveHeaderSound(lines)) return 0;
    GameSession session;
    ReadSaveHead(lines, session);
    Check(session.Gold() >= 0 && session.Inventory().size() <= INVENTORY_PLACES);
    const std::string written = SaveHeaderText(session, session.CurrentMap());
    const std::vector<std::string> writtenLines = LinesWithoutFeeds(written);
    Check(IsSaveHeaderSound(writtenLines));
    for (size_t at = SAVE_HEADER_LINES; at < writtenLines.size(); ++at)
        Check(IsProgressLine(writtenLines[at]));
    GameSession again;
    ReadSaveHead(writtenLines, again);
    Check(SaveHeaderText(again, again.CurrentMap()) == written);
    return 0;
}
