// Rows 7 and 8 of the atlas: the inside of the houses seen from the south (floors, the back wall's face
// and the tops of the side and front walls) and the furniture, which stands on the wooden floor.

#include "WorldTiles.h"

namespace {

sf::Color FloorAt(int x, int y) {
    return WoodFloorAt(x, y, 0);
}

// The top of a wall seen from above: a dark beam with a lit edge, the same on every side of the room.
sf::Color WallTopAt(int x, int y) {
    if (TileHash(x, y, 101) % 23 == 0) return Pal(PAL_WOOD_MID);
    return (WrapTile(x) + WrapTile(y)) % 16 == 0 ? Pal(PAL_OUTLINE) : Pal(PAL_WOOD_DARK);
}

// The back wall's face: plaster above, a wainscot of boards below, a skirting on the floor line.
sf::Color InnerWallAt(int x, int y) {
    if (y < 2) return Pal(PAL_OUTLINE);
    if (y < 4) return Pal(PAL_STONE_DARK);
    if (y < 17) return TileHash(x, y, 103) % 17 == 0 ? Pal(PAL_PARCH_DARK) : Pal(PAL_PARCH_MID);
    if (y == 17) return Pal(PAL_WOOD_LIGHT);
    if (y == 18) return Pal(PAL_WOOD_DARK);
    if (y >= 29) return y == 29 ? Pal(PAL_WOOD_LIGHT) : Pal(PAL_OUTLINE);
    return WrapTile(x) % 6 == 5 ? Pal(PAL_WOOD_DARK) : Pal(PAL_WOOD_MID);
}

void PaintWallTopBand(PixelCanvas& tile, int x, int y, int width, int height) {
    for (int row = y; row < y + height; ++row) {
        for (int column = x; column < x + width; ++column)
            PutPixel(tile, column, row, WallTopAt(column, row));
    }
}

void PaintInnerWindow(PixelCanvas& tile) {
    FillRect(tile, 8, 5, 16, 12, Pal(PAL_OUTLINE));
    FillRect(tile, 9, 6, 14, 10, Pal(PAL_SKY_LIGHT));
    FillRect(tile, 9, 12, 14, 4, Pal(PAL_GRASS_LIGHT));
    FillRect(tile, 15, 6, 2, 10, Pal(PAL_WOOD_MID));
    FillRect(tile, 9, 10, 14, 1, Pal(PAL_WOOD_MID));
    PutPixel(tile, 11, 7, Pal(PAL_WHITE));
    FillRect(tile, 7, 16, 18, 2, Pal(PAL_WOOD_LIGHT));
}

void PaintShelf(PixelCanvas& tile) {
    FillRect(tile, 4, 13, 24, 2, Pal(PAL_WOOD_LIGHT));
    FillRect(tile, 4, 15, 24, 1, Pal(PAL_OUTLINE));
    const PaletteIndex jars[] = {PAL_CLOTH_MID, PAL_WATER_MID, PAL_GOLD_MID, PAL_GRASS_MID};
    for (int i = 0; i < 4; ++i) {
        const int x = 6 + i * 6;
        FillRect(tile, x, 8 + i % 2, 4, 5 - i % 2, Pal(jars[i]));
        FillRect(tile, x + 1, 7 + i % 2, 2, 1, Pal(PAL_WOOD_MID));
        PutPixel(tile, x, 9 + i % 2, Pal(PAL_WHITE));
        StrokeRect(tile, x - 1, 7 + i % 2, 6, 7 - i % 2, Pal(PAL_OUTLINE));
    }
}

void PaintRug(AtlasTile id, PixelCanvas& tile) {
    PaintGround(tile, FloorAt);
    FillRect(tile, 0, 4, TILE_ART, 24, Pal(PAL_CLOTH_MID));
    FillRect(tile, 0, 4, TILE_ART, 1, Pal(PAL_OUTLINE));
    FillRect(tile, 0, 27, TILE_ART, 1, Pal(PAL_OUTLINE));
    FillRect(tile, 0, 6, TILE_ART, 1, Pal(PAL_GOLD_MID));
    FillRect(tile, 0, 25, TILE_ART, 1, Pal(PAL_GOLD_MID));
    for (int x = 0; x < TILE_ART; ++x) {
        const int u = WrapTile(x) % 8;
        PutPixel(tile, x, 12 + (u < 4 ? u : 8 - u), Pal(PAL_CLOTH_LIGHT));
        PutPixel(tile, x, 19 - (u < 4 ? u : 8 - u), Pal(PAL_CLOTH_LIGHT));
    }
    if (id == TILE_RUG_M) return;
    FillRect(tile, 0, 4, 4, 24, Pal(PAL_FOREST_DEEP));
    FillRect(tile, 0, 5, 4, 22, FloorAt(0, 5));
    for (int y = 5; y < 27; y += 2)
        FillRect(tile, 0, y, 3, 1, Pal(PAL_PARCH_LIGHT));  // fringe
    FillRect(tile, 3, 4, 1, 24, Pal(PAL_OUTLINE));
    FillRect(tile, 4, 6, 1, 20, Pal(PAL_GOLD_MID));
    if (id == TILE_RUG_R) FlipHorizontal(tile);
}

}  // namespace

