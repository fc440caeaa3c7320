#include "MapDraft.h"

namespace {

constexpr const char* LAYER_NAMES[LAYER_COUNT] = {"Ground", "Details", "Buildings", "Batiment roof", "Up"};

}  // namespace

MapDraft NewMapDraft(const std::string& name, int width, int height, AtlasVariant variant) {
    MapDraft map;
    map.name = name;
    map.width = width;
    map.height = height;
    map.variant = variant;
    for (const char* layerName : LAYER_NAMES) {
        map.layers.push_back(DraftLayer{layerName, std::vector<int>(static_cast<size_t>(width) * height, 0)});
    }
    map.solid.assign(static_cast<size_t>(width) * height, false);
    return map;
}

bool InsideMap(const MapDraft& map, int col, int row) {
    return col >= 0 && row >= 0 && col < map.width && row < map.height;
}

void SetTile(MapDraft& map, DraftLayerIndex layer, int col, int row, AtlasTile tile) {
    if (InsideMap(map, col, row)) map.layers[layer].ids[row * map.width + col] = TileId(tile);
}

void SetSolid(MapDraft& map, int col, int row, bool solid) {
    if (InsideMap(map, col, row)) map.solid[row * map.width + col] = solid;
}

bool IsSolid(const MapDraft& map, int col, int row) {
    return InsideMap(map, col, row) && map.solid[row * map.width + col];
}

void AddCollision(MapDraft& map, DraftRect rect) {
    map.collisions.push_back(rect);
}

void AddTrigger(MapDraft& map, const std::string& name, float col, float row, float cols, float rows) {
    map.triggers.push_back(
        DraftObject{name, {col * MAP_TILE, row * MAP_TILE, cols * MAP_TILE, rows * MAP_TILE}});
}

void AddPoint(MapDraft& map, const std::string& name, float col, float row) {
    map.points.push_back(DraftObject{name, {col * MAP_TILE, row * MAP_TILE, 0, 0}});
}

std::vector<DraftRect> BlockingRects(const MapDraft& map) {
    // Each row's runs of solid tiles, grown downwards while the rows below hold the very same run.
    std::vector<bool> taken(map.solid.size(), false);
    std::vector<DraftRect> rects;
    for (int row = 0; row < map.height; ++row) {
        for (int col = 0; col < map.width; ++col) {
            if (!IsSolid(map, col, row) || taken[row * map.width + col]) continue;
            int end = col;
            while (IsSolid(map, end, row) && !taken[row * map.width + end])
                ++end;
            int bottom = row + 1;
            for (;; ++bottom) {
                bool same = bottom < map.height;
                for (int c = col; same && c < end; ++c)
                    same = IsSolid(map, c, bottom) && !taken[bottom * map.width + c];
                if (!same) break;
            }
            for (int r = row; r < bottom; ++r) {
                for (int c = col; c < end; ++c)
                    taken[r * map.width + c] = true;
            }
            rects.push_back(DraftRect{float(col * MAP_TILE), float(row * MAP_TILE),
                                      float((end - col) * MAP_TILE), float((bottom - row) * MAP_TILE)});
            col = end - 1;
        }
    }
    rects.insert(rects.end(), map.collisions.begin(), map.collisions.end());
    const float w = float(map.width * MAP_TILE);
    const float h = float(map.height * MAP_TILE);
    const float t = float(MAP_TILE);
    rects.push_back({-t, -t, w + 2 * t, t});
    rects.push_back({-t, h, w + 2 * t, t});
    rects.push_back({-t, 0, t, h});
    rects.push_back({w, 0, t, h});
    return rects;
}

MapDraft TwinOf(const MapDraft& map, const std::string& name, AtlasVariant variant) {
    MapDraft twin = map;
    twin.name = name;
    twin.variant = variant;
    twin.triggers.clear();
    twin.points.clear();
    return twin;
}

namespace {

void Put(MapDraft& map, const std::string& name, const std::string& type, const std::string& json) {
    auto at = map.properties.begin();
    while (at != map.properties.end() && at->name < name)
        ++at;
    if (at != map.properties.end() && at->name == name) {
        *at = DraftProperty{name, type, json};
    } else {
        map.properties.insert(at, DraftProperty{name, type, json});
    }
}

}  // namespace

void SetProperty(MapDraft& map, const std::string& name, bool value) {
    Put(map, name, "bool", value ? "true" : "false");
}

void SetProperty(MapDraft& map, const std::string& name, int value) {
    Put(map, name, "int", std::to_string(value));
}

void SetProperty(MapDraft& map, const std::string& name, const char* value) {
    Put(map, name, "string", std::string("\"") + value + "\"");
}
