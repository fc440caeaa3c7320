#pragma once
// The one tile atlas of every map: 16 columns of 64 x 64 tiles (art drawn at 32 x 32 and doubled).
// A tile's Tiled id is its index + 1 (the maps' only tileset starts at id 1). The same layout is
// painted three times: by day ("Tiles_Day.png"), at night ("Tiles_Night.png") and burning at night
// ("Tiles_Burn.png"), so a night or burnt map keeps the layout of its day twin and only names
// another image. The map author (tools/mapgen) and the tile painter (tools/assetgen) both use this.

#include <cstdint>

inline constexpr int ATLAS_COLUMNS = 16;
inline constexpr int ATLAS_TILE = 64;
inline constexpr const char* ATLAS_IMAGES[] = {"Tiles_Day.png", "Tiles_Night.png", "Tiles_Burn.png"};

// Rows of 16. Edge pieces name the side where the other ground lies (PATH_N: path with grass to the
// north); OUTER corners are convex corners of the path or water patch, INNER corners concave ones.
enum AtlasTile : int32_t {
    // Row 0: grass and ground
    TILE_GRASS_1 = 0,
    TILE_GRASS_2,
    TILE_GRASS_3,
    TILE_GRASS_FLOWERS,
    TILE_GRASS_TUFT,
    TILE_DARK_GRASS,
    TILE_FOREST_FLOOR_1,
    TILE_FOREST_FLOOR_2,
    TILE_SAND,
    TILE_STONE_FLOOR,
    TILE_COBBLE,
    TILE_MUD,
    TILE_ROCK,
    TILE_BUSH,
    TILE_STUMP,
    TILE_MUSHROOMS,
    // Row 1: dirt path and its edges (path centre, then edges with grass beyond)
    TILE_PATH = 16,
    TILE_PATH_N,
    TILE_PATH_S,
    TILE_PATH_E,
    TILE_PATH_W,
    TILE_PATH_OUTER_NE,
    TILE_PATH_OUTER_NW,
    TILE_PATH_OUTER_SE,
    TILE_PATH_OUTER_SW,
    TILE_PATH_INNER_NE,
    TILE_PATH_INNER_NW,
    TILE_PATH_INNER_SE,
    TILE_PATH_INNER_SW,
    TILE_PATH_PEBBLES,
    TILE_SIGNPOST,
    TILE_WELL,
    // Row 2: water and its shores (water centre, then shores with grass beyond)
    TILE_WATER = 32,
    TILE_WATER_N,
    TILE_WATER_S,
    TILE_WATER_E,
    TILE_WATER_W,
    TILE_WATER_OUTER_NE,
    TILE_WATER_OUTER_NW,
    TILE_WATER_OUTER_SE,
    TILE_WATER_OUTER_SW,
    TILE_WATER_INNER_NE,
    TILE_WATER_INNER_NW,
    TILE_WATER_INNER_SE,
    TILE_WATER_INNER_SW,
    TILE_WATER_LILY,
    TILE_WATER_ROCK,
    TILE_REEDS,
    // Row 3: bridge over a river that flows north to south, fences
    TILE_BRIDGE_DECK = 48,
    TILE_BRIDGE_RAIL_N,
    TILE_BRIDGE_RAIL_S,
    TILE_BRIDGE_END_W,
    TILE_BRIDGE_END_E,
    TILE_BRIDGE_POST,
    TILE_FENCE_H,
    TILE_FENCE_V,
    TILE_FENCE_POST,
    TILE_FENCE_CORNER_NW,
    TILE_FENCE_CORNER_NE,
    TILE_FENCE_CORNER_SW,
    TILE_FENCE_CORNER_SE,
    TILE_FISHING_JETTY,
    TILE_CRATES,
    TILE_BARREL,
    // Row 4: house walls seen from the south (wood and plaster), doors and windows
    TILE_WALL_LEFT = 64,
    TILE_WALL_MID,
    TILE_WALL_RIGHT,
    TILE_WALL_WINDOW,
    TILE_WALL_DOOR,
    TILE_WALL_STONE_BASE,
    TILE_CHIMNEY,
    TILE_MARKET_STALL_L,
    TILE_MARKET_STALL_R,
    TILE_HAY,
    TILE_FIREWOOD,
    TILE_LANTERN_POST,
    TILE_FLOWER_POT,
    TILE_CART_L,
    TILE_CART_R,
    TILE_DOORSTEP,
    // Row 5: roofs (drawn above the hero): three across, eaves to ridge
    TILE_ROOF_EAVE_L = 80,
    TILE_ROOF_EAVE_M,
    TILE_ROOF_EAVE_R,
    TILE_ROOF_MID_L,
    TILE_ROOF_MID_M,
    TILE_ROOF_MID_R,
    TILE_ROOF_RIDGE_L,
    TILE_ROOF_RIDGE_M,
    TILE_ROOF_RIDGE_R,
    TILE_ROOF_THATCH_L,
    TILE_ROOF_THATCH_M,
    TILE_ROOF_THATCH_R,
    TILE_DOOR_FRAME_TOP,
    TILE_TREE_CANOPY,
    TILE_TREE_CANOPY_EDGE,
    TILE_PINE_TOP,
    // Row 6: forest and cabin
    TILE_FOREST_WALL = 96,
    TILE_PINE_TRUNK,
    TILE_ROOTS,
    TILE_FALLEN_LOG,
    TILE_FERN,
    TILE_CABIN_WALL_L,
    TILE_CABIN_WALL_M,
    TILE_CABIN_WALL_R,
    TILE_CABIN_DOOR,
    TILE_CABIN_ROOF_L,
    TILE_CABIN_ROOF_M,
    TILE_CABIN_ROOF_R,
    TILE_LAKE_STONE,
    TILE_GRAVE,
    TILE_SKULL_POST,
    TILE_CLIFF,
    // Row 7: interiors (floors and walls seen from the south)
    TILE_FLOOR_WOOD_1 = 112,
    TILE_FLOOR_WOOD_2,
    TILE_FLOOR_STONE,
    TILE_INNER_WALL_TOP,
    TILE_INNER_WALL,
    TILE_INNER_WALL_WINDOW,
    TILE_INNER_WALL_SHELF,
    TILE_INNER_WALL_LEFT,
    TILE_INNER_WALL_RIGHT,
    TILE_RUG_L,
    TILE_RUG_M,
    TILE_RUG_R,
    TILE_DOORWAY,
    TILE_INNER_WALL_BOTTOM,
    TILE_WALL_CRACK,
    TILE_VOID,
    // Row 8: furniture
    TILE_BED_HEAD = 128,
    TILE_BED_FOOT,
    TILE_BATHTUB_L,
    TILE_BATHTUB_R,
    TILE_TABLE,
    TILE_CHAIR,
    TILE_STOOL,
    TILE_FIREPLACE,
    TILE_CUPBOARD,
    TILE_CHEST,
    TILE_POTS,
    TILE_PLANT,
    TILE_BOOKSHELF,
    TILE_CAULDRON,
    TILE_LAMP,
    TILE_WORKBENCH,
    ATLAS_TILE_COUNT = 144,
};

inline constexpr int ATLAS_ROWS = ATLAS_TILE_COUNT / ATLAS_COLUMNS;

// The Tiled id written in the maps' CSV layers (0 leaves a cell empty).
inline constexpr int32_t TileId(AtlasTile tile) {
    return static_cast<int32_t>(tile) + 1;
}

enum AtlasVariant : int32_t { ATLAS_DAY = 0, ATLAS_NIGHT = 1, ATLAS_BURN = 2 };

// Which painting of the atlas each map shows; the image lies in the map's own folder
// (Assets/Text/Maps/<map>/<image>), where the game looks for its tile sheet.
struct MapAtlas {
    const char* map;
    AtlasVariant variant;
};

inline constexpr MapAtlas MAP_ATLASES[] = {
    {"HOUSE_ENTER_1", ATLAS_DAY},      {"GoblinVillage", ATLAS_DAY},      {"Bridge", ATLAS_DAY},
    {"ForestNight", ATLAS_NIGHT},      {"HOUSE_ENTER_SPRITI", ATLAS_DAY}, {"HOUSE_BURN_1", ATLAS_BURN},
    {"GoblinVillageBurn", ATLAS_BURN}, {"BridgeNight", ATLAS_NIGHT},
};
