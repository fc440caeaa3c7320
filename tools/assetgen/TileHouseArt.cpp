// Rows 4 and 5 of the atlas: timber-framed plaster walls seen from the south, and the roofs above them.
// Roof tiles are drawn over the hero, so what lies beyond a roof's outline stays transparent.

#include "WorldTiles.h"

namespace {

// Plaster between timbers, a stone footing, and the eaves' shadow along the top.
sf::Color WallAt(int x, int y) {
    const int column = WrapTile(x);
    if (y >= 26)
        return (y == 26 || (column + (y / 3) * 4) % 8 == 0) ? Pal(PAL_STONE_DARK) : Pal(PAL_STONE_MID);
    if (y < 3) return DitherOn(x, y, 12 - y * 4) ? Pal(PAL_WOOD_DARK) : Pal(PAL_PARCH_DARK);
    if (y == 3 || y == 4 || y == 14) return y == 4 ? Pal(PAL_WOOD_DARK) : Pal(PAL_WOOD_MID);
    if (column == 15 || column == 16) return column == 15 ? Pal(PAL_WOOD_MID) : Pal(PAL_WOOD_DARK);
    if (TileHash(x, y, 51) % 19 == 0) return Pal(PAL_PARCH_DARK);
    return Pal(PAL_PARCH_MID);
}

void PaintCornerPost(PixelCanvas& tile, bool left) {
    const int x = left ? 0 : TILE_ART - 4;
    FillRect(tile, x, 3, 4, 23, Pal(PAL_WOOD_MID));
    FillRect(tile, left ? x : x + 3, 3, 1, 23, Pal(left ? PAL_WOOD_LIGHT : PAL_WOOD_DARK));
    FillRect(tile, left ? x + 3 : x, 3, 1, 23, Pal(PAL_OUTLINE));
}

void PaintWindow(PixelCanvas& tile) {
    FillRect(tile, 7, 6, 18, 15, Pal(PAL_OUTLINE));
    FillRect(tile, 8, 7, 16, 13, Pal(PAL_GOLD_LIGHT));  // lamplight inside
    FillRect(tile, 8, 7, 16, 3, Pal(PAL_GOLD_MID));
    FillRect(tile, 15, 7, 2, 13, Pal(PAL_WOOD_DARK));
    FillRect(tile, 8, 13, 16, 1, Pal(PAL_WOOD_DARK));
    PutPixel(tile, 10, 11, Pal(PAL_WHITE));
    FillRect(tile, 3, 6, 4, 15, Pal(PAL_GRASS_MID));  // shutters
    FillRect(tile, 25, 6, 4, 15, Pal(PAL_GRASS_MID));
    for (int x : {3, 25}) {
        StrokeRect(tile, x, 6, 4, 15, Pal(PAL_OUTLINE));
        FillRect(tile, x + 1, 13, 2, 1, Pal(PAL_GRASS_DARK));
    }
    FillRect(tile, 6, 21, 20, 2, Pal(PAL_WOOD_LIGHT));  // sill
    FillRect(tile, 6, 23, 20, 1, Pal(PAL_OUTLINE));
}

void PaintDoor(PixelCanvas& tile) {
    FillRect(tile, 7, 5, 18, 27, Pal(PAL_OUTLINE));
    FillRect(tile, 8, 6, 16, 26, Pal(PAL_WOOD_MID));
    FillEllipse(tile, 15, 8, 7, 3, Pal(PAL_WOOD_MID));
    for (int x = 11; x < 24; x += 4)
        FillRect(tile, x, 5, 1, 27, Pal(PAL_WOOD_DARK));
    FillRect(tile, 8, 6, 1, 26, Pal(PAL_WOOD_LIGHT));
    FillRect(tile, 8, 12, 16, 2, Pal(PAL_STONE_DARK));  // iron bands
    FillRect(tile, 8, 24, 16, 2, Pal(PAL_STONE_DARK));
    FillRect(tile, 20, 18, 2, 2, Pal(PAL_GOLD_LIGHT));
}

void PaintChimney(PixelCanvas& tile);

}  // namespace