bool PaintInteriorTile(AtlasTile id, PixelCanvas& tile) {
    if (id < TILE_FLOOR_WOOD_1 || id > TILE_WALL_CRACK) return false;
    switch (id) {
        case TILE_FLOOR_WOOD_1:
            PaintGround(tile, FloorAt);
            break;
        case TILE_FLOOR_WOOD_2:
            PaintGround(tile, [](int x, int y) { return WoodFloorAt(x, y, 7); });
            break;
        case TILE_FLOOR_STONE:
            PaintGround(tile, StoneFloorAt);
            break;
        case TILE_INNER_WALL_TOP:
            PaintGround(tile, WallTopAt);
            FillRect(tile, 0, 29, TILE_ART, 3, Pal(PAL_OUTLINE));
            break;
        case TILE_RUG_L:
        case TILE_RUG_M:
        case TILE_RUG_R:
            PaintRug(id, tile);
            break;
        case TILE_INNER_WALL_LEFT:
        case TILE_INNER_WALL_RIGHT:
            PaintGround(tile, FloorAt);
            PaintWallTopBand(tile, 0, 0, 9, TILE_ART);
            FillRect(tile, 9, 0, 1, TILE_ART, Pal(PAL_OUTLINE));
            DitherShadow(tile, 10, 0, 4, TILE_ART, 8);
            if (id == TILE_INNER_WALL_RIGHT) FlipHorizontal(tile);
            break;
        case TILE_INNER_WALL_BOTTOM:
            PaintGround(tile, FloorAt);
            PaintWallTopBand(tile, 0, 22, TILE_ART, 10);
            FillRect(tile, 0, 21, TILE_ART, 1, Pal(PAL_OUTLINE));
            FillRect(tile, 0, 22, TILE_ART, 1, Pal(PAL_WOOD_MID));
            break;
        case TILE_DOORWAY:
            PaintGround(tile, FloorAt);
            PaintWallTopBand(tile, 0, 22, 5, 10);
            PaintWallTopBand(tile, 27, 22, 5, 10);
            FillRect(tile, 5, 22, 22, 10, Pal(PAL_PARCH_DARK));  // daylight through the open door
            FillRect(tile, 5, 22, 22, 2, Pal(PAL_STONE_MID));
            FillRect(tile, 7, 26, 18, 4, Pal(PAL_GRASS_LIGHT));
            FillRect(tile, 4, 21, 1, 11, Pal(PAL_OUTLINE));
            FillRect(tile, 27, 21, 1, 11, Pal(PAL_OUTLINE));
            break;
        default:
            PaintGround(tile, InnerWallAt);
            if (id == TILE_INNER_WALL_WINDOW) PaintInnerWindow(tile);
            if (id == TILE_INNER_WALL_SHELF) PaintShelf(tile);
            if (id == TILE_WALL_CRACK) {
                DrawLine(tile, 9, 4, 14, 12, Pal(PAL_OUTLINE));
                DrawLine(tile, 14, 12, 11, 20, Pal(PAL_OUTLINE));
                DrawLine(tile, 14, 12, 22, 15, Pal(PAL_OUTLINE));
                DrawLine(tile, 11, 20, 16, 28, Pal(PAL_OUTLINE));
                FillRect(tile, 19, 6, 4, 3, Pal(PAL_STONE_MID));  // bare stone behind fallen plaster
            }
            break;
    }
    return true;
}
