#include "support/MapWalk.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <filesystem>
#include <set>

#include "world/tiled/TiledMap.h"

namespace {

constexpr float WALK_STEP = 8.0f;
const std::string BUILT_MAPS = std::string(VELMORIA_BUILT_ASSETS) + "/Text/Maps";

}  // namespace

bool ReadMapFacts(const std::string& mapsFolder, const std::string& map, MapFacts& facts) {
    const std::unique_ptr<TiledMap> tiled =
        LoadTiledMapFromFile((mapsFolder + "/" + map + "/Map.json").c_str());
    if (!tiled) return false;
    facts = MapFacts{map, tiled->width, tiled->height, tiled->tilewidth, tiled->tileheight, {}, {}, {}};
    // As the game takes them: rectangles of the collision and trigger layers, points of the point layer.
    for (const TiledLayer* layer = tiled->layers; layer; layer = layer->next) {
        const std::string kind = layer->name ? layer->name : "";
        for (const TiledObject* object = layer->objects; object; object = object->next) {
            if (object->ellipse || object->vertexCount > 0) continue;
            const NamedRect item{object->name ? object->name : "",
                                 {object->x, object->y, object->width, object->height}};
            if (kind == "Collision" && !object->point) facts.collisions.push_back(item.rect);
            if (kind == "Trigger" && !object->point) facts.triggers.push_back(item);
            if (kind == "Point" && object->point) facts.points.push_back(item);
        }
    }
    return true;
}

const std::map<std::string, MapFacts>& BuiltMaps() {
    static const std::map<std::string, MapFacts> maps = [] {
        std::map<std::string, MapFacts> read;
        for (const auto& entry : std::filesystem::directory_iterator(BUILT_MAPS)) {
            const std::string name = entry.path().filename().string();
            if (MapFacts facts; entry.is_directory() && ReadMapFacts(BUILT_MAPS, name, facts))
                read[name] = facts;
        }
        return read;
    }();
    return maps;
}

bool IsDoorName(const std::string& name) {
    return name != "MAP" && name != "PECHE_POST_1" && name != "PECHE_POST_2" && name != "PECHE_POST_3" &&
           name != "Bed" && name != "EXIT" && name.find("HOUSE_ENTER_SPRITI") == std::string::npos;
}

bool IsBlockingTrigger(const std::string& name) {
    return name == "MAP" || IsDoorName(name);
}

bool IsDecorPoint(const std::string& name) {
    return name.rfind("ARBRE_", 0) == 0 || name == "FIRE" || name == "BULLES";
}

const NamedRect* SpawnPointFor(const MapFacts& map, const std::string& leftMap) {
    const NamedRect* found = nullptr;
    for (const NamedRect& point : map.points) {
        if (point.name.find(leftMap) != std::string::npos && (!found || point.rect.y < found->rect.y))
            found = &point;
    }
    return found;
}

WalkRect FootBoxAt(float x, float y) {
    return WalkRect{x - 16, y + 16, 32, 16};
}

bool Overlaps(const WalkRect& a, const WalkRect& b) {
    return std::max(a.x, b.x) < std::min(a.x + a.width, b.x + b.width) &&
           std::max(a.y, b.y) < std::min(a.y + a.height, b.y + b.height);
}

WalkRect Enlarged(const WalkRect& rect, float margin) {
    return {rect.x - margin, rect.y - margin, rect.width + 2 * margin, rect.height + 2 * margin};
}

WalkRect TilesAt(float col, float row, float cols, float rows) {
    return {col * 64, row * 64, cols * 64, rows * 64};
}

