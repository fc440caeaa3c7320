#pragma once
// Fishing at the three posts and the collection of nine fish.

#include <cstdint>

struct FishCollection {
    int32_t row = 0;  // the cursor over the 3 x 3 fish
    int32_t column = 0;
};

extern FishCollection gFishCollection;

// The collection screen, opened with the F key over free roaming.
void LoadFishCollection();
void ReleaseFishCollection();
// Leaving the fishing minigame: the hero stands again and its pictures and sounds go.
void CleanupFishing();
