#include "world/GameSession.h"

#include <cstring>

#include "core/Log.h"
#include "core/Text.h"

GameSession gSession;

void StartGameSession() {
    gSession = GameSession{};
}

bool SetCurrentMapName(const char* name) {
    if (std::strlen(name) >= sizeof gSession.currentMapName) {
        LogDebug("Map name \"%s\" is too long (at most %d characters): staying on %s\n", name,
                 MAP_NAME_SIZE - 1, gSession.currentMapName);
        return false;
    }
    FormatText(gSession.currentMapName, sizeof gSession.currentMapName, "%s", name);
    return true;
}

void SetPreviousMapName(const char* name) {
    FormatText(gSession.previousMapName, sizeof gSession.previousMapName, "%s", name);
}
