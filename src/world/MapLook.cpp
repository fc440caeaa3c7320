#include "world/MapLook.h"

#include <cstring>
#include <memory>
#include <sstream>

#include "world/tiled/TiledMap.h"

namespace {

const TiledProperty* Find(const TiledMap& map, const char* name, TiledPropertyKind kind) {
    for (int32_t i = 0; i < map.propertyCount; ++i) {
        const TiledProperty& property = map.properties[i];
        if (property.kind == kind && property.name != nullptr && std::strcmp(property.name, name) == 0)
            return &property;
    }
    return nullptr;
}

void Take(const TiledMap& map, const char* name, bool& flag) {
    if (const TiledProperty* property = Find(map, name, PROPERTY_BOOL)) flag = property->value.boolean;
}

void Take(const TiledMap& map, const char* name, int32_t& number) {
    if (const TiledProperty* property = Find(map, name, PROPERTY_INT)) number = property->value.integer;
}

void Take(const TiledMap& map, const char* name, std::string& text) {
    if (const TiledProperty* property = Find(map, name, PROPERTY_STRING)) text = property->value.text;
}

// "from>to,from>to": a pair without its '>' is passed over.
std::vector<std::pair<std::string, std::string>> Arrivals(const std::string& text) {
    std::vector<std::pair<std::string, std::string>> arrivals;
    std::istringstream pairs(text);
    for (std::string pair; std::getline(pairs, pair, ',');) {
        const size_t arrow = pair.find('>');
        if (arrow != std::string::npos) arrivals.emplace_back(pair.substr(0, arrow), pair.substr(arrow + 1));
    }
    return arrivals;
}

}  // namespace

MapLook ReadMapLook(const TiledMap& map) {
    MapLook look;
    Take(map, "displayName", look.displayName);
    Take(map, "clouds", look.clouds);
    Take(map, "smoke", look.smoke);
    Take(map, "burntTrees", look.burntTrees);
    Take(map, "grass", look.grass);
    Take(map, "torch", look.torch);
    Take(map, "darkness", look.darkness);
    Take(map, "battleBackground", look.battleBackground);
    Take(map, "battleGroundDrop", look.battleGroundDrop);
    Take(map, "worldMapMarker", look.worldMapMarker);
    std::string arrivals;
    Take(map, "arrivals", arrivals);
    look.arrivals = Arrivals(arrivals);
    if (look.battleBackground.empty()) look.battleBackground = DEFAULT_BATTLE_BACKGROUND;
    return look;
}

MapLook ReadMapLookOf(const std::string& mapName) {
    const std::string path = "Assets/Text/Maps/" + mapName + "/Map.json";
    std::unique_ptr<TiledMap> map = LoadTiledMapFromFile(path.c_str());
    MapLook look = map ? ReadMapLook(*map) : MapLook{};
    if (look.battleBackground.empty()) look.battleBackground = DEFAULT_BATTLE_BACKGROUND;
    return look;
}

std::string WorldMapArrival(const std::string& destination, const std::string& comingFrom) {
    for (const auto& [from, to] : ReadMapLookOf(destination).arrivals) {
        if (from == comingFrom) return to;
    }
    return destination;
}
