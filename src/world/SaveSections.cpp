#include <cstdio>
#include <cstring>
#include <filesystem>

#include "core/Log.h"
#include "core/Screen.h"
#include "core/Text.h"
#include "world/SaveFiles.h"
#include "world/SceneDrawing.h"
#include "world/StoryFlags.h"
#include "world/WorldState.h"

#include <SFML/Graphics/Texture.hpp>

namespace {

constexpr const char* SECTION_MARK = "Map : ";

// The map's own files: PNJ<i + 1>.txt for NPC i, and each listed item's file beside Map.txt.
void LoadContentNpc(NpcList& npcs, int32_t id) {
    char path[100];
    FormatText(path, sizeof path, "Assets/Text/Maps/%s/PNJ%d.txt", gWorld.currentMapName, id + 1);
    Npc& npc = npcs.npcs.emplace_back();
    LoadNpc(path, npc);
    npc.id = id;
}

void LoadContentItem(MapItemList& items, int32_t id, const std::string& name) {
    char path[160];
    FormatText(path, sizeof path, "Assets/Text/Maps/%s/%s.txt", gWorld.currentMapName, name.c_str());
    const size_t before = items.items.size();
    LoadItemFile(path, items);
    if (items.items.size() > before) items.items.back().id = id;
}

bool IsHeader(const std::string& line) {
    return line.find(SECTION_MARK) != std::string::npos;
}
bool IsHeaderOf(const std::string& line, const std::string& map) {
    const std::string bare = !line.empty() && line.back() == '\n' ? line.substr(0, line.size() - 1) : line;
    return bare == SECTION_MARK + map;
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

// The game area of the window as it is drawn now, for the slot's thumbnail.
}  // namespace

sf::Image CaptureWindowGameArea(sf::RenderWindow& window) {
    window.clear(sf::Color::Black);
    DrawGameScene(window);
    sf::Texture texture;
    sf::Image area;
    const sf::Vector2u size = window.getSize();
    if (!texture.create(size.x, size.y)) return area;
    texture.update(window);
    const sf::Image whole = texture.copyToImage();
    const sf::Vector2f origin = GameAreaOrigin(window);
    area.create(static_cast<unsigned>(gScreen.gameWidth), static_cast<unsigned>(gScreen.gameHeight));
    area.copy(whole, 0, 0,
              sf::IntRect(static_cast<int>(origin.x), static_cast<int>(origin.y),
                          static_cast<int>(gScreen.gameWidth), static_cast<int>(gScreen.gameHeight)));
    return area;
}

std::string RewriteSaveText(const std::string& oldText, const std::string& mapName,
                            const std::string& flagLines) {
    const std::vector<std::string> lines = SplitSaveLines(oldText);
    size_t at = 0;
    while (at < lines.size() && !IsHeader(lines[at]))
        ++at;
    std::string before;
    // Every section before the map's own, and its header line.
    for (; at < lines.size(); ++at) {
        before += lines[at];
        if (IsHeaderOf(lines[at], mapName)) {
            ++at;
            break;
        }
    }
    while (at < lines.size() && !(IsHeader(lines[at]) && !IsHeaderOf(lines[at], mapName)))
        ++at;
    std::string after;
    for (; at < lines.size(); ++at) {
        if (lines[at] != "\n" && lines[at] != " ") after += lines[at];
    }
    return SaveHeaderText(mapName.c_str()) + "\n" + before + flagLines + "\n" + after;
}

void PrepareSaveHeader() {
    const std::string path = SaveFilePath();
    std::string text;
    if (ReadTextFile(path, text)) {
        const size_t end = text.find('\n');
        const std::string rest = end == std::string::npos ? std::string() : text.substr(end + 1);
        if (!WriteFileAtomically(path, std::string("CurrentMap ") + gWorld.currentMapName + "\n" + rest)) {
            LogDebug("Cannot write %s: the save keeps its previous first line\n", path.c_str());
        }
        return;
    }
    ResetStoryFlags();
    std::string fresh = std::string("CurrentMap ") + gWorld.currentMapName + "\nGold 0\n";
    for (int place = 0; place < INVENTORY_PLACES; ++place)
        fresh += "Inv \n";
    if (!WriteFileAtomically(path, fresh)) LogDebug("Cannot create %s\n", path.c_str());
}

bool HasMapSection() {
    std::string text;
    if (!ReadTextFile(SaveFilePath(), text)) return false;
    const std::vector<std::string> lines = SplitSaveLines(text);
    for (size_t i = 1; i < lines.size(); ++i) {
        if (IsHeaderOf(lines[i], gWorld.currentMapName)) return true;
    }
    return false;
}

void AppendMapSection(NpcList& npcs, MapItemList& items) {
    std::string text;
    ReadTextFile(SaveFilePath(), text);
    LogDebug("Name : Map : %s\n", gWorld.currentMapName);
    text += std::string("\nMap : ") + gWorld.currentMapName + "\n";
    ContentList list;
    if (ReadContentList(gWorld.currentMapName, list)) {
        for (int i = 0; i < list.npcCount; ++i)
            LoadContentNpc(npcs, i);
        for (size_t i = 0; i < list.itemNames.size(); ++i)
            LoadContentItem(items, static_cast<int32_t>(i), list.itemNames[i]);
        text += SectionFlags(list, npcs, items);
    }
    if (!WriteFileAtomically(SaveFilePath(), text)) LogDebug("Cannot write %s\n", SaveFilePath().c_str());
}

void RestoreMapContent(NpcList& npcs, MapItemList& items) {
    std::string text;
    if (!ReadTextFile(SaveFilePath(), text)) {
        LogDebug("erreur d'ouverture de la save");
        return;
    }
    const std::vector<std::string> lines = SplitSaveLines(text);
    size_t at = 1;
    while (at < lines.size() && !IsHeaderOf(lines[at], gWorld.currentMapName))
        ++at;
    ++at;
    ContentList list;
    if (!ReadContentList(gWorld.currentMapName, list)) return;
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

void SaveMapState(const NpcList& npcs, const MapItemList& items, sf::RenderWindow& window) {
    const std::string path = SaveFilePath();
    std::string text;
    if (!ReadTextFile(path, text)) {
        LogDebug("erreur d'ouverture de la save");
        return;
    }
    const std::string map = gWorld.previousMapName;
    ContentList list;
    // Without the content list the map's flags cannot be written: the old file stays as it is.
    if (!ReadContentList(map.c_str(), list)) return;
    if (!WriteFileAtomically(path, RewriteSaveText(text, map, SectionFlags(list, npcs, items)))) {
        LogDebug("Cannot write %s: the previous save is kept\n", path.c_str());
        return;
    }
    if (std::filesystem::is_directory(SaveFolderPath())) WriteSlotThumbnail(window);
}

bool WriteSlotThumbnail(sf::RenderWindow& window) {
    const sf::Image capture = CaptureWindowGameArea(window);
    return capture.getSize().x > 0 && capture.saveToFile(SaveFolderPath() + "/capture.png");
}