bool PaintHouseTile(AtlasTile id, PixelCanvas& tile) {
    if (id < TILE_WALL_LEFT || id > TILE_CHIMNEY) return false;
    if (id == TILE_CHIMNEY) {
        PaintChimney(tile);
        return true;
    }
    PaintGround(tile, id == TILE_WALL_STONE_BASE ? GroundFunction(StoneFloorAt) : GroundFunction(WallAt));
    if (id == TILE_WALL_STONE_BASE) {
        DitherShadow(tile, 0, 0, TILE_ART, 3, 10);
        return true;
    }
    if (id == TILE_WALL_LEFT) PaintCornerPost(tile, true);
    if (id == TILE_WALL_RIGHT) PaintCornerPost(tile, false);
    if (id == TILE_WALL_WINDOW) PaintWindow(tile);
    if (id == TILE_WALL_DOOR) PaintDoor(tile);
    return true;
}

namespace {

enum RoofRow { ROW_EAVE, ROW_MID, ROW_RIDGE };
enum RoofSide { SIDE_LEFT, SIDE_MIDDLE, SIDE_RIGHT };

// Clay tiles in overlapping courses, each course's joints shifted by half a tile.
sf::Color ClayAt(int x, int y) {
    const int row = WrapTile(y), course = row / 4, column = WrapTile(x + (course % 2) * 3);
    if (row % 4 == 3) return Pal(PAL_CLOTH_DARK);
    if (column % 6 == 5) return Pal(PAL_CLOTH_DARK);
    if (row % 4 == 0 && column % 6 < 3) return Pal(PAL_CLOTH_LIGHT);
    return Pal(PAL_CLOTH_MID);
}

sf::Color ThatchAt(int x, int y) {
    const int row = WrapTile(y), column = WrapTile(x);
    if (row % 8 == 7 && (column + row) % 3 != 0) return Pal(PAL_GOLD_DARK);
    const std::uint32_t h = TileHash(x, y / 3, 61);
    if (h % 5 == 0) return Pal(PAL_GOLD_DARK);
    if (h % 7 == 0) return Pal(PAL_GOLD_LIGHT);
    return Pal(PAL_GOLD_MID);
}

sf::Color ShingleAt(int x, int y) {
    const int row = WrapTile(y), course = row / 6, column = WrapTile(x + (course % 2) * 4);
    if (row % 6 == 5 || column % 8 == 7) return Pal(PAL_WOOD_DARK);
    if (row % 6 == 0) return Pal(PAL_WOOD_LIGHT);
    return TileHash(x, y, 67) % 11 == 0 ? Pal(PAL_WOOD_DARK) : Pal(PAL_WOOD_MID);
}

// The roof's outline cut into the tile: the gable verges at the sides, a ridge cap on top, eaves below.
void ShapeRoof(PixelCanvas& tile, bool ridge, bool eave, RoofSide side, Ramp ramp) {
    const sf::Color clear = sf::Color::Transparent;
    if (ridge) {
        FillRect(tile, 0, 0, TILE_ART, 8, clear);
        FillRect(tile, 0, 8, TILE_ART, 5, Pal(ramp.dark));
        FillRect(tile, 0, 8, TILE_ART, 2, Pal(ramp.light));
        for (int x = 3; x < TILE_ART; x += 8)
            FillRect(tile, x, 8, 1, 5, Pal(PAL_OUTLINE));
        FillRect(tile, 0, 7, TILE_ART, 1, Pal(PAL_OUTLINE));
        FillRect(tile, 0, 13, TILE_ART, 1, Pal(PAL_OUTLINE));
    }
    if (eave) {
        DitherShadow(tile, 0, 20, TILE_ART, 8, 6);
        FillRect(tile, 0, 28, TILE_ART, 2, Pal(PAL_WOOD_MID));
        FillRect(tile, 0, 28, TILE_ART, 1, Pal(PAL_WOOD_LIGHT));
        FillRect(tile, 0, 30, TILE_ART, 2, Pal(PAL_OUTLINE));
    }
    if (side == SIDE_MIDDLE) return;
    const int top = ridge ? 7 : 0, bottom = eave ? 30 : TILE_ART;
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < 3; ++x)
            PutPixel(tile, x, y, clear);
        PutPixel(tile, 3, y, Pal(PAL_OUTLINE));
        PutPixel(tile, 4, y, Pal(PAL_WOOD_LIGHT));
        PutPixel(tile, 5, y, Pal(PAL_WOOD_MID));
        PutPixel(tile, 6, y, Pal(PAL_OUTLINE));
    }
    if (side == SIDE_RIGHT) FlipHorizontal(tile);
}

