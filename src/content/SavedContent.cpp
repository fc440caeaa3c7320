#include "content/SavedContent.h"

#include <cstdio>
#include <filesystem>

#include "core/Format.h"
#include "core/Log.h"
#include "world/ContentList.h"
#include "world/SaveCheck.h"
#include "world/SaveFiles.h"
#include "world/SaveFormat.h"
#include "world/SaveText.h"

namespace {

// The map's own files: PNJ<i + 1>.txt for NPC i, and each listed item's file beside Map.txt.
void LoadContentNpc(NpcList& npcs, const char* map, int32_t id) {
    char path[100];
    FormatText(path, sizeof path, "Assets/Text/Maps/%s/PNJ%d.txt", map, id + 1);
    Npc& npc = npcs.npcs.emplace_back();
    LoadNpc(path, npc);
    npc.id = id;
}

void LoadContentItem(MapItemList& items, const char* map, int32_t id, const std::string& name) {
    char path[160];
    FormatText(path, sizeof path, "Assets/Text/Maps/%s/%s.txt", map, name.c_str());
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

void AppendMapSection(MapScene& scene, GameSession& session) {
    std::string text;
    session.Save().Read(text);
    const char* map = session.CurrentMap();
    LogDebug("Name : Map : %s\n", map);
    text += std::string("\nMap : ") + map + "\n";
    ContentList list;
    if (ReadContentList(map, list)) {
        for (int i = 0; i < list.npcCount; ++i)
            LoadContentNpc(scene.npcList, map, i);
        for (size_t i = 0; i < list.itemNames.size(); ++i)
            LoadContentItem(scene.mapItemList, map, static_cast<int32_t>(i), list.itemNames[i]);
        text += SectionFlags(list, scene.npcList, scene.mapItemList);
    }
    if (!session.Save().Write(text)) LogDebug("Cannot write %s\n", session.Save().Path().c_str());
}

void RestoreMapContent(MapScene& scene, GameSession& session) {
    std::string text;
    if (!session.Save().Read(text)) {
        LogDebug("erreur d'ouverture de la save");
        return;
    }
    const char* map = session.CurrentMap();
    const std::vector<std::string> lines = SplitSaveLines(text);
    size_t at = 1;
    while (at < lines.size() && !IsSectionHeaderOf(lines[at], map))
        ++at;
    ++at;
    ContentList list;
    if (!ReadContentList(map, list)) return;
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
        LoadContentNpc(scene.npcList, map, i);
    }
    for (size_t i = 0; i < list.itemNames.size(); ++i) {
        const int flag = nextFlag("Item %d %d");
        LogDebug("active item : %d\n", flag);
        if (flag != 0) continue;
        LogDebug("item %d actif\n", static_cast<int>(i));
        LoadContentItem(scene.mapItemList, map, static_cast<int32_t>(i), list.itemNames[i]);
    }
}

bool SaveMapState(const MapScene& scene, GameSession& session) {
    SaveFile& save = session.Save();
    std::string text;
    if (!save.Read(text)) {
        LogDebug("erreur d'ouverture de la save");
        return false;
    }
    const std::string map = session.PreviousMap();
    ContentList list;
    // Without the content list the map's flags cannot be written: the old file stays as it is.
    if (!ReadContentList(map.c_str(), list)) return false;
    if (!save.Write(
            RewriteSaveText(session, text, map, SectionFlags(list, scene.npcList, scene.mapItemList)))) {
        LogDebug("Cannot write %s: the previous save is kept\n", save.Path().c_str());
        return false;
    }
    return true;
}

bool LoadSavedGame(GameSession& session) {
    std::string text;
    if (!ReadSoundSaveText(session.Save(), session.Slot(), text)) return false;
    const std::vector<std::string> lines = SaveLinesWithoutFeeds(text);
    ReadSaveHead(lines, session);
    LogDebug("setcurrentMap : %s\n", session.CurrentMap());
    // The inventory holds only what the game still knows: an item without its file is left out.
    for (const std::string& name : std::vector<std::string>(session.Inventory())) {
        LogDebug("item : %s", name.c_str());
        if (!std::filesystem::exists("Assets/Text/Items/" + name + ".txt")) session.Drop(name);
    }
    return true;
}
