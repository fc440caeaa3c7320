#include "world/WorldState.h"

#include <cstring>

#include "core/Log.h"
#include "core/Text.h"

WorldProgress gWorld;

bool SetCurrentMapName(const char* name) {
    if (std::strlen(name) >= sizeof gWorld.currentMapName) {
        LogDebug("Map name \"%s\" is too long (at most %d characters): staying on %s\n", name,
                 MAP_NAME_SIZE - 1, gWorld.currentMapName);
        return false;
    }
    FormatText(gWorld.currentMapName, sizeof gWorld.currentMapName, "%s", name);
    return true;
}

void SetPreviousMapName(const char* name) {
    FormatText(gWorld.previousMapName, sizeof gWorld.previousMapName, "%s", name);
}

void ResetWorldProgress() {
    gWorld = WorldProgress{};
}
