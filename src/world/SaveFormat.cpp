#include "world/SaveFormat.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <sstream>

#include "core/WholeFiles.h"

// The session's fields as the save's lines hold them; the one place that reads and writes them raw.
struct SaveRecord {
    // The story flags in the order the Story line holds them.
    static constexpr int32_t StoryFlags::*FLAGS[] = {
        &StoryFlags::merchantMet,     &StoryFlags::worldMapOpen,    &StoryFlags::purseDelivered,
        &StoryFlags::fishingUnlocked, &StoryFlags::shopUnlocked,    &StoryFlags::nightStarted,
        &StoryFlags::grotoJoined,     &StoryFlags::saveSpritiShown, &StoryFlags::bossAnnounced,
        &StoryFlags::storyEnded,      &StoryFlags::spritiJoined};
    static constexpr size_t STORY_FLAG_COUNT = std::size(FLAGS);

    static std::vector<int32_t> Story(const GameSession& s) {
        std::vector<int32_t> values;
        for (int32_t StoryFlags::*flag : FLAGS)
            values.push_back(s.story_.*flag);
        return values;
    }
    static void SetStory(GameSession& s, const std::vector<int32_t>& v) {
        for (size_t i = 0; i < STORY_FLAG_COUNT; ++i)
            s.story_.*FLAGS[i] = v[i];
    }
    static std::vector<int32_t> Party(const GameSession& s) { return {static_cast<int32_t>(s.partySize_)}; }
    static void SetParty(GameSession& s, const std::vector<int32_t>& v) {
        s.partySize_ = static_cast<uint32_t>(v[0]);
    }
    static std::vector<int32_t> Fish(const GameSession& s) {
        return {s.fishCaught_.begin(), s.fishCaught_.end()};
    }
    static void SetFish(GameSession& s, const std::vector<int32_t>& v) {
        std::copy(v.begin(), v.end(), s.fishCaught_.begin());
    }
    static std::vector<int32_t> Fences(const GameSession& s) {
        return {s.fenceDone_.begin(), s.fenceDone_.end()};
    }
    static void SetFences(GameSession& s, const std::vector<int32_t>& v) {
        std::copy(v.begin(), v.end(), s.fenceDone_.begin());
    }
    static std::vector<int32_t> Pouch(const GameSession& s) {
        const PouchSlot* slots = s.pouch_.slots;
        return {slots[0].itemId, slots[0].count, slots[1].itemId, slots[1].count};
    }
    static void SetPouch(GameSession& s, const std::vector<int32_t>& v) {
        for (size_t slot = 0; slot < 2; ++slot)
            s.pouch_.slots[slot] = {v[2 * slot], static_cast<uint16_t>(v[2 * slot + 1])};
    }
    static std::vector<int32_t> Played(const GameSession& s) { return {s.secondsPlayed_}; }
    static void SetPlayed(GameSession& s, const std::vector<int32_t>& v) { s.secondsPlayed_ = v[0]; }
    static void SetHead(GameSession& s, const std::string& map, int32_t gold,
                        std::vector<std::string> items) {
        s.SetCurrentMap(map.c_str());
        s.SetPreviousMap(map.c_str());
        s.gold_ = gold;
        s.inventory_ = std::move(items);
    }
    static void StartOver(GameSession& s) { s.story_ = StoryFlags{}; }
};

