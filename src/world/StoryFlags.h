#pragma once
// The story's progress flags, part of the game session. They are not saved: a new save file clears them.

#include <cstdint>

struct StoryFlags {
    int32_t merchantMet = 0;
    int32_t worldMapOpen = 0;
    int32_t purseDelivered = 0;
    int32_t fishingUnlocked = 0;
    int32_t shopUnlocked = 0;
    int32_t nightStarted = 0;
    int32_t grotoJoined = 0;
    int32_t saveSpritiShown = 0;
    int32_t bossAnnounced = 0;
    int32_t storyEnded = 0;
};
