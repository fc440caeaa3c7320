#pragma once
// The story's progress flags, part of the game session. A new save file clears them; the save keeps them
// (world/SaveProgress).

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
    int32_t spritiJoined = 0;  // Spriti joins once, however often her dialogue is run again
};
