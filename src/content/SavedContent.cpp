#include "content/SavedContent.h"

#include <cstdio>

#include "core/Log.h"
#include "core/Text.h"
#include "world/ContentList.h"
#include "world/GameSession.h"
#include "world/SaveCheck.h"
#include "world/SaveFiles.h"
#include "world/SaveProgress.h"
#include "world/SaveText.h"

namespace {

// The map's own files: PNJ<i + 1>.txt for NPC i, and each listed item's file beside Map.txt.
void LoadContentNpc(NpcList& npcs, int32_t id) {
    char path[100];
    FormatText(path, sizeof path, "Assets/Text/Maps/%s/PNJ%d.txt", gSession.currentMapName, id + 1);
    Npc& npc = npcs.npcs.emplace_back();
    LoadNpc(path, npc);
    npc.id = id;
}

void LoadContentItem(MapItemList& items, int32_t id, const std::string& name) {
    char path[160];
    FormatText(path, sizeof path, "Assets/Text/Maps/%s/%s.txt", gSession.currentMapName, name.c_str());
    const size_t before = items.items.size();
    LoadItemFile(path, items);
    if (items.items.size() > before) items.items.back().id = id;
}

std::string SectionFlags(const ContentList& list, const NpcList& npcs, const MapItemList& items) {
    std::string flags;
    char line[64];
    for (int i = 0; i < list.npcCount; ++i) {
        bool present = false;
        for (const Npc& npc : npcs.npcs)
            present = present || npc.id == i;
        FormatText(line, sizeof line, "PNJ %d %d\n", i, present ? 0 : 1);
        flags += line;
    }
    for (size_t i = 0; i < list.itemNames.size(); ++i) {
        bool present = false;
        for (const MapItem& item : items.items)
            present = present || item.id == static_cast<int32_t>(i);
        FormatText(line, sizeof line, "Item %d %d\n", static_cast<int>(i), present ? 0 : 1);
        flags += line;
    }
    return flags;
}

}  // namespace

void AppendMapSection(NpcList& npcs, MapItemList& items) {
    std::string text;
    ReadSaveText(text);
    LogDebug("Name : Map : %s\n", gSession.currentMapName);
    text += std::string("\nMap : ") + gSession.currentMapName + "\n";
    ContentList list;
    if (ReadContentList(gSession.currentMapName, list)) {
        for (int i = 0; i < list.npcCount; ++i)
            LoadContentNpc(npcs, i);
        for (size_t i = 0; i < list.itemNames.size(); ++i)
            LoadContentItem(items, static_cast<int32_t>(i), list.itemNames[i]);
        text += SectionFlags(list, npcs, items);
    }
    if (!WriteSaveText(text)) LogDebug("Cannot write %s\n", SaveFilePath().c_str());
}

void RestoreMapContent(NpcList& npcs, MapItemList& items) {
    std::string text;
    if (!ReadSaveText(text)) {
        LogDebug("erreur d'ouverture de la save");
        return;
    }
    const std::vector<std::string> lines = SplitSaveLines(text);
    size_t at = 1;
    while (at < lines.size() && !IsSectionHeaderOf(lines[at], gSession.currentMapName))
        ++at;
    ++at;
    ContentList list;
    if (!ReadContentList(gSession.currentMapName, list)) return;
    // Flag lines are taken in order; the numbers written in them are not read.
    const auto nextFlag = [&](const char* pattern) {
        int number = 0;
        int flag = 0;
        if (at < lines.size()) std::sscanf(lines[at++].c_str(), pattern, &number, &flag);
        return flag;
    };
    for (int i = 0; i < list.npcCount; ++i) {
        const int flag = nextFlag("PNJ %d %d");
        LogDebug("active : %d\n", flag);
        if (flag != 0) continue;
        LogDebug("pnj %d actif\n", i);
        LoadContentNpc(npcs, i);
    }
    for (size_t i = 0; i < list.itemNames.size(); ++i) {
        const int flag = nextFlag("Item %d %d");
        LogDebug("active item : %d\n", flag);
        if (flag != 0) continue;
        LogDebug("item %d actif\n", static_cast<int>(i));
        LoadContentItem(items, static_cast<int32_t>(i), list.itemNames[i]);
    }
}

bool SaveMapState(const NpcList& npcs, const MapItemList& items) {
    const std::string path = SaveFilePath();
    std::string text;
    if (!ReadSaveText(text)) {
        LogDebug("erreur d'ouverture de la save");
        return false;
    }
    const std::string map = gSession.previousMapName;
    ContentList list;
    // Without the content list the map's flags cannot be written: the old file stays as it is.
    if (!ReadContentList(map.c_str(), list)) return false;
    if (!WriteSaveText(RewriteSaveText(text, map, SectionFlags(list, npcs, items)))) {
        LogDebug("Cannot write %s: the previous save is kept\n", path.c_str());
        return false;
    }
    return true;
}

bool LoadSavedGame() {
    std::string text;
    if (!ReadSoundSaveText(text)) return false;
    const std::vector<std::string> lines = SaveLinesWithoutFeeds(text);
    const std::string map = lines[0].substr(11);
    LogDebug("setcurrentMap : %s\n", map.c_str());
    SetCurrentMapName(map.c_str());
    SetPreviousMapName(map.c_str());
    gSession.gold = ReadSaveGold(lines[1]).value_or(0);  // the soundness check has read it already
    // The inventory is refilled from the save alone: whatever the last game carried is dropped.
    gSession.inventory.clear();
    MapItemList restored;
    for (int place = 2; place < SAVE_HEADER_LINES; ++place) {
        const std::string name = lines[static_cast<size_t>(place)].substr(4);
        LogDebug("item : %s", name.c_str());
        if (name.empty()) continue;
        char path[160];
        FormatText(path, sizeof path, "Assets/Text/Items/%s.txt", name.c_str());
        LogDebug("adresse item %s\n", path);
        LoadItemFile(path, restored);
        PickUpEveryItemNamed(restored, name);
    }
    // The story goes on where the save left it (a save without these lines starts it over).
    for (size_t line = SAVE_HEADER_LINES; line < lines.size() && lines[line].rfind("Map : ", 0) != 0; ++line)
        ReadProgressLine(lines[line], gSession);
    return true;
}