// A fence is taken as 64 pixels wide, blocking the upper half of its picture.
const std::vector<PuzzleSpot> PUZZLE_SPOTS = {
    {"HOUSE_BURN_1", "flames before the wall", TilesAt(10, 4, 1, 1), true, 0},
    {"HOUSE_BURN_1", "bucket and rope zone", TilesAt(10, 5, 2, 2), false, 0},
    {"ForestNight", "fence 0", TilesAt(21, 6.5f, 1, 0.5f), true, 20},
    {"ForestNight", "fence 1", TilesAt(32, 3.5f, 1, 0.5f), true, 20},
    {"ForestNight", "fence 2", TilesAt(24, 7.5f, 1, 0.5f), true, 20},
    {"ForestNight", "fence 3", TilesAt(32, 10.5f, 1, 0.5f), true, 20},
    {"ForestNight", "fence 4", TilesAt(23, 15.5f, 1, 0.5f), true, 20},
    {"ForestNight", "fire 1", TilesAt(29, 16, 1, 1), true, 0},
    {"ForestNight", "fire 2", TilesAt(31, 16, 1, 1), true, 0},
    {"ForestNight", "fire 1 zone", TilesAt(29, 17, 2, 2), false, 0},
    {"ForestNight", "fire 2 zone", TilesAt(31, 17, 2, 2), false, 0},
};

bool StandsFree(const MapFacts& map, const WalkRect& box) {
    const auto blocks = [&](const NamedRect& trigger) {
        return IsBlockingTrigger(trigger.name) && Overlaps(box, trigger.rect);
    };
    return std::none_of(map.collisions.begin(), map.collisions.end(),
                        [&](const WalkRect& wall) { return Overlaps(box, wall); }) &&
           std::none_of(map.triggers.begin(), map.triggers.end(), blocks);
}

FootWalk WalkFrom(const MapFacts& map, float x, float y, const std::vector<WalkRect>& extraBlocks) {
    MapFacts blocked = map;
    blocked.collisions.insert(blocked.collisions.end(), extraBlocks.begin(), extraBlocks.end());
    const WalkRect start = FootBoxAt(x, y);
    const auto inside = [&](const WalkRect& feet) {
        return feet.x >= 0 && feet.y >= 0 && feet.x + feet.width <= float(map.width * map.tileWidth) &&
               feet.y + feet.height <= float(map.height * map.tileHeight);
    };
    // Steps of the grid laid through the start.
    std::set<std::pair<int, int>> seen{{0, 0}};
    std::deque<std::pair<int, int>> queue{{0, 0}};
    FootWalk walk;
    while (!queue.empty()) {
        const auto [col, row] = queue.front();
        queue.pop_front();
        const WalkRect feet{start.x + col * WALK_STEP, start.y + row * WALK_STEP, start.width, start.height};
        if (!inside(feet) || !StandsFree(blocked, feet)) continue;
        walk.push_back(feet);
        for (const auto& [dc, dr] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
            if (seen.insert({col + dc, row + dr}).second) queue.emplace_back(col + dc, row + dr);
        }
    }
    return walk;
}

FootWalk WalkFromArrival(const MapFacts& map, const std::string& from, const std::vector<WalkRect>& blocks) {
    const NamedRect* start = SpawnPointFor(map, from);
    return start ? WalkFrom(map, start->rect.x, start->rect.y, blocks) : FootWalk{};
}

bool CanTouch(const FootWalk& walk, const WalkRect& target, float margin) {
    return std::any_of(walk.begin(), walk.end(),
                       [&](const WalkRect& feet) { return Overlaps(feet, Enlarged(target, margin)); });
}

bool CanStandAt(const FootWalk& walk, float x, float y) {
    const WalkRect there = FootBoxAt(x, y);
    return std::any_of(walk.begin(), walk.end(), [&](const WalkRect& feet) {
        return std::fabs(feet.x - there.x) <= WALK_STEP && std::fabs(feet.y - there.y) <= WALK_STEP;
    });
}

std::vector<std::string> Unreached(const MapFacts& map, const FootWalk& walk) {
    std::vector<std::string> unreached;
    for (const NamedRect& trigger : map.triggers) {
        // A trigger that pushes back is reached by walking into it; the others by standing in them.
        if (!CanTouch(walk, trigger.rect, IsBlockingTrigger(trigger.name) ? WALK_STEP : 0.0f))
            unreached.push_back("trigger " + trigger.name);
    }
    for (const NamedRect& point : map.points) {
        if (!IsDecorPoint(point.name) && !CanStandAt(walk, point.rect.x, point.rect.y))
            unreached.push_back("point " + point.name);
    }
    return unreached;
}
