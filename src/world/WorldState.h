#pragma once
// Where the player is and what the save slot holds: the map walked on, the map just left, the active
// slot and the gold.

#include <cstdint>

inline constexpr int MAP_NAME_SIZE = 30;  // 29 characters and the terminator
inline constexpr int PREVIOUS_NAME_SIZE = 100;

struct WorldProgress {
    char currentMapName[MAP_NAME_SIZE] = {};
    char previousMapName[PREVIOUS_NAME_SIZE] = {};
    int32_t roamingFirstLoad = 1;  // the next roaming load builds the hero
    int32_t saveSlot = 0;
    int32_t gold = 0;
};

extern WorldProgress gWorld;

// Makes name the current map. A name too long for a map name is refused with a message instead of
// being cut into the name of another map; returns whether the name was taken.
bool SetCurrentMapName(const char* name);
void SetPreviousMapName(const char* name);

void ResetWorldProgress();
