#include "TiledWriter.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

// Whole numbers print without a fraction, as Tiled writes them.
std::string Number(float value) {
    char text[32];
    if (value == float(int(value))) {
        std::snprintf(text, sizeof text, "%d", int(value));
    } else {
        std::snprintf(text, sizeof text, "%g", double(value));
    }
    return text;
}

void WriteTileLayer(std::ostringstream& out, const MapDraft& map, const DraftLayer& layer, int id) {
    out << "        {\n         \"data\":[";
    for (size_t i = 0; i < layer.ids.size(); ++i) {
        out << (i ? ", " : "") << layer.ids[i];
    }
    out << "],\n         \"height\":" << map.height << ",\n         \"id\":" << id
        << ",\n         \"name\":\"" << layer.name
        << "\",\n         \"opacity\":1,\n         \"type\":\"tilelayer\",\n"
        << "         \"visible\":true,\n         \"width\":" << map.width << ",\n         \"x\":0,\n"
        << "         \"y\":0\n        }";
}

void WriteObject(std::ostringstream& out, const DraftObject& object, bool point, int id) {
    out << "                {\n                 \"height\":" << Number(object.rect.height)
        << ",\n                 \"id\":" << id << ",\n                 \"name\":\"" << object.name << "\",\n";
    if (point) out << "                 \"point\":true,\n";
    out << "                 \"rotation\":0,\n                 \"type\":\"\",\n                 "
           "\"visible\":true,\n"
        << "                 \"width\":" << Number(object.rect.width)
        << ",\n                 \"x\":" << Number(object.rect.x)
        << ",\n                 \"y\":" << Number(object.rect.y) << "\n                }";
}

void WriteObjectLayer(std::ostringstream& out, const std::string& name,
                      const std::vector<DraftObject>& objects, bool points, int id, int& nextObjectId) {
    out << "        {\n         \"draworder\":\"topdown\",\n         \"id\":" << id
        << ",\n         \"name\":\"" << name << "\",\n         \"objects\":[";
    for (size_t i = 0; i < objects.size(); ++i) {
        out << (i ? ", \n" : "\n");
        WriteObject(out, objects[i], points, nextObjectId++);
    }
    out << "],\n         \"opacity\":1,\n         \"type\":\"objectgroup\",\n         \"visible\":true,\n"
        << "         \"x\":0,\n         \"y\":0\n        }";
}

void WriteTileset(std::ostringstream& out, const MapDraft& map) {
    out << " \"tilesets\":[\n        {\n         \"columns\":" << ATLAS_COLUMNS
        << ",\n         \"firstgid\":1,\n         \"image\":\"" << ATLAS_IMAGES[map.variant]
        << "\",\n         \"imageheight\":" << ATLAS_ROWS * ATLAS_TILE
        << ",\n         \"imagewidth\":" << ATLAS_COLUMNS * ATLAS_TILE
        << ",\n         \"margin\":0,\n         \"name\":\"Tiles\",\n"
        << "         \"spacing\":0,\n         \"tilecount\":" << ATLAS_TILE_COUNT
        << ",\n         \"tileheight\":" << ATLAS_TILE << ",\n         \"tilewidth\":" << ATLAS_TILE
        << "\n        }],\n";
}

// The map's custom properties, each as Tiled writes one: name, type, value.
void WriteProperties(std::ostream& out, const MapDraft& map) {
    if (map.properties.empty()) return;
    out << " \"properties\":[\n";
    for (size_t i = 0; i < map.properties.size(); ++i) {
        const DraftProperty& property = map.properties[i];
        out << (i == 0 ? "" : ",\n") << "        {\n         \"name\":\"" << property.name
            << "\",\n         \"type\":\"" << property.type << "\",\n         \"value\":" << property.json
            << "\n        }";
    }
    out << "],\n";
}

}  // namespace

std::string TiledJson(const MapDraft& map) {
    std::vector<DraftObject> collisions;
    for (const DraftRect& rect : BlockingRects(map))
        collisions.push_back(DraftObject{"", rect});
    std::ostringstream out;
    out << "{ \"compressionlevel\":-1,\n \"height\":" << map.height
        << ",\n \"infinite\":false,\n \"layers\":[\n";
    int layerId = 1, objectId = 1;
    for (const DraftLayer& layer : map.layers) {
        WriteTileLayer(out, map, layer, layerId++);
        out << ", \n";
    }
    WriteObjectLayer(out, "Collision", collisions, false, layerId++, objectId);
    out << ", \n";
    WriteObjectLayer(out, "Trigger", map.triggers, false, layerId++, objectId);
    out << ", \n";
    WriteObjectLayer(out, "Point", map.points, true, layerId++, objectId);
    out << "],\n \"nextlayerid\":" << layerId << ",\n \"nextobjectid\":" << objectId
        << ",\n \"orientation\":\"orthogonal\",\n";
    WriteProperties(out, map);
    out << " \"renderorder\":\"right-down\",\n "
           "\"tiledversion\":\"1.8.2\",\n"
        << " \"tileheight\":" << MAP_TILE << ",\n";
    WriteTileset(out, map);
    out << " \"tilewidth\":" << MAP_TILE
        << ",\n \"type\":\"map\",\n \"version\":\"1.8\",\n \"width\":" << map.width << "\n}\n";
    return out.str();
}

bool WriteMapFolder(const MapDraft& map, const std::string& mapsFolder) {
    const std::filesystem::path folder = std::filesystem::path(mapsFolder) / map.name;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    std::ofstream json(folder / "Map.json", std::ios::binary);
    json << TiledJson(map);
    // A new map lists no NPCs and no items; an existing list is the map content's and stays as it is.
    bool contentOk = true;
    if (!std::filesystem::exists(folder / "Map.txt")) {
        std::ofstream content(folder / "Map.txt", std::ios::binary);
        content << "PNJ 0\nItem 0\n";
        contentOk = bool(content);
    }
    if (!json || !contentOk) {
        std::fprintf(stderr, "mapgen: cannot write %s\n", folder.c_str());
        return false;
    }
    return true;
}