namespace {

constexpr int32_t MOST_POTIONS = 65535;  // a pouch slot's count is 16 bits

// Each pouch slot holds a potion (any count) or nothing (none); the two potions each once at most.
bool PouchIsWhole(const std::vector<int32_t>& v) {
    for (size_t slot = 0; slot < 2; ++slot) {
        const int32_t kind = v[2 * slot], count = v[2 * slot + 1];
        if (kind != ITEM_HP_POTION && kind != ITEM_MANA_POTION && kind != ITEM_NONE) return false;
        if (kind == ITEM_NONE && count != 0) return false;
    }
    return v[0] == ITEM_NONE || v[0] != v[2];
}

bool AnyValues(const std::vector<int32_t>&) {
    return true;
}

struct ProgressLine {
    const char* word;
    size_t count;
    int32_t low, high;
    std::vector<int32_t> (*get)(const GameSession&);
    void (*set)(GameSession&, const std::vector<int32_t>&);
    bool (*whole)(const std::vector<int32_t>&);
};

const ProgressLine PROGRESS_LINES[] = {
    {"Story", SaveRecord::STORY_FLAG_COUNT, 0, 1, SaveRecord::Story, SaveRecord::SetStory, AnyValues},
    {"Party", 1, 1, static_cast<int32_t>(MAX_PARTY_SIZE), SaveRecord::Party, SaveRecord::SetParty, AnyValues},
    {"Fish", FISH_KINDS, 0, 1, SaveRecord::Fish, SaveRecord::SetFish, AnyValues},
    {"Fences", FOREST_FENCES, 0, 1, SaveRecord::Fences, SaveRecord::SetFences, AnyValues},
    {"Pouch", 4, 0, MOST_POTIONS, SaveRecord::Pouch, SaveRecord::SetPouch, PouchIsWhole},
    {"Played", 1, 0, MOST_SECONDS_PLAYED, SaveRecord::Played, SaveRecord::SetPlayed, AnyValues},
};

// The words after the line's name as numbers from low to high; nothing unless there are exactly count
// and the line's own rule holds.
std::optional<std::vector<int32_t>> Numbers(const std::string& line, const ProgressLine& kind) {
    std::istringstream words(line);
    std::string word;
    if (!(words >> word) || word != kind.word) return std::nullopt;
    std::vector<int32_t> values;
    while (words >> word) {
        const std::optional<int32_t> value = ParseWholeNumber(word, kind.low, kind.high);
        if (!value) return std::nullopt;
        values.push_back(*value);
    }
    if (values.size() != kind.count || !kind.whole(values)) return std::nullopt;
    return values;
}

std::string Line(const char* word, const std::vector<int32_t>& values) {
    std::string line = word;
    for (int32_t value : values)
        line += " " + std::to_string(value);
    return line + "\n";
}

bool StartsWith(const std::string& line, const char* prefix) {
    return line.rfind(prefix, 0) == 0;
}

// A map's name is a folder's name: printable bytes, no spaces (a zero byte would cut it short).

std::optional<int32_t> GoldOf(const std::string& line) {
    if (!StartsWith(line, "Gold ")) return std::nullopt;
    return ParseWholeNumber(std::string_view(line).substr(5), 0, MOST_GOLD);
}

}  // namespace

bool IsSavedMapName(const std::string& name) {
    return !name.empty() && name.size() < MAP_NAME_SIZE &&
           std::all_of(name.begin(), name.end(), [](char letter) {
               const auto byte = static_cast<unsigned char>(letter);
               return byte > ' ' && byte != 0x7F;
           });
}

std::string SaveHeaderText(const GameSession& session, const char* mapName) {
    std::string text =
        std::string("CurrentMap ") + mapName + "\nGold " + std::to_string(session.Gold()) + "\n";
    const std::vector<std::string>& items = session.Inventory();
    for (size_t place = 0; place < INVENTORY_PLACES; ++place)
        text += "Inv " + (place < items.size() ? items[place] : std::string()) + "\n";
    for (const ProgressLine& kind : PROGRESS_LINES)
        text += Line(kind.word, kind.get(session));
    return text;
}

bool IsProgressLine(const std::string& line) {
    for (const ProgressLine& kind : PROGRESS_LINES) {
        if (Numbers(line, kind)) return true;
    }
    return false;
}

bool IsSaveHeaderSound(const std::vector<std::string>& lines) {
    if (lines.size() < SAVE_HEADER_LINES) return false;
    if (!StartsWith(lines[0], "CurrentMap ") || !IsSavedMapName(lines[0].substr(11))) return false;
    if (!GoldOf(lines[1])) return false;
    for (size_t place = 2; place < SAVE_HEADER_LINES; ++place) {
        if (!StartsWith(lines[place], "Inv ")) return false;
    }
    return true;
}

void ReadSaveHead(const std::vector<std::string>& lines, GameSession& session) {
    std::vector<std::string> items;
    for (size_t place = 2; place < SAVE_HEADER_LINES; ++place) {
        const std::string name = lines[place].substr(4);
        if (!name.empty()) items.push_back(name);
    }
    SaveRecord::SetHead(session, lines[0].substr(11), GoldOf(lines[1]).value_or(0), std::move(items));
    for (size_t at = SAVE_HEADER_LINES; at < lines.size() && !StartsWith(lines[at], "Map : "); ++at) {
        for (const ProgressLine& kind : PROGRESS_LINES) {
            if (const auto values = Numbers(lines[at], kind)) kind.set(session, *values);
        }
    }
}

std::optional<SaveSummary> ReadSaveSummary(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line.empty() || line.back() != '\r' ? line : line.substr(0, line.size() - 1));
    if (!IsSaveHeaderSound(lines)) return std::nullopt;
    SaveSummary summary{lines[0].substr(11), std::nullopt};
    const ProgressLine& played = PROGRESS_LINES[std::size(PROGRESS_LINES) - 1];
    for (size_t at = SAVE_HEADER_LINES; at < lines.size() && !StartsWith(lines[at], "Map : "); ++at) {
        if (const auto values = Numbers(lines[at], played)) summary.secondsPlayed = (*values)[0];
    }
    return summary;
}

std::string PlayTimeText(int32_t seconds) {
    const int32_t minutes = std::max(seconds, 0) / 60;
    const std::string mm = std::to_string(minutes % 60);
    return std::to_string(minutes / 60) + ":" + (mm.size() < 2 ? "0" + mm : mm);
}

void StartStoryOver(GameSession& session) {
    SaveRecord::StartOver(session);
}
