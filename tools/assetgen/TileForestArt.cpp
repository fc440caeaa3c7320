// Row 6 of the atlas: the dark forest and the companion's log cabin. Forest props are drawn on nothing,
// so they stand on whatever ground the map lays under them: the forest floor, grass by the bridge, water.

#include "WorldTiles.h"

namespace {

PixelCanvas Layer() {
    return MakeCanvas(TILE_ART, TILE_ART);
}

// Crowded pine tops seen from above and the south: rows of dark cones, each shaded from the top-left.
sf::Color ForestWallAt(int x, int y) {
    sf::Color colour = Pal(PAL_NIGHT);
    for (int row = -1; row <= 4; ++row) {
        for (int cone = -1; cone <= 4; ++cone) {
            const int apexX = cone * 8 + (row % 2 != 0 ? 4 : 0), apexY = row * 8 - 6;
            int u = WrapTile(x) - apexX, v = WrapTile(y) - apexY;
            if (u > 16) u -= TILE_ART;
            if (u < -16) u += TILE_ART;
            if (v > 20) v -= TILE_ART;
            if (v < -12) v += TILE_ART;
            if (v < 0 || v > 13 || u * 2 > v + 1 || -u * 2 > v + 1) continue;
            const bool edge = u * 2 >= v || -u * 2 >= v || v == 13;
            colour = edge ? Pal(PAL_OUTLINE) : u < 0 ? Pal(PAL_GRASS_DARK) : Pal(PAL_FOREST_DEEP);
            if (!edge && u < 0 && (v % 4) == 1) colour = Pal(PAL_GRASS_MID);
        }
    }
    return colour;
}

void PaintPineTrunk(PixelCanvas& tile) {
    PixelCanvas layer = Layer();
    FillRect(layer, 13, 8, 6, 20, Pal(PAL_WOOD_MID));
    FillRect(layer, 10, 26, 3, 2, Pal(PAL_WOOD_MID));
    FillRect(layer, 19, 26, 4, 2, Pal(PAL_WOOD_MID));
    for (int y = 12; y < 26; y += 5)
        PutPixel(layer, 15, y, Pal(PAL_WOOD_DARK));
    StandObject(tile, layer, {RAMP_WOOD});
    PixelCanvas boughs = Layer();
    FillPolygon(boughs, {{1, 14}, {16, 0}, {17, 0}, {31, 14}}, Pal(PAL_GRASS_DARK));
    FillRect(boughs, 0, 0, TILE_ART, 1, Pal(PAL_GRASS_DARK));
    FillPolygon(boughs, {{1, 0}, {31, 0}, {31, 14}, {1, 14}}, Pal(PAL_GRASS_DARK));
    for (int x = 1; x < 31; ++x) {
        const int drop = 13 + (x % 6 < 3 ? 1 : 0);
        FillRect(boughs, x, drop, 1, 1, Pal(PAL_GRASS_DARK));
    }
    ShadeFromTopLeft(boughs, Ramp{PAL_FOREST_DEEP, PAL_GRASS_DARK, PAL_GRASS_MID});
    FillRect(boughs, 0, 0, TILE_ART, 1, Pal(PAL_GRASS_DARK));
    OutlineOpaque(boughs, Pal(PAL_OUTLINE));
    FillRect(boughs, 1, 0, 30, 1, Pal(PAL_GRASS_DARK));
    Blit(tile, boughs, 0, 0);
}

void PaintRootsOrLog(AtlasTile id, PixelCanvas& tile) {
    PixelCanvas layer = Layer();
    if (id == TILE_ROOTS) {
        const int roots[][4] = {
            {2, 8, 14, 14}, {14, 14, 28, 6}, {14, 14, 20, 29}, {4, 26, 14, 16}, {22, 20, 30, 24}};
        for (const auto& root : roots) {
            DrawLine(layer, root[0], root[1], root[2], root[3], Pal(PAL_WOOD_MID));
            DrawLine(layer, root[0], root[1] + 1, root[2], root[3] + 1, Pal(PAL_WOOD_MID));
        }
        StandObject(tile, layer, {RAMP_WOOD});
    } else {
        FillRect(layer, 3, 13, 24, 9, Pal(PAL_WOOD_MID));
        FillEllipse(layer, 27, 17, 3, 4, Pal(PAL_PARCH_DARK));
        FillEllipse(layer, 27, 17, 1, 2, Pal(PAL_WOOD_LIGHT));
        for (int x = 5; x < 24; x += 6)
            DrawLine(layer, x, 16, x + 3, 16, Pal(PAL_WOOD_DARK));
        FillRect(layer, 8, 12, 5, 2, Pal(PAL_GRASS_MID));  // moss
        StandObject(tile, layer, {RAMP_WOOD});
    }
}

void PaintFern(PixelCanvas& tile) {
    PixelCanvas layer = Layer();
    const int fronds[][2] = {{3, 14}, {8, 6}, {16, 3}, {24, 6}, {29, 14}, {6, 22}, {26, 22}};
    for (const auto& frond : fronds) {
        DrawLine(layer, 16, 24, frond[0], frond[1], Pal(PAL_GRASS_MID));
        DrawLine(layer, 16, 23, frond[0] + (frond[0] < 16 ? 1 : -1), frond[1] + 1, Pal(PAL_GRASS_MID));
    }
    ShadeFromTopLeft(layer, RAMP_GRASS);
    Blit(tile, layer, 0, 0);
}

sf::Color LogWallAt(int x, int y) {
    const int row = WrapTile(y) % 8;
    if (row == 7) return Pal(PAL_OUTLINE);
    if (row == 0) return Pal(PAL_WOOD_LIGHT);
    if (row == 6 || row == 5) return Pal(PAL_WOOD_DARK);
    return TileHash(x / 3, y, 81) % 7 == 0 ? Pal(PAL_WOOD_DARK) : Pal(PAL_WOOD_MID);
}

void PaintCabin(AtlasTile id, PixelCanvas& tile) {
    PaintGround(tile, LogWallAt);
    if (id == TILE_CABIN_WALL_L || id == TILE_CABIN_WALL_R) {
        for (int y = 0; y < TILE_ART; y += 8) {
            FillEllipse(tile, 3, y + 3, 3, 3, Pal(PAL_PARCH_DARK));  // log ends at the corner
            FillEllipse(tile, 3, y + 3, 1, 1, Pal(PAL_WOOD_LIGHT));
            PutPixel(tile, 6, y + 3, Pal(PAL_OUTLINE));
        }
        if (id == TILE_CABIN_WALL_R) FlipHorizontal(tile);
    } else if (id == TILE_CABIN_DOOR) {
        FillRect(tile, 7, 4, 18, 28, Pal(PAL_OUTLINE));
        FillRect(tile, 8, 5, 16, 27, Pal(PAL_WOOD_DARK));
        for (int x = 12; x < 24; x += 4)
            FillRect(tile, x, 5, 1, 27, Pal(PAL_OUTLINE));
        FillRect(tile, 8, 5, 16, 1, Pal(PAL_WOOD_MID));
        FillRect(tile, 20, 18, 2, 2, Pal(PAL_GOLD_MID));
        FillRect(tile, 13, 9, 6, 4, Pal(PAL_GOLD_LIGHT));  // a lit peephole
    } else if (id == TILE_CABIN_WALL_M) {
        FillRect(tile, 10, 8, 12, 10, Pal(PAL_OUTLINE));
        FillRect(tile, 11, 9, 10, 8, Pal(PAL_GOLD_LIGHT));
        FillRect(tile, 15, 9, 2, 8, Pal(PAL_WOOD_DARK));
        FillRect(tile, 9, 18, 14, 2, Pal(PAL_WOOD_LIGHT));
    }
}

void PaintStoneProp(AtlasTile id, PixelCanvas& tile) {
    PixelCanvas layer = Layer();
    if (id == TILE_LAKE_STONE) {
        FillPolygon(layer, {{7, 27}, {8, 9}, {13, 3}, {20, 4}, {25, 11}, {25, 27}}, Pal(PAL_STONE_MID));
        FillRect(layer, 9, 5, 8, 3, Pal(PAL_GRASS_MID));      // moss on top
        DrawLine(layer, 16, 11, 13, 20, Pal(PAL_SKY_LIGHT));  // an old rune, faintly blue
        DrawLine(layer, 13, 14, 19, 15, Pal(PAL_SKY_LIGHT));
        StandObject(tile, layer, {RAMP_STONE, RAMP_GRASS});
    } else if (id == TILE_GRAVE) {
        FillRect(layer, 10, 9, 12, 18, Pal(PAL_STONE_MID));
        FillEllipse(layer, 15, 9, 5, 4, Pal(PAL_STONE_MID));
        FillRect(layer, 15, 9, 2, 9, Pal(PAL_STONE_DARK));
        FillRect(layer, 12, 12, 8, 2, Pal(PAL_STONE_DARK));
        FillRect(layer, 8, 26, 16, 2, Pal(PAL_WOOD_DARK));
        StandObject(tile, layer, {RAMP_STONE});
    } else if (id == TILE_SKULL_POST) {
        FillRect(layer, 15, 10, 3, 20, Pal(PAL_WOOD_MID));
        FillEllipse(layer, 16, 7, 4, 4, Pal(PAL_PARCH_LIGHT));
        FillRect(layer, 14, 10, 5, 3, Pal(PAL_PARCH_LIGHT));
        FillRect(layer, 14, 6, 2, 2, Pal(PAL_OUTLINE));
        FillRect(layer, 17, 6, 2, 2, Pal(PAL_OUTLINE));
        DrawLine(layer, 10, 17, 22, 15, Pal(PAL_PARCH_DARK));  // a tattered rag
        StandObject(tile, layer, {RAMP_WOOD, RAMP_PARCH});
    } else {
        PaintGround(tile, [](int x, int y) {
            const int band = WrapTile(y + (WrapTile(x) / 8) * 3) % 8;
            if (band == 7) return Pal(PAL_STONE_DARK);
            if (band == 0) return Pal(PAL_STONE_LIGHT);
            return TileHash(x, y, 91) % 13 == 0 ? Pal(PAL_NIGHT) : Pal(PAL_STONE_MID);
        });
        for (int y = 0; y < 3; ++y)
            FillRect(tile, 0, y, TILE_ART, 1, y < 2 ? Pal(PAL_GRASS_DARK) : Pal(PAL_OUTLINE));
    }
}

}  // namespace

bool PaintForestTile(AtlasTile id, PixelCanvas& tile) {
    if (id < TILE_FOREST_WALL || id > TILE_CLIFF) return false;
    if (id == TILE_FOREST_WALL) {
        PaintGround(tile, ForestWallAt);
    } else if (id == TILE_PINE_TRUNK) {
        PaintPineTrunk(tile);
    } else if (id == TILE_ROOTS || id == TILE_FALLEN_LOG) {
        PaintRootsOrLog(id, tile);
    } else if (id == TILE_FERN) {
        PaintFern(tile);
    } else if (id >= TILE_CABIN_WALL_L && id <= TILE_CABIN_DOOR) {
        PaintCabin(id, tile);
    } else if (id >= TILE_CABIN_ROOF_L && id <= TILE_CABIN_ROOF_R) {
        PaintCabinRoof(tile, id - TILE_CABIN_ROOF_L);
    } else {
        PaintStoneProp(id, tile);
    }
    return true;
}
