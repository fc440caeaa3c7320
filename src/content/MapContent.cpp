#include "content/MapContent.h"

#include "content/SavedContent.h"
#include "core/Log.h"
#include "world/MapLoading.h"
#include "world/SaveFiles.h"
#include "world/SaveText.h"

MapContent gMapContent;

bool LoadMap(NpcList& npcs, MapItemList& items) {
    // Nothing of an earlier map survives into this one.
    if (MapIsHeld()) UnloadMap();
    // The new first line and a first visit's section reach the disk in one write.
    OpenSaveBatch();
    PrepareSaveHeader();
    const bool known = HasMapSection();
    const bool read = ReadCurrentMap();
    if (read && known) {
        RestoreMapContent(npcs, items);
    } else if (read) {
        AppendMapSection(npcs, items);
    }
    if (!CommitSaveBatch()) LogDebug("Cannot write %s: the previous save is kept\n", SaveFilePath().c_str());
    return read;
}

void ReleaseMapContent() {
    gMapContent = MapContent{};
}
