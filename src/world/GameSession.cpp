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

bool AddToPouch(ItemPouch& pouch, int32_t itemId) {
    PouchSlot* slot = nullptr;
    for (PouchSlot& candidate : pouch.slots)
        if (candidate.itemId == itemId) slot = &candidate;
    for (PouchSlot& candidate : pouch.slots)
        if (slot == nullptr && candidate.itemId == ITEM_NONE) slot = &candidate;
    if (slot == nullptr || slot->count == UINT16_MAX) return false;
    slot->itemId = itemId;
    ++slot->count;
    return true;
}