// Thatch is one thick rounded bundle: combed straw with a heavy scalloped fringe at the eave.
void ShapeThatch(PixelCanvas& tile, RoofSide side) {
    for (int x = 0; x < TILE_ART; ++x) {
        const int fringe = 26 + ((x % 8) < 4 ? (x % 4 == 0 || x % 4 == 3 ? 1 : 2) : 1);
        FillRect(tile, x, fringe, 1, TILE_ART - fringe, sf::Color::Transparent);
        PutPixel(tile, x, fringe, Pal(PAL_OUTLINE));
        PutPixel(tile, x, fringe - 1, Pal(PAL_GOLD_DARK));
    }
    if (side == SIDE_MIDDLE) return;
    for (int y = 0; y < TILE_ART; ++y) {
        const int dy = y - 8, cut = dy > 0 ? (dy * dy) / 60 : 0;
        for (int x = 0; x < cut + 1; ++x)
            PutPixel(tile, x, y, sf::Color::Transparent);
        if (IsOpaque(tile, cut + 1, y)) PutPixel(tile, cut + 1, y, Pal(PAL_OUTLINE));
    }
    if (side == SIDE_RIGHT) FlipHorizontal(tile);
}

void PaintChimney(PixelCanvas& tile) {
    PaintGround(tile, ClayAt);
    PixelCanvas layer = MakeCanvas(TILE_ART, TILE_ART);
    FillRect(layer, 10, 4, 12, 24, Pal(PAL_STONE_MID));
    for (int y = 8; y < 28; y += 4)
        FillRect(layer, 10, y, 12, 1, Pal(PAL_STONE_DARK));
    for (int y = 8; y < 28; y += 8)
        PutPixel(layer, 15, y + 2, Pal(PAL_STONE_DARK));
    FillRect(layer, 9, 2, 14, 3, Pal(PAL_STONE_MID));
    FillRect(layer, 11, 2, 10, 2, Pal(PAL_OUTLINE));  // the flue
    StandObject(tile, layer, {RAMP_STONE});
    GroundShadow(tile, 24, 20, 2, 7);
}

void PaintDoorFrameTop(PixelCanvas& tile) {
    FillRect(tile, 5, 0, 22, 8, Pal(PAL_WOOD_MID));
    FillRect(tile, 5, 0, 22, 1, Pal(PAL_WOOD_LIGHT));
    FillRect(tile, 5, 7, 22, 1, Pal(PAL_WOOD_DARK));
    FillRect(tile, 5, 8, 3, 24, Pal(PAL_WOOD_MID));
    FillRect(tile, 24, 8, 3, 24, Pal(PAL_WOOD_MID));
    FillRect(tile, 5, 8, 1, 24, Pal(PAL_WOOD_LIGHT));
    OutlineOpaque(tile, Pal(PAL_OUTLINE));
    FillRect(tile, 14, 2, 4, 3, Pal(PAL_GOLD_MID));  // a carved charm over the door
}

