// Rows 0 to 2 of the atlas: grass and ground, the dirt path with its edges, water with its shores.

#include "WorldTiles.h"

namespace {

const std::uint32_t PATH_SEED = 2, WATER_SEED = 5;

void PaintFlowers(PixelCanvas& tile) {
    const PaletteIndex petals[] = {PAL_WHITE, PAL_GOLD_LIGHT, PAL_CLOTH_LIGHT, PAL_SKY_LIGHT};
    const int spots[][2] = {{5, 6}, {20, 4}, {12, 15}, {26, 19}, {6, 25}, {18, 27}};
    int colour = 0;
    for (const auto& spot : spots) {
        const sf::Color petal = Pal(petals[colour++ % 4]);
        PutPixel(tile, spot[0] - 1, spot[1], petal);
        PutPixel(tile, spot[0] + 1, spot[1], petal);
        PutPixel(tile, spot[0], spot[1] - 1, petal);
        PutPixel(tile, spot[0], spot[1] + 1, Pal(PAL_GRASS_DARK));
        PutPixel(tile, spot[0], spot[1], Pal(PAL_GOLD_MID));
    }
}

void PaintTuft(PixelCanvas& tile, int x, int y) {
    PixelCanvas layer = MakeCanvas(TILE_ART, TILE_ART);
    DrawPixelMap(layer, x, y,
                 {"..l....l..", ".lm..l.m..", ".mm.lm.mm.", "lmm.mmmml.", "mmmmmmmmmm", ".mmdmmdmm."},
                 {{'l', Pal(PAL_GRASS_PALE)}, {'m', Pal(PAL_GRASS_LIGHT)}, {'d', Pal(PAL_GRASS_MID)}});
    GroundShadow(tile, x + 5, y + 6, 5, 1);
    Blit(tile, layer, 0, 0);
}

void PaintRock(PixelCanvas& tile) {
    GroundShadow(tile, 17, 22, 10, 3);
    PixelCanvas layer = MakeCanvas(TILE_ART, TILE_ART);
    FillPolygon(layer, {{7, 22}, {9, 13}, {15, 9}, {22, 10}, {26, 16}, {26, 22}}, Pal(PAL_STONE_MID));
    DrawLine(layer, 15, 12, 13, 17, Pal(PAL_STONE_DARK));
    DrawLine(layer, 20, 15, 23, 18, Pal(PAL_STONE_DARK));
    FillRect(layer, 10, 13, 3, 2, Pal(PAL_STONE_LIGHT));
    StandObject(tile, layer, {RAMP_STONE});
}

void PaintBush(PixelCanvas& tile) {
    GroundShadow(tile, 16, 25, 12, 3);
    PixelCanvas layer = MakeCanvas(TILE_ART, TILE_ART);
    FillCircle(layer, 11, 18, 7, Pal(PAL_GRASS_MID));
    FillCircle(layer, 20, 17, 8, Pal(PAL_GRASS_MID));
    FillCircle(layer, 16, 11, 7, Pal(PAL_GRASS_MID));
    for (int y = 4; y < 28; ++y) {
        for (int x = 3; x < 29; ++x) {
            if (IsOpaque(layer, x, y) && TileHash(x, y, 8) % 9 == 0)
                PutPixel(layer, x, y, Pal(PAL_GRASS_LIGHT));
        }
    }
    DitherShadow(layer, 14, 17, 16, 10, 8);
    PutPixel(layer, 10, 12, Pal(PAL_CLOTH_LIGHT));  // berries
    PutPixel(layer, 21, 14, Pal(PAL_CLOTH_LIGHT));
    PutPixel(layer, 15, 19, Pal(PAL_CLOTH_LIGHT));
    StandObject(tile, layer, {RAMP_GRASS});
}

void PaintStump(PixelCanvas& tile) {
    GroundShadow(tile, 17, 24, 10, 3);
    PixelCanvas layer = MakeCanvas(TILE_ART, TILE_ART);
    FillRect(layer, 9, 14, 14, 9, Pal(PAL_WOOD_MID));
    FillRect(layer, 7, 21, 3, 2, Pal(PAL_WOOD_MID));  // roots
    FillRect(layer, 22, 21, 3, 2, Pal(PAL_WOOD_MID));
    FillEllipse(layer, 15, 14, 6, 3, Pal(PAL_PARCH_DARK));
    FillEllipse(layer, 15, 14, 3, 1, Pal(PAL_WOOD_LIGHT));
    PutPixel(layer, 15, 14, Pal(PAL_PARCH_DARK));
    for (int y = 17; y < 22; y += 2)
        PutPixel(layer, 12 + y % 5, y, Pal(PAL_WOOD_DARK));
    StandObject(tile, layer, {RAMP_WOOD});
}

void PaintMushrooms(PixelCanvas& tile) {
    const int caps[][3] = {{10, 16, 4}, {20, 20, 3}, {15, 24, 2}};
    for (const auto& cap : caps)
        GroundShadow(tile, cap[0] + 1, cap[1] + cap[2] + 2, cap[2] + 1, 1);
    PixelCanvas layer = MakeCanvas(TILE_ART, TILE_ART);
    for (const auto& cap : caps) {
        FillRect(layer, cap[0] - 1, cap[1], 2, cap[2] + 2, Pal(PAL_PARCH_LIGHT));
        FillEllipse(layer, cap[0], cap[1], cap[2], cap[2] / 2 + 1, Pal(PAL_CLOTH_MID));
        PutPixel(layer, cap[0] - 1, cap[1] - 1, Pal(PAL_WHITE));
        PutPixel(layer, cap[0] + 1, cap[1], Pal(PAL_WHITE));
    }
    StandObject(tile, layer, {RAMP_CLOTH});
}

// Grounds are painted whole; the rock, bush, stump and mushrooms on nothing, so they stand on whatever
// ground the map lays under them (grass by day, the forest floor at night).
bool PaintRowZero(AtlasTile id, PixelCanvas& tile) {
    if (id < TILE_ROCK) PaintGround(tile, [](int x, int y) { return GrassAt(x, y); });
    switch (id) {
        case TILE_GRASS_1:
            return true;
        case TILE_GRASS_2:
            PaintGround(tile, [](int x, int y) { return GrassAt(x, y, 9); });
            return true;
        case TILE_GRASS_3:
            PaintGround(tile, [](int x, int y) { return GrassAt(x, y, 21); });
            return true;
        case TILE_GRASS_FLOWERS:
            PaintFlowers(tile);
            return true;
        case TILE_GRASS_TUFT:
            PaintTuft(tile, 11, 12);
            return true;
        case TILE_DARK_GRASS:
            PaintGround(tile, DarkGrassAt);
            return true;
        case TILE_FOREST_FLOOR_1:
            PaintGround(tile, [](int x, int y) { return ForestFloorAt(x, y); });
            return true;
        case TILE_FOREST_FLOOR_2:
            PaintGround(tile, [](int x, int y) { return ForestFloorAt(x, y, 12); });
            return true;
        case TILE_ROCK:
            PaintRock(tile);
            return true;
        case TILE_BUSH:
            PaintBush(tile);
            return true;
        case TILE_STUMP:
            PaintStump(tile);
            return true;
        case TILE_MUSHROOMS:
            PaintMushrooms(tile);
            return true;
        default:
            return false;
    }
}

sf::Color SandAt(int x, int y) {
    if (TileHash(x, y, 31) % 13 == 0) return Pal(PAL_PARCH_DARK);
    if (TileHash(x, y, 33) % 19 == 0) return Pal(PAL_PARCH_LIGHT);
    return Pal(PAL_PARCH_MID);
}

sf::Color CobbleAt(int x, int y) {
    const int row = WrapTile(y), column = WrapTile(x + (row / 6 % 2) * 4);
    const int u = column % 8, v = row % 6;
    if ((u == 0 && v == 0) || (u == 7 && v == 5) || (u == 0 && v == 5) || (u == 7 && v == 0) || u == 7 ||
        v == 5)
        return Pal(PAL_STONE_DARK);
    if (u == 0 || v == 0) return Pal(PAL_STONE_LIGHT);
    return TileHash(x, y, 37) % 11 == 0 ? Pal(PAL_STONE_DARK) : Pal(PAL_STONE_MID);
}

sf::Color MudAt(int x, int y) {
    const int u = WrapTile(x) - 16, v = WrapTile(y) - 18;
    if (u * u / 4 + v * v < 30)
        return (u + v) % 5 == 0 ? Pal(PAL_WATER_LIGHT) : Pal(PAL_WATER_DARK);  // a puddle
    if (u * u / 4 + v * v < 42) return Pal(PAL_WOOD_DARK);
    return TileHash(x, y, 41) % 7 == 0 ? Pal(PAL_WOOD_DARK) : Pal(PAL_WOOD_MID);
}

bool PaintGroundRowExtras(AtlasTile id, PixelCanvas& tile) {
    switch (id) {
        case TILE_SAND:
            PaintGround(tile, SandAt);
            return true;
        case TILE_STONE_FLOOR:
            PaintGround(tile, StoneFloorAt);
            return true;
        case TILE_COBBLE:
            PaintGround(tile, CobbleAt);
            return true;
        case TILE_MUD:
            PaintGround(tile, MudAt);
            return true;
        default:
            return false;
    }
}

}  // namespace

