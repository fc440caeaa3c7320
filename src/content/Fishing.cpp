#include "content/Fishing.h"

#include "core/Log.h"
#include "world/Player.h"

FishCollection gFishCollection;

// The collection's pictures and the minigame's own parts come with fishing itself.
void LoadFishCollection() {}
void ReleaseFishCollection() {}

void CleanupFishing() {
    if (gPlayer.built) gPlayer.currentAnimation = &gPlayer.animations[ROW_STAND_DOWN];
    gPlayer.row = ROW_STAND_DOWN;
    LogDebug("CleanupFishing\n");
}