// Leaves in overlapping round clusters, lit from the top-left; repeats every tile.
sf::Color LeavesAt(int x, int y) {
    sf::Color colour = Pal(PAL_FOREST_DEEP);
    for (int cy = -1; cy <= 4; ++cy) {
        for (int cx = -1; cx <= 4; ++cx) {
            const int centreX =
                cx * 8 + (cy % 2 != 0 ? 4 : 0) + static_cast<int>(TileHash(cx * 8, cy * 8, 71) % 3);
            const int centreY = cy * 8 + static_cast<int>(TileHash(cx * 8, cy * 8, 73) % 3);
            int u = WrapTile(x) - centreX, v = WrapTile(y) - centreY;
            if (u > 16) u -= TILE_ART;
            if (u < -16) u += TILE_ART;
            if (v > 16) v -= TILE_ART;
            if (v < -16) v += TILE_ART;
            if (u * u + v * v > 30) continue;
            colour = u + v < -4 ? Pal(PAL_GRASS_LIGHT) : u + v > 4 ? Pal(PAL_GRASS_DARK) : Pal(PAL_GRASS_MID);
            if (u * u + v * v > 24 && u + v > 0) colour = Pal(PAL_FOREST_DEEP);
        }
    }
    return colour;
}

void PaintCanopyEdge(PixelCanvas& tile) {
    PaintGround(tile, LeavesAt);
    for (int x = 0; x < TILE_ART; ++x) {
        const int u = WrapTile(x) % 8 - 4, edge = 18 + (16 - u * u) / 3;
        FillRect(tile, x, edge, 1, TILE_ART - edge, sf::Color::Transparent);
        PutPixel(tile, x, edge - 1, Pal(PAL_OUTLINE));
        PutPixel(tile, x, edge - 2, Pal(PAL_FOREST_DEEP));
    }
}

void PaintPineTop(PixelCanvas& tile) {
    PixelCanvas layer = MakeCanvas(TILE_ART, TILE_ART);
    for (int tier = 0; tier < 3; ++tier) {
        const int bottom = 12 + tier * 10, half = 5 + tier * 4;
        FillPolygon(layer, {{16 - half, bottom}, {16, bottom - 13}, {17, bottom - 13}, {17 + half, bottom}},
                    Pal(PAL_GRASS_DARK));
    }
    ShadeFromTopLeft(layer, Ramp{PAL_FOREST_DEEP, PAL_GRASS_DARK, PAL_GRASS_MID});
    OutlineOpaque(layer, Pal(PAL_OUTLINE));
    Blit(tile, layer, 0, 0);
}

}  // namespace

bool PaintRoofTile(AtlasTile id, PixelCanvas& tile) {
    if (id < TILE_ROOF_EAVE_L || id > TILE_PINE_TOP) return false;
    if (id <= TILE_ROOF_RIDGE_R) {
        const int index = id - TILE_ROOF_EAVE_L;
        PaintGround(tile, ClayAt);
        ShapeRoof(tile, index / 3 == ROW_RIDGE, index / 3 == ROW_EAVE, static_cast<RoofSide>(index % 3),
                  RAMP_CLOTH);
    } else if (id <= TILE_ROOF_THATCH_R) {
        PaintGround(tile, ThatchAt);
        ShapeThatch(tile, static_cast<RoofSide>(id - TILE_ROOF_THATCH_L));
    } else if (id == TILE_DOOR_FRAME_TOP) {
        PaintDoorFrameTop(tile);
    } else if (id == TILE_TREE_CANOPY) {
        PaintGround(tile, LeavesAt);
    } else if (id == TILE_TREE_CANOPY_EDGE) {
        PaintCanopyEdge(tile);
    } else {
        PaintPineTop(tile);
    }
    return true;
}

// The log cabin's roof uses the same outline as the village roofs, in wooden shingles.
void PaintCabinRoof(PixelCanvas& tile, int side) {
    PaintGround(tile, ShingleAt);
    ShapeRoof(tile, true, true, static_cast<RoofSide>(side), RAMP_WOOD);
}