bool PaintGroundTile(AtlasTile id, PixelCanvas& tile) {
    if (id > TILE_MUSHROOMS) return false;
    return PaintGroundRowExtras(id, tile) || PaintRowZero(id, tile);
}

namespace {

EdgeShape EdgeOf(int index, int depth) {
    // The order of the enum after the centre: N, S, E, W, outer NE, NW, SE, SW, inner NE, NW, SE, SW.
    const unsigned sides[] = {EDGE_N,          EDGE_S,          EDGE_E,          EDGE_W,
                              EDGE_N | EDGE_E, EDGE_N | EDGE_W, EDGE_S | EDGE_E, EDGE_S | EDGE_W,
                              EDGE_N | EDGE_E, EDGE_N | EDGE_W, EDGE_S | EDGE_E, EDGE_S | EDGE_W};
    return EdgeShape{sides[index], index >= 8, depth};
}

// Grass beyond a path: the dirt darkens where it meets the turf and the turf casts a dark line onto it.
void PaintPathEdge(PixelCanvas& tile, const EdgeShape& shape) {
    auto inPath = [&](int x, int y) { return !IsOuterGround(shape, x, y, PATH_SEED); };
    for (int y = 0; y < TILE_ART; ++y) {
        for (int x = 0; x < TILE_ART; ++x) {
            const int distance = DistanceToOuter(shape, x, y, PATH_SEED, 2);
            if (distance == 0) {
                const bool touching =
                    inPath(x + 1, y) || inPath(x - 1, y) || inPath(x, y + 1) || inPath(x, y - 1);
                PutPixel(tile, x, y, touching ? Pal(PAL_GRASS_DARK) : GrassAt(x, y));
            } else {
                PutPixel(tile, x, y, distance == 1 ? Pal(PAL_WOOD_LIGHT) : PathAt(x, y));
            }
        }
    }
}

// Grass beyond water: a brown bank, the water darker in its shade and a thin line of foam.
void PaintShore(PixelCanvas& tile, const EdgeShape& shape) {
    auto inWater = [&](int x, int y) { return !IsOuterGround(shape, x, y, WATER_SEED); };
    for (int y = 0; y < TILE_ART; ++y) {
        for (int x = 0; x < TILE_ART; ++x) {
            const int distance = DistanceToOuter(shape, x, y, WATER_SEED, 3);
            if (distance == 0) {
                const bool touching =
                    inWater(x + 1, y) || inWater(x - 1, y) || inWater(x, y + 1) || inWater(x, y - 1);
                const bool near =
                    inWater(x + 2, y) || inWater(x - 2, y) || inWater(x, y + 2) || inWater(x, y - 2);
                PutPixel(tile, x, y,
                         touching ? Pal(PAL_WOOD_DARK)
                         : near   ? Pal(PAL_WOOD_MID)
                                  : GrassAt(x, y));
            } else if (distance == 1) {
                PutPixel(tile, x, y, Pal(PAL_WATER_DARK));
            } else if (distance == 2) {
                PutPixel(tile, x, y, DitherOn(x, y, 8) ? Pal(PAL_WATER_FOAM) : Pal(PAL_WATER_LIGHT));
            } else {
                PutPixel(tile, x, y, WaterAt(x, y));
            }
        }
    }
}

void PaintPebbles(PixelCanvas& tile) {
    PaintGround(tile, PathAt);
    const int stones[][2] = {{6, 7}, {19, 5}, {12, 18}, {25, 14}, {7, 26}, {22, 25}};
    for (const auto& stone : stones) {
        FillRect(tile, stone[0], stone[1], 3, 2, Pal(PAL_STONE_MID));
        PutPixel(tile, stone[0], stone[1], Pal(PAL_STONE_LIGHT));
        FillRect(tile, stone[0], stone[1] + 2, 3, 1, Pal(PAL_WOOD_LIGHT));
    }
}

// The signpost and the well stand on whatever ground the map lays under them (grass, path, cobbles).
void PaintSignpost(PixelCanvas& tile) {
    PixelCanvas layer = MakeCanvas(TILE_ART, TILE_ART);
    FillRect(layer, 15, 8, 3, 20, Pal(PAL_WOOD_MID));
    FillPolygon(layer, {{5, 7}, {23, 7}, {27, 10}, {23, 14}, {5, 14}}, Pal(PAL_WOOD_MID));
    FillRect(layer, 8, 9, 12, 1, Pal(PAL_WOOD_DARK));  // carved words
    FillRect(layer, 8, 11, 9, 1, Pal(PAL_WOOD_DARK));
    FillPolygon(layer, {{9, 16}, {22, 16}, {22, 21}, {9, 21}, {6, 18}}, Pal(PAL_WOOD_MID));
    FillRect(layer, 11, 18, 9, 1, Pal(PAL_WOOD_DARK));
    StandObject(tile, layer, {RAMP_WOOD});
}

void PaintWell(PixelCanvas& tile) {
    PixelCanvas layer = MakeCanvas(TILE_ART, TILE_ART);
    FillRect(layer, 6, 4, 2, 16, Pal(PAL_WOOD_MID));
    FillRect(layer, 24, 4, 2, 16, Pal(PAL_WOOD_MID));
    FillPolygon(layer, {{3, 6}, {16, 0}, {29, 6}}, Pal(PAL_CLOTH_MID));
    DrawLine(layer, 16, 6, 16, 12, Pal(PAL_PARCH_DARK));  // rope and bucket
    FillRect(layer, 14, 12, 5, 3, Pal(PAL_WOOD_LIGHT));
    FillEllipse(layer, 16, 19, 11, 4, Pal(PAL_STONE_MID));
    FillRect(layer, 5, 19, 23, 8, Pal(PAL_STONE_MID));
    FillEllipse(layer, 16, 19, 8, 2, Pal(PAL_NIGHT));
    for (int x = 6; x < 28; x += 4)
        DrawLine(layer, x, 23, x, 26, Pal(PAL_STONE_DARK));
    FillRect(layer, 5, 23, 23, 1, Pal(PAL_STONE_DARK));
    StandObject(tile, layer, {RAMP_STONE, RAMP_WOOD, RAMP_CLOTH});
}

void PaintWaterExtra(AtlasTile id, PixelCanvas& tile) {
    PaintGround(tile, WaterAt);
    PixelCanvas layer = MakeCanvas(TILE_ART, TILE_ART);
    if (id == TILE_WATER_LILY) {
        FillCircle(layer, 12, 14, 6, Pal(PAL_GRASS_MID));
        FillPolygon(layer, {{12, 14}, {19, 11}, {19, 15}}, sf::Color::Transparent);
        FillCircle(layer, 23, 23, 4, Pal(PAL_GRASS_MID));
        FillRect(layer, 9, 11, 3, 2, Pal(PAL_WHITE));  // a flower
        PutPixel(layer, 10, 11, Pal(PAL_CLOTH_LIGHT));
        StandObject(tile, layer, {RAMP_GRASS});
    } else if (id == TILE_WATER_ROCK) {
        FillEllipse(tile, 16, 21, 11, 3, Pal(PAL_WATER_FOAM));
        FillPolygon(layer, {{7, 21}, {10, 12}, {16, 9}, {23, 12}, {25, 21}}, Pal(PAL_STONE_MID));
        FillRect(layer, 11, 13, 3, 2, Pal(PAL_STONE_LIGHT));
        DrawLine(layer, 17, 12, 15, 18, Pal(PAL_STONE_DARK));
        StandObject(tile, layer, {RAMP_STONE});
    } else {
        for (int stem = 0; stem < 7; ++stem) {
            const int x = 5 + stem * 3 + (stem % 2), top = 4 + (stem * 5) % 9;
            DrawLine(layer, x, 26, x + (stem % 3) - 1, top, Pal(PAL_GRASS_LIGHT));
            if (stem % 2 == 0)
                FillRect(layer, x + (stem % 3) - 1, top, 2, 4, Pal(PAL_WOOD_MID));  // cattail heads
        }
        FillEllipse(tile, 16, 26, 13, 2, Pal(PAL_WATER_DARK));
        StandObject(tile, layer, {RAMP_GRASS, RAMP_WOOD});
    }
}

}  // namespace

bool PaintPathOrWaterTile(AtlasTile id, PixelCanvas& tile) {
    if (id == TILE_PATH) {
        PaintGround(tile, PathAt);
    } else if (id > TILE_PATH && id <= TILE_PATH_INNER_SW) {
        PaintPathEdge(tile, EdgeOf(id - TILE_PATH_N, 8));
    } else if (id == TILE_PATH_PEBBLES) {
        PaintPebbles(tile);
    } else if (id == TILE_SIGNPOST) {
        PaintSignpost(tile);
    } else if (id == TILE_WELL) {
        PaintWell(tile);
    } else if (id == TILE_WATER) {
        PaintGround(tile, WaterAt);
    } else if (id > TILE_WATER && id <= TILE_WATER_INNER_SW) {
        PaintShore(tile, EdgeOf(id - TILE_WATER_N, 9));
    } else if (id >= TILE_WATER_LILY && id <= TILE_REEDS) {
        PaintWaterExtra(id, tile);
    } else {
        return false;
    }
    return true;
}
