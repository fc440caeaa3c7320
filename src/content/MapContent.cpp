#include "content/MapContent.h"

#include "content/SavedContent.h"
#include "world/MapLoading.h"
#include "world/SaveText.h"

MapContent gMapContent;

bool LoadMap(NpcList& npcs, MapItemList& items) {
    // Nothing of an earlier map survives into this one.
    if (MapIsHeld()) UnloadMap();
    PrepareSaveHeader();
    const bool known = HasMapSection();
    if (!ReadCurrentMap()) return false;
    if (known) {
        RestoreMapContent(npcs, items);
    } else {
        AppendMapSection(npcs, items);
    }
    return true;
}

void ReleaseMapContent() {
    gMapContent = MapContent{};
}
