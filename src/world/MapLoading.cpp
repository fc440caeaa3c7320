#include "world/MapLoading.h"

#include <cstring>
#include <filesystem>

#include "core/Format.h"
#include "core/Log.h"
#include "world/GameSession.h"
#include "world/MapDecor.h"

namespace {

bool NameIs(const char* name, const char* expected) {
    return name != nullptr && std::strcmp(name, expected) == 0;
}

sf::FloatRect ObjectRect(const TiledObject& object) {
    return {object.x, object.y, object.width, object.height};
}

void AddObject(MapState& map, const TiledLayer& layer, const TiledObject& object) {
    if (object.ellipse || object.vertexCount > 0) return;
    const char* name = object.name != nullptr ? object.name : "";
    if (!object.point && NameIs(layer.name, "Collision")) {
        map.collisionRects.push_back(ObjectRect(object));
    } else if (!object.point && NameIs(layer.name, "Trigger")) {
        MapTrigger trigger;
        FormatText(trigger.name, sizeof trigger.name, "%.259s", name);
        trigger.rect = ObjectRect(object);
        map.triggers.push_back(trigger);
    } else if (object.point && NameIs(layer.name, "Point")) {
        MapPoint point;
        FormatText(point.name, sizeof point.name, "%.259s", name);
        point.x = object.x;
        point.y = object.y;
        map.mapPoints.push_back(std::move(point));
    }
}

void BuildObjectTables(MapState& map) {
    for (const TiledLayer* layer = map.loadedMap->layers; layer != nullptr; layer = layer->next) {
        for (const TiledObject* object = layer->objects; object != nullptr; object = object->next) {
            AddObject(map, *layer, *object);
        }
    }
}

std::string MapFolder(const char* mapName) {
    return std::string("Assets/Text/Maps/") + mapName + "/";
}

std::unique_ptr<TiledMap> ReadMapFile(const char* mapName) {
    char path[100];
    if (FormatText(path, sizeof path, "Assets/Text/Maps/%s/Map.json", mapName) < 0) return nullptr;
    return LoadTiledMapFromFile(path);
}

}  // namespace

bool MapCanBeEntered(const char* mapName, std::string& reason) {
    if (std::strlen(mapName) >= MAP_NAME_SIZE) {
        reason = "its name is longer than a map name can be";
        return false;
    }
    const std::unique_ptr<TiledMap> map = ReadMapFile(mapName);
    if (!map) {
        reason = std::filesystem::exists(MapFolder(mapName) + "Map.json") ? "its Map.json was refused"
                                                                          : "it has no Map.json";
        return false;
    }
    reason = WhyMapCannotBeDrawn(*map, MapFolder(mapName));
    return reason.empty();
}

bool ReadMap(MapState& map, const char* mapName, DecorPictures& pictures) {
    map.loadedMap = ReadMapFile(mapName);
    std::string reason = "its Map.json is missing or refused";
    if (!map.loadedMap ||
        !LoadTileSheets(*map.loadedMap, MapFolder(mapName), mapName, map.tileSheets, reason)) {
        LogDebug("Cannot load map %s: %s\n", mapName, reason.c_str());
        map.loadedMap.reset();
        return false;
    }
    map.look = ReadMapLook(*map.loadedMap);
    BuildObjectTables(map);
    BuildMapDecor(map, pictures);
    BuildTileLayerCache(map.tileCache, *map.loadedMap, map.tileSheets);
    return true;
}

MapTrigger GetTrigger(const MapState& map, int index) {
    if (index >= 0 && index < static_cast<int>(map.triggers.size()))
        return map.triggers[static_cast<size_t>(index)];
    MapTrigger none;
    FormatText(none.name, sizeof none.name, "NoName");
    return none;
}
