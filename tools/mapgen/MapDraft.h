#pragma once
// A map being authored: tile layers, collision rectangles, triggers and points, in map pixels.
// The map descriptions fill one of these; the writer turns it into Tiled JSON and the renderer into a
// review picture.

#include <string>
#include <vector>

#include "assetgen/TileAtlas.h"

inline constexpr int MAP_TILE = 64;

struct DraftRect {
    float x, y, width, height;
};

struct DraftObject {
    std::string name;
    DraftRect rect;  // points keep width and height 0
};

struct DraftLayer {
    std::string name;
    std::vector<int> ids;  // Tiled ids, row by row (0 = empty)
};

// Layer order in every map: ground layers first, then the roof layers drawn above the hero.
enum DraftLayerIndex : int {
    LAYER_GROUND = 0,
    LAYER_DETAILS,
    LAYER_BUILDINGS,
    LAYER_ROOF,  // "Batiment roof": house roofs
    LAYER_UP,    // "Up": tree tops and door frame tops
    LAYER_COUNT,
};

// One of Tiled's custom map properties: its type ("bool", "int" or "string") and its value as JSON.
struct DraftProperty {
    std::string name;
    std::string type;
    std::string json;
};

struct MapDraft {
    std::string name;
    int width = 0;
    int height = 0;
    AtlasVariant variant = ATLAS_DAY;
    std::vector<DraftLayer> layers;
    std::vector<bool> solid;            // tiles whose whole square blocks, merged into rectangles on output
    std::vector<DraftRect> collisions;  // finer blocking shapes added by stamps
    std::vector<DraftObject> triggers;
    std::vector<DraftObject> points;
    std::vector<DraftProperty> properties;  // sorted by name, as Tiled writes them
};

MapDraft NewMapDraft(const std::string& name, int width, int height, AtlasVariant variant);
bool InsideMap(const MapDraft& map, int col, int row);
void SetTile(MapDraft& map, DraftLayerIndex layer, int col, int row, AtlasTile tile);
void SetSolid(MapDraft& map, int col, int row, bool solid);
bool IsSolid(const MapDraft& map, int col, int row);
void AddCollision(MapDraft& map, DraftRect rect);
// A trigger or a point given in tiles (fractions allowed); stored in map pixels.
void AddTrigger(MapDraft& map, const std::string& name, float col, float row, float cols, float rows);
void AddPoint(MapDraft& map, const std::string& name, float col, float row);
// The map's blocking rectangles: solid tiles merged into as few rectangles as rows allow, the stamps'
// own shapes, and four walls just outside the map.
std::vector<DraftRect> BlockingRects(const MapDraft& map);
// Sets (or replaces) a custom map property.
void SetProperty(MapDraft& map, const std::string& name, bool value);
void SetProperty(MapDraft& map, const std::string& name, int value);
void SetProperty(MapDraft& map, const std::string& name, const char* value);
// A copy of a finished map under another name and painting (the night and burnt twins).
MapDraft TwinOf(const MapDraft& map, const std::string& name, AtlasVariant variant);
