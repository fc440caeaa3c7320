#include "world/SaveProgress.h"

#include <optional>
#include <sstream>
#include <vector>

#include "core/WholeFiles.h"

namespace {

// The story flags in the order the Story line holds them.
std::vector<int32_t*> FlagsOf(StoryFlags& flags) {
    return {&flags.merchantMet,   &flags.worldMapOpen, &flags.purseDelivered, &flags.fishingUnlocked,
            &flags.shopUnlocked,  &flags.nightStarted, &flags.grotoJoined,    &flags.saveSpritiShown,
            &flags.bossAnnounced, &flags.storyEnded,   &flags.spritiJoined};
}

// The words after the line's name as numbers from low to high; nothing unless there are exactly count.
std::optional<std::vector<int32_t>> Numbers(const std::string& line, const char* name, size_t count,
                                            int32_t low, int32_t high) {
    std::istringstream words(line);
    std::string word;
    if (!(words >> word) || word != name) return std::nullopt;
    std::vector<int32_t> values;
    while (words >> word) {
        const std::optional<int32_t> value = ParseWholeNumber(word, low, high);
        if (!value) return std::nullopt;
        values.push_back(*value);
    }
    if (values.size() != count) return std::nullopt;
    return values;
}

std::string Line(const char* name, const std::vector<int32_t>& values) {
    std::string line = name;
    for (int32_t value : values)
        line += " " + std::to_string(value);
    return line + "\n";
}

constexpr size_t FLAG_COUNT = 11;
constexpr int32_t MOST_POTIONS = 65535;  // a pouch slot's count is 16 bits

// Pouch <kind> <count> <kind> <count>: each kind a potion or the empty slot.
std::optional<std::vector<int32_t>> PouchNumbers(const std::string& line) {
    auto values = Numbers(line, "Pouch", 4, 0, MOST_POTIONS);
    if (!values) return std::nullopt;
    for (size_t slot = 0; slot < 2; ++slot) {
        const int32_t kind = (*values)[2 * slot];
        if (kind < ITEM_HP_POTION || kind > ITEM_NONE) return std::nullopt;
    }
    return values;
}

}  // namespace

std::string ProgressLines(const GameSession& session) {
    StoryFlags flags = session.story;
    std::vector<int32_t> story;
    for (int32_t* flag : FlagsOf(flags))
        story.push_back(*flag);
    const std::vector<int32_t> fish(session.fishCaught.begin(), session.fishCaught.end());
    const std::vector<int32_t> fences(session.fenceDone.begin(), session.fenceDone.end());
    const PouchSlot* slots = session.pouch.slots;
    return Line("Story", story) + Line("Party", {static_cast<int32_t>(session.partySize)}) +
           Line("Fish", fish) + Line("Fences", fences) +
           Line("Pouch", {slots[0].itemId, slots[0].count, slots[1].itemId, slots[1].count});
}

bool IsProgressLine(const std::string& line) {
    return Numbers(line, "Story", FLAG_COUNT, 0, 1) ||
           Numbers(line, "Party", 1, 1, static_cast<int32_t>(MAX_PARTY_SIZE)) ||
           Numbers(line, "Fish", FISH_KINDS, 0, 1) || Numbers(line, "Fences", FOREST_FENCES, 0, 1) ||
           PouchNumbers(line);
}

void ReadProgressLine(const std::string& line, GameSession& session) {
    if (const auto story = Numbers(line, "Story", FLAG_COUNT, 0, 1)) {
        std::vector<int32_t*> flags = FlagsOf(session.story);
        for (size_t i = 0; i < flags.size(); ++i)
            *flags[i] = (*story)[i];
    } else if (const auto party = Numbers(line, "Party", 1, 1, static_cast<int32_t>(MAX_PARTY_SIZE))) {
        session.partySize = static_cast<uint32_t>((*party)[0]);
    } else if (const auto fish = Numbers(line, "Fish", FISH_KINDS, 0, 1)) {
        for (size_t i = 0; i < session.fishCaught.size(); ++i)
            session.fishCaught[i] = (*fish)[i];
    } else if (const auto fences = Numbers(line, "Fences", FOREST_FENCES, 0, 1)) {
        for (size_t i = 0; i < session.fenceDone.size(); ++i)
            session.fenceDone[i] = (*fences)[i];
    } else if (const auto pouch = PouchNumbers(line)) {
        for (size_t slot = 0; slot < 2; ++slot)
            session.pouch.slots[slot] = {(*pouch)[2 * slot], static_cast<uint16_t>((*pouch)[2 * slot + 1])};
    }
}
