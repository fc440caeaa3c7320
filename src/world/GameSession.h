#pragma once
// One played game: where the hero is, the save slot it is written to, the gold, the carried items, the
// battle pouch, the story's progress, the party and the fish caught. Starting a new game and
// continuing a slot both begin a fresh session, so nothing of an earlier game carries over.

#include <array>
#include <cstdint>
#include <vector>

#include "world/MapItem.h"
#include "world/StoryFlags.h"

inline constexpr int MAP_NAME_SIZE = 30;  // 29 characters and the terminator
inline constexpr int PREVIOUS_NAME_SIZE = 100;
inline constexpr int INVENTORY_PLACES = 20;
inline constexpr int FISH_KINDS = 9;
inline constexpr uint32_t MAX_PARTY_SIZE = 4;  // the roster
inline constexpr int FOREST_FENCES = 5;

enum ItemId : int32_t { ITEM_HP_POTION = 12, ITEM_MANA_POTION = 13, ITEM_NONE = 14 };

struct PouchSlot {
    int32_t itemId = ITEM_NONE;
    uint16_t count = 0;
};

// The two potion slots of the battle inventory.
struct ItemPouch {
    PouchSlot slots[2];
};

// One potion into the slot that holds its kind, or into an empty slot when the battle has used up and
// closed the slot of that kind; false when there is no room for it.
bool AddToPouch(ItemPouch& pouch, int32_t itemId);

struct GameSession {
    char currentMapName[MAP_NAME_SIZE] = {};
    char previousMapName[PREVIOUS_NAME_SIZE] = {};
    int32_t saveSlot = 0;
    int32_t gold = 0;
    std::vector<MapItem> inventory;  // places 0 to size - 1, at most INVENTORY_PLACES
    ItemPouch pouch;
    StoryFlags story;
    uint32_t partySize = 1;  // Pell alone until a companion joins
    std::array<int32_t, FISH_KINDS> fishCaught{};
    std::array<int32_t, FOREST_FENCES> fenceDone{};  // the forest's fences pulled down stay down
};

extern GameSession gSession;

// A fresh session for a new or continued game (also the program-start state).
void StartGameSession();

// Makes name the current map. A name too long for a map name is refused with a message instead of
// being cut into the name of another map; returns whether the name was taken.
bool SetCurrentMapName(const char* name);
void SetPreviousMapName(const char* name);
