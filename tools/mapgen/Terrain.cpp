#include "Terrain.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <utility>

namespace {

struct PlanView {
    const std::vector<std::string>& rows;
    int width;
    int height;

    // Outside the map a tile counts as the same ground, so roads and rivers run off the edge cleanly.
    char At(int col, int row, char outside) const {
        if (col < 0 || row < 0 || col >= width || row >= height) return outside;
        return rows[row][col];
    }
};

// A stable pseudo-random value per tile, so the same plan always gives the same map.
uint32_t TileNoise(int col, int row) {
    uint32_t h = uint32_t(col) * 73856093u ^ uint32_t(row) * 19349663u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    return h ^ (h >> 15);
}

bool IsPathChar(char c) {
    return c == '#' || c == '[' || c == ']' || c == 'd';
}
bool IsWaterChar(char c) {
    return c == '~' || c == 'j' || c == '=' || c == 'e' || c == 'R';
}

// Edge pieces follow the atlas order: centre, N, S, E, W, outer NE, NW, SE, SW, inner NE, NW, SE, SW.
AtlasTile EdgeTile(AtlasTile centre, const PlanView& plan, int col, int row, bool (*same)(char)) {
    auto other = [&](int dc, int dr) { return !same(plan.At(col + dc, row + dr, plan.rows[row][col])); };
    const bool n = other(0, -1), s = other(0, 1), e = other(1, 0), w = other(-1, 0);
    auto piece = [&](int index) { return AtlasTile(int(centre) + index); };
    if ((n && s) || (e && w)) return centre;
    if (n && e) return piece(5);
    if (n && w) return piece(6);
    if (s && e) return piece(7);
    if (s && w) return piece(8);
    if (n) return piece(1);
    if (s) return piece(2);
    if (e) return piece(3);
    if (w) return piece(4);
    if (other(1, -1)) return piece(9);
    if (other(-1, -1)) return piece(10);
    if (other(1, 1)) return piece(11);
    if (other(-1, 1)) return piece(12);
    return centre;
}

AtlasTile PlainGround(PlanTheme theme, char c, int col, int row) {
    const uint32_t noise = TileNoise(col, row) % 16;
    if (c == ',') return TILE_DARK_GRASS;
    if (c == 'o') return TILE_COBBLE;
    if (c == 'S') return TILE_SAND;
    if (theme == THEME_FOREST) return noise < 9 ? TILE_FOREST_FLOOR_1 : TILE_FOREST_FLOOR_2;
    if (noise < 7) return TILE_GRASS_1;
    if (noise < 12) return TILE_GRASS_2;
    if (noise < 14) return TILE_GRASS_3;
    return noise == 14 ? TILE_GRASS_TUFT : TILE_GRASS_FLOWERS;
}

AtlasTile FenceTile(const PlanView& plan, int col, int row) {
    const bool n = plan.At(col, row - 1, ' ') == 'f', s = plan.At(col, row + 1, ' ') == 'f';
    const bool e = plan.At(col + 1, row, ' ') == 'f', w = plan.At(col - 1, row, ' ') == 'f';
    if (s && e && !n && !w) return TILE_FENCE_CORNER_NW;
    if (s && w && !n && !e) return TILE_FENCE_CORNER_NE;
    if (n && e && !s && !w) return TILE_FENCE_CORNER_SW;
    if (n && w && !s && !e) return TILE_FENCE_CORNER_SE;
    if (e || w) return TILE_FENCE_H;
    if (n || s) return TILE_FENCE_V;
    return TILE_FENCE_POST;
}

struct Prop {
    char symbol;
    AtlasTile tile;
    bool blocks;
};

constexpr Prop PROPS[] = {
    {'B', TILE_BUSH, true},           {'r', TILE_ROCK, true},
    {'u', TILE_STUMP, true},          {'L', TILE_FALLEN_LOG, true},
    {'g', TILE_GRAVE, true},          {'q', TILE_SKULL_POST, true},
    {'w', TILE_WELL, true},           {'s', TILE_SIGNPOST, true},
    {'l', TILE_LANTERN_POST, true},   {'h', TILE_HAY, true},
    {'W', TILE_FIREWOOD, true},       {'c', TILE_CRATES, true},
    {'b', TILE_BARREL, true},         {'p', TILE_FLOWER_POT, true},
    {'k', TILE_MARKET_STALL_L, true}, {'K', TILE_MARKET_STALL_R, true},
    {'x', TILE_CART_L, true},         {'X', TILE_CART_R, true},
    {'C', TILE_CLIFF, true},          {'F', TILE_FERN, false},
    {'m', TILE_MUSHROOMS, false},     {'y', TILE_GRASS_FLOWERS, false},
    {'i', TILE_GRASS_TUFT, false},    {'R', TILE_REEDS, true},
    {'d', TILE_DOORSTEP, false},      {'e', TILE_LAKE_STONE, true},
};

const Prop* FindProp(char c) {
    for (const Prop& prop : PROPS) {
        if (prop.symbol == c) return &prop;
    }
    return nullptr;
}

AtlasTile BridgeTile(const PlanView& plan, int col, int row) {
    if (plan.At(col, row - 1, ' ') != '=') return TILE_BRIDGE_RAIL_N;
    if (plan.At(col, row + 1, ' ') != '=') return TILE_BRIDGE_RAIL_S;
    return TILE_BRIDGE_DECK;
}

// A prop stands on the plain ground beside it: cobbles, dark grass or sand when a neighbour is, so a
// well in the square stands on the square's stones.
char GroundBeside(const PlanView& plan, int col, int row, char c) {
    if (FindProp(c) == nullptr) return c;
    for (const auto& [dc, dr] : {std::pair{-1, 0}, std::pair{1, 0}, std::pair{0, -1}, std::pair{0, 1}}) {
        const char beside = plan.At(col + dc, row + dr, ' ');
        if (beside == 'o' || beside == ',' || beside == 'S') return beside;
    }
    return c;
}

void PaintGround(MapDraft& map, const PlanView& plan, PlanTheme theme, int col, int row) {
    const char c = plan.rows[row][col];
    AtlasTile ground = PlainGround(theme, GroundBeside(plan, col, row, c), col, row);
    if (IsWaterChar(c)) {
        ground = EdgeTile(TILE_WATER, plan, col, row, IsWaterChar);
        if (ground == TILE_WATER && c == '~' && TileNoise(col, row) % 23 == 0) ground = TILE_WATER_LILY;
    } else if (IsPathChar(c)) {
        ground = EdgeTile(TILE_PATH, plan, col, row, IsPathChar);
        if (ground == TILE_PATH && TileNoise(col, row) % 11 == 0) ground = TILE_PATH_PEBBLES;
    } else if (c == 'T') {
        ground = TILE_FOREST_WALL;
    }
    SetTile(map, LAYER_GROUND, col, row, ground);
    SetSolid(map, col, row, c == '~' || c == 'T');
}

void PaintTree(MapDraft& map, char c, int col, int row) {
    const float x = (col + 0.5f) * MAP_TILE, y = (row + 0.75f) * MAP_TILE;
    map.points.push_back(DraftObject{std::string("ARBRE_") + c, {x, y, 0, 0}});
    AddCollision(map, DraftRect{x - 20, y - 20, 40, 24});
}

void PaintFeature(MapDraft& map, const PlanView& plan, int col, int row) {
    const char c = plan.rows[row][col];
    if (c == 'T' && plan.At(col, row + 1, 'T') != 'T' && plan.At(col, row + 1, 'T') != '~') {
        SetTile(map, LAYER_UP, col, row + 1, TILE_TREE_CANOPY_EDGE);
    } else if (c == 'P') {
        SetTile(map, LAYER_DETAILS, col, row, TILE_PINE_TRUNK);
        SetTile(map, LAYER_UP, col, row - 1, TILE_PINE_TOP);
        SetSolid(map, col, row, true);
    } else if (c >= '1' && c <= '4') {
        PaintTree(map, c, col, row);
    } else if (c == 'f') {
        SetTile(map, LAYER_DETAILS, col, row, FenceTile(plan, col, row));
        SetSolid(map, col, row, true);
    } else if (c == 'j') {
        SetTile(map, LAYER_DETAILS, col, row, TILE_FISHING_JETTY);
    } else if (c == '=') {
        SetTile(map, LAYER_DETAILS, col, row, BridgeTile(plan, col, row));
    } else if (c == '[' || c == ']') {
        SetTile(map, LAYER_DETAILS, col, row, c == '[' ? TILE_BRIDGE_END_W : TILE_BRIDGE_END_E);
    } else if (const Prop* prop = FindProp(c)) {
        SetTile(map, LAYER_DETAILS, col, row, prop->tile);
        if (prop->blocks) SetSolid(map, col, row, true);
    }
}

}  // namespace

void PaintPlan(MapDraft& map, const std::vector<std::string>& plan, PlanTheme theme) {
    if (int(plan.size()) != map.height) {
        std::fprintf(stderr, "mapgen: %s: plan has %zu rows, map %d\n", map.name.c_str(), plan.size(),
                     map.height);
        std::exit(1);
    }
    for (int row = 0; row < map.height; ++row) {
        if (int(plan[row].size()) != map.width) {
            std::fprintf(stderr, "mapgen: %s: plan row %d has %zu columns, map %d\n", map.name.c_str(), row,
                         plan[row].size(), map.width);
            std::exit(1);
        }
    }
    const PlanView view{plan, map.width, map.height};
    for (int row = 0; row < map.height; ++row) {
        for (int col = 0; col < map.width; ++col)
            PaintGround(map, view, theme, col, row);
    }
    for (int row = 0; row < map.height; ++row) {
        for (int col = 0; col < map.width; ++col)
            PaintFeature(map, view, col, row);
    }
}
