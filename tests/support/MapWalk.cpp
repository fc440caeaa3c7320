#include "support/MapWalk.h"

#include <algorithm>
#include <cmath>
#include <deque>

#include "world/tiled/TiledMap.h"

namespace {

constexpr float WALK_STEP = 8.0f;

void ReadObjectLayer(const TiledLayer& layer, MapFacts& facts) {
    const std::string name = layer.name ? layer.name : "";
    for (const TiledObject* object = layer.objects; object; object = object->next) {
        if (object->ellipse || object->vertexCount > 0) continue;
        NamedRect item{object->name ? object->name : "",
                       {object->x, object->y, object->width, object->height}};
        if (name == "Collision" && !object->point) facts.collisions.push_back(item.rect);
        if (name == "Trigger" && !object->point) facts.triggers.push_back(item);
        if (name == "Point" && object->point) facts.points.push_back(item);
    }
}

}  // namespace

bool ReadMapFacts(const std::string& mapsFolder, const std::string& map, MapFacts& facts) {
    const std::string path = mapsFolder + "/" + map + "/Map.json";
    std::unique_ptr<TiledMap> tiled = LoadTiledMapFromFile(path.c_str());
    if (!tiled) return false;
    facts = MapFacts{};
    facts.name = map;
    facts.width = tiled->width;
    facts.height = tiled->height;
    facts.tileWidth = tiled->tilewidth;
    facts.tileHeight = tiled->tileheight;
    for (const TiledTileset* set = tiled->tilesets; set; set = set->next) {
        if (facts.tilesetCount++ == 0 && set->image) facts.tilesetImage = set->image;
    }
    for (const TiledLayer* layer = tiled->layers; layer; layer = layer->next) {
        facts.layerNames.push_back(layer->name ? layer->name : "");
        const std::string type = layer->type ? layer->type : "";
        if (type == "tilelayer") {
            facts.tileLayers.push_back(
                TileLayerFacts{facts.layerNames.back(), layer->dataCount,
                               std::vector<int>(layer->data, layer->data + layer->dataCount)});
        } else if (type == "objectgroup") {
            ReadObjectLayer(*layer, facts);
        }
    }
    FreeTiledMap(tiled);
    return true;
}

bool IsDoorName(const std::string& name) {
    return name != "MAP" && name != "PECHE_POST_1" && name != "PECHE_POST_2" && name != "PECHE_POST_3" &&
           name != "Bed" && name != "EXIT" && name.find("HOUSE_ENTER_SPRITI") == std::string::npos;
}

bool IsBlockingTrigger(const std::string& name) {
    return name == "MAP" || IsDoorName(name);
}

const NamedRect* SpawnPointFor(const MapFacts& map, const std::string& leftMap) {
    std::vector<const NamedRect*> byY;
    for (const NamedRect& point : map.points)
        byY.push_back(&point);
    std::stable_sort(byY.begin(), byY.end(),
                     [](const NamedRect* a, const NamedRect* b) { return a->rect.y < b->rect.y; });
    for (const NamedRect* point : byY) {
        if (point->name.find(leftMap) != std::string::npos) return point;
    }
    return nullptr;
}

WalkRect FootBoxAt(float x, float y) {
    return WalkRect{x - 16, y + 16, 32, 16};
}

bool Overlaps(const WalkRect& a, const WalkRect& b) {
    return std::max(a.x, b.x) < std::min(a.x + a.width, b.x + b.width) &&
           std::max(a.y, b.y) < std::min(a.y + a.height, b.y + b.height);
}

bool StandsFree(const MapFacts& map, const WalkRect& box) {
    for (const WalkRect& rect : map.collisions) {
        if (Overlaps(box, rect)) return false;
    }
    for (const NamedRect& trigger : map.triggers) {
        if (IsBlockingTrigger(trigger.name) && Overlaps(box, trigger.rect)) return false;
    }
    return true;
}

FootWalk WalkFrom(const MapFacts& map, float x, float y, const std::vector<WalkRect>& extraBlocks) {
    const WalkRect start = FootBoxAt(x, y);
    const float mapWidth = float(map.width * map.tileWidth), mapHeight = float(map.height * map.tileHeight);
    FootWalk walk;
    walk.originX = start.x - WALK_STEP * std::floor(start.x / WALK_STEP);
    walk.originY = start.y - WALK_STEP * std::floor(start.y / WALK_STEP);
    walk.columns = int((mapWidth - start.width - walk.originX) / WALK_STEP) + 1;
    walk.rows = int((mapHeight - start.height - walk.originY) / WALK_STEP) + 1;
    walk.reached.assign(size_t(walk.columns) * walk.rows, false);
    auto free = [&](int col, int row) {
        const WalkRect box{walk.originX + col * WALK_STEP, walk.originY + row * WALK_STEP, start.width,
                           start.height};
        if (!StandsFree(map, box)) return false;
        return std::none_of(extraBlocks.begin(), extraBlocks.end(),
                            [&](const WalkRect& r) { return Overlaps(box, r); });
    };
    const int startCol = int(std::lround((start.x - walk.originX) / WALK_STEP));
    const int startRow = int(std::lround((start.y - walk.originY) / WALK_STEP));
    std::deque<std::pair<int, int>> queue;
    if (free(startCol, startRow)) queue.emplace_back(startCol, startRow);
    while (!queue.empty()) {
        const auto [col, row] = queue.front();
        queue.pop_front();
        if (col < 0 || row < 0 || col >= walk.columns || row >= walk.rows) continue;
        const size_t cell = size_t(row) * walk.columns + col;
        if (walk.reached[cell] || !free(col, row)) continue;
        walk.reached[cell] = true;
        queue.emplace_back(col + 1, row);
        queue.emplace_back(col - 1, row);
        queue.emplace_back(col, row + 1);
        queue.emplace_back(col, row - 1);
    }
    return walk;
}

bool CanTouch(const FootWalk& walk, const WalkRect& target, float margin) {
    const WalkRect grown{target.x - margin, target.y - margin, target.width + 2 * margin,
                         target.height + 2 * margin};
    for (int row = 0; row < walk.rows; ++row) {
        for (int col = 0; col < walk.columns; ++col) {
            const WalkRect box{walk.originX + col * WALK_STEP, walk.originY + row * WALK_STEP, 32, 16};
            if (walk.reached[size_t(row) * walk.columns + col] && Overlaps(box, grown)) return true;
        }
    }
    return false;
}

bool CanStandAt(const FootWalk& walk, float x, float y) {
    const WalkRect box = FootBoxAt(x, y);
    for (int row = 0; row < walk.rows; ++row) {
        for (int col = 0; col < walk.columns; ++col) {
            const float dx = walk.originX + col * WALK_STEP - box.x,
                        dy = walk.originY + row * WALK_STEP - box.y;
            if (walk.reached[size_t(row) * walk.columns + col] && std::fabs(dx) <= WALK_STEP &&
                std::fabs(dy) <= WALK_STEP) {
                return true;
            }
        }
    }
    return false;
}
