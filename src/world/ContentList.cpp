#include "world/ContentList.h"

#include <cstdio>

#include "core/Format.h"
#include "core/FormattedFile.h"
#include "core/Log.h"

std::string ContentListPath(const char* mapName) {
    char path[100];
    FormatText(path, sizeof path, "Assets/Text/Maps/%s/Map.txt", mapName);
    return path;
}

bool ReadContentList(const char* mapName, ContentList& list) {
    const std::string path = ContentListPath(mapName);
    std::FILE* file = std::fopen(path.c_str(), "r");
    if (file == nullptr) {
        LogDebug("Erreur d'ouverture du fichier Map.txt!\n");
        return false;
    }
    int32_t npcs = 0;
    int32_t itemCount = 0;
    ReadFormatted(file, "PNJ %d\n", &npcs);
    ReadFormatted(file, "Item %d\n", &itemCount);
    if (npcs < 0 || npcs > MAX_CONTENT_COUNT || itemCount < 0 || itemCount > MAX_CONTENT_COUNT) {
        LogDebug("%s counts %d NPCs and %d items: refused\n", path.c_str(), npcs, itemCount);
        std::fclose(file);
        return false;
    }
    list.npcCount = npcs;
    list.itemNames.clear();
    for (int32_t i = 0; i < itemCount; ++i) {
        char name[100] = {};
        if (ReadFormatted(file, "%99[^\n]\n", name) != 1) break;
        list.itemNames.emplace_back(name);
    }
    std::fclose(file);
    return true;
}
