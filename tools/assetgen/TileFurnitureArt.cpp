// Row 8 of the atlas: the furniture of the houses and the cabin, each standing on the wooden floor with a
// soft shadow. The bed and the bathtub span two tiles (head above foot, left beside right).

#include "WorldTiles.h"

namespace {

PixelCanvas Layer() {
    return MakeCanvas(TILE_ART, TILE_ART);
}

void Floor(PixelCanvas& tile) {
    PaintGround(tile, [](int x, int y) { return WoodFloorAt(x, y, 0); });
}

void PaintBed(AtlasTile id, PixelCanvas& tile) {
    Floor(tile);
    PixelCanvas layer = Layer();
    if (id == TILE_BED_HEAD) {
        FillRect(layer, 4, 2, 24, 30, Pal(PAL_WOOD_MID));
        FillRect(layer, 4, 2, 24, 2, Pal(PAL_WOOD_LIGHT));
        FillRect(layer, 6, 7, 20, 25, Pal(PAL_PARCH_LIGHT));  // sheet
        FillRect(layer, 8, 9, 16, 7, Pal(PAL_WHITE));         // pillow
        FillRect(layer, 8, 15, 16, 1, Pal(PAL_PARCH_MID));
        FillRect(layer, 6, 20, 20, 12, Pal(PAL_WATER_MID));  // the blanket starts
        FillRect(layer, 6, 20, 20, 2, Pal(PAL_WATER_LIGHT));
    } else {
        GroundShadow(tile, 17, 30, 13, 1);
        FillRect(layer, 4, 0, 24, 27, Pal(PAL_WOOD_MID));
        FillRect(layer, 6, 0, 20, 22, Pal(PAL_WATER_MID));
        for (int y = 4; y < 22; y += 6)
            FillRect(layer, 6, y, 20, 1, Pal(PAL_WATER_LIGHT));  // a quilt's seams
        for (int x = 11; x < 26; x += 6)
            FillRect(layer, x, 0, 1, 22, Pal(PAL_WATER_DARK));
        FillRect(layer, 4, 22, 24, 5, Pal(PAL_WOOD_MID));
        FillRect(layer, 4, 22, 24, 1, Pal(PAL_WOOD_LIGHT));
    }
    StandObject(tile, layer, {RAMP_WOOD, RAMP_WATER});
    if (id == TILE_BED_FOOT) FillRect(tile, 5, 0, 22, 1, PixelAt(tile, 8, 1));  // no seam between the halves
}

void PaintBathtub(AtlasTile id, PixelCanvas& tile) {
    Floor(tile);
    GroundShadow(tile, 16, 27, 16, 2);
    PixelCanvas layer = Layer();
    FillRect(layer, 6, 6, 26, 20, Pal(PAL_STONE_LIGHT));
    FillEllipse(layer, 8, 16, 6, 10, Pal(PAL_STONE_LIGHT));
    FillRect(layer, 9, 9, 23, 13, Pal(PAL_WATER_MID));
    FillEllipse(layer, 10, 15, 4, 6, Pal(PAL_WATER_MID));
    FillRect(layer, 12, 10, 6, 1, Pal(PAL_WATER_FOAM));
    FillRect(layer, 22, 13, 4, 1, Pal(PAL_WATER_LIGHT));
    FillRect(layer, 6, 24, 26, 2, Pal(PAL_STONE_MID));
    FillRect(layer, 7, 26, 3, 2, Pal(PAL_GOLD_MID));  // little feet
    ShadeFromTopLeft(layer, RAMP_STONE);
    OutlineOpaque(layer, Pal(PAL_OUTLINE));
    FillRect(layer, 31, 5, 1, 23, Pal(PAL_STONE_LIGHT));  // open towards the other half
    FillRect(layer, 31, 9, 1, 13, Pal(PAL_WATER_MID));
    FillRect(layer, 31, 24, 1, 2, Pal(PAL_STONE_MID));
    FillRect(layer, 31, 5, 1, 1, Pal(PAL_OUTLINE));
    FillRect(layer, 31, 26, 1, 1, Pal(PAL_OUTLINE));
    Blit(tile, layer, 0, 0);
    if (id == TILE_BATHTUB_R) {
        FlipHorizontal(tile);
        FillRect(tile, 22, 3, 3, 6, Pal(PAL_GOLD_MID));  // the tap
        StrokeRect(tile, 21, 2, 5, 7, Pal(PAL_OUTLINE));
    }
}

void PaintSeat(AtlasTile id, PixelCanvas& tile) {
    Floor(tile);
    PixelCanvas layer = Layer();
    if (id == TILE_TABLE) {
        GroundShadow(tile, 17, 26, 14, 3);
        FillRect(layer, 3, 8, 26, 14, Pal(PAL_WOOD_MID));
        FillRect(layer, 3, 22, 26, 3, Pal(PAL_WOOD_DARK));
        FillRect(layer, 5, 25, 3, 4, Pal(PAL_WOOD_DARK));
        FillRect(layer, 24, 25, 3, 4, Pal(PAL_WOOD_DARK));
        for (int y = 12; y < 22; y += 4)
            FillRect(layer, 4, y, 24, 1, Pal(PAL_WOOD_LIGHT));
        FillEllipse(layer, 12, 14, 3, 2, Pal(PAL_PARCH_LIGHT));  // a bowl and a loaf
        FillEllipse(layer, 21, 15, 3, 2, Pal(PAL_GOLD_MID));
    } else if (id == TILE_CHAIR) {
        GroundShadow(tile, 17, 28, 8, 2);
        FillRect(layer, 10, 4, 12, 12, Pal(PAL_WOOD_MID));
        FillRect(layer, 12, 6, 8, 1, Pal(PAL_WOOD_DARK));
        FillRect(layer, 9, 16, 14, 6, Pal(PAL_WOOD_LIGHT));
        FillRect(layer, 10, 22, 2, 6, Pal(PAL_WOOD_DARK));
        FillRect(layer, 20, 22, 2, 6, Pal(PAL_WOOD_DARK));
    } else {
        GroundShadow(tile, 17, 26, 8, 2);
        FillEllipse(layer, 16, 15, 7, 4, Pal(PAL_WOOD_LIGHT));
        FillRect(layer, 10, 17, 2, 9, Pal(PAL_WOOD_DARK));
        FillRect(layer, 20, 17, 2, 9, Pal(PAL_WOOD_DARK));
    }
    StandObject(tile, layer, {RAMP_WOOD, RAMP_PARCH});
}

void PaintFireplace(PixelCanvas& tile) {
    Floor(tile);
    PixelCanvas layer = Layer();
    FillRect(layer, 2, 0, 28, 28, Pal(PAL_STONE_MID));
    for (int y = 3; y < 28; y += 5)
        FillRect(layer, 2, y, 28, 1, Pal(PAL_STONE_DARK));
    FillRect(layer, 1, 6, 30, 3, Pal(PAL_WOOD_MID));  // mantel
    FillRect(layer, 8, 12, 16, 16, Pal(PAL_OUTLINE));
    FillEllipse(layer, 16, 12, 8, 3, Pal(PAL_OUTLINE));
    FillRect(layer, 10, 24, 12, 3, Pal(PAL_WOOD_DARK));
    FillPolygon(layer, {{11, 24}, {14, 16}, {16, 20}, {18, 14}, {21, 24}}, Pal(PAL_CLOTH_LIGHT));
    FillPolygon(layer, {{13, 24}, {16, 19}, {19, 24}}, Pal(PAL_GOLD_LIGHT));
    FillRect(layer, 6, 4, 3, 2, Pal(PAL_GOLD_MID));  // a candle on the mantel
    StandObject(tile, layer, {RAMP_STONE, RAMP_WOOD});
}

void PaintCupboardOrShelf(AtlasTile id, PixelCanvas& tile) {
    Floor(tile);
    GroundShadow(tile, 17, 30, 13, 1);
    PixelCanvas layer = Layer();
    FillRect(layer, 3, 0, 26, 30, Pal(PAL_WOOD_MID));
    if (id == TILE_CUPBOARD) {
        FillRect(layer, 5, 3, 10, 24, Pal(PAL_WOOD_DARK));
        FillRect(layer, 17, 3, 10, 24, Pal(PAL_WOOD_DARK));
        FillRect(layer, 6, 4, 8, 22, Pal(PAL_WOOD_MID));
        FillRect(layer, 18, 4, 8, 22, Pal(PAL_WOOD_MID));
        FillRect(layer, 13, 14, 1, 3, Pal(PAL_GOLD_LIGHT));
        FillRect(layer, 18, 14, 1, 3, Pal(PAL_GOLD_LIGHT));
    } else {
        const PaletteIndex spines[] = {PAL_CLOTH_MID, PAL_WATER_MID, PAL_GRASS_MID, PAL_GOLD_MID,
                                       PAL_CLOTH_DARK};
        for (int shelf = 0; shelf < 3; ++shelf) {
            const int y = 2 + shelf * 9;
            FillRect(layer, 5, y, 22, 8, Pal(PAL_WOOD_DARK));
            for (int book = 0; book < 7; ++book) {
                FillRect(layer, 6 + book * 3, y + 1 + (book + shelf) % 3, 2, 7 - (book + shelf) % 3,
                         Pal(spines[(book + shelf * 2) % 5]));
            }
        }
    }
    StandObject(tile, layer, {RAMP_WOOD});
}

void PaintSmallThing(AtlasTile id, PixelCanvas& tile) {
    Floor(tile);
    PixelCanvas layer = Layer();
    if (id == TILE_CHEST) {
        GroundShadow(tile, 17, 26, 13, 2);
        FillRect(layer, 5, 12, 22, 14, Pal(PAL_WOOD_MID));
        FillEllipse(layer, 16, 12, 11, 4, Pal(PAL_WOOD_MID));
        FillRect(layer, 5, 14, 22, 2, Pal(PAL_GOLD_MID));
        FillRect(layer, 9, 9, 2, 17, Pal(PAL_GOLD_MID));
        FillRect(layer, 21, 9, 2, 17, Pal(PAL_GOLD_MID));
        FillRect(layer, 14, 15, 4, 4, Pal(PAL_GOLD_LIGHT));
    } else if (id == TILE_POTS) {
        GroundShadow(tile, 17, 27, 13, 2);
        FillCircle(layer, 10, 20, 6, Pal(PAL_CLOTH_MID));
        FillCircle(layer, 21, 22, 5, Pal(PAL_WOOD_LIGHT));
        FillRect(layer, 8, 12, 5, 3, Pal(PAL_CLOTH_MID));
        FillRect(layer, 19, 15, 5, 3, Pal(PAL_WOOD_LIGHT));
    } else if (id == TILE_PLANT) {
        GroundShadow(tile, 17, 28, 8, 2);
        FillPolygon(layer, {{11, 20}, {21, 20}, {20, 28}, {12, 28}}, Pal(PAL_CLOTH_MID));
        for (int leaf = 0; leaf < 5; ++leaf)
            FillEllipse(layer, 8 + leaf * 4, 12 + (leaf % 2) * 4, 3, 5, Pal(PAL_GRASS_MID));
    } else if (id == TILE_CAULDRON) {
        GroundShadow(tile, 17, 27, 12, 2);
        FillEllipse(layer, 16, 19, 11, 8, Pal(PAL_STONE_DARK));
        FillEllipse(layer, 16, 13, 10, 3, Pal(PAL_GRASS_LIGHT));
        FillRect(layer, 12, 12, 2, 1, Pal(PAL_GRASS_PALE));  // something bubbling
        FillRect(layer, 19, 14, 2, 1, Pal(PAL_GRASS_PALE));
    } else {
        GroundShadow(tile, 17, 28, 6, 1);
        FillRect(layer, 15, 12, 2, 16, Pal(PAL_STONE_DARK));
        FillRect(layer, 12, 26, 8, 2, Pal(PAL_STONE_DARK));
        FillRect(layer, 12, 4, 8, 9, Pal(PAL_GOLD_LIGHT));
        FillRect(layer, 14, 6, 4, 5, Pal(PAL_WHITE));
        FillRect(layer, 11, 3, 10, 1, Pal(PAL_STONE_DARK));
    }
    StandObject(tile, layer, {RAMP_WOOD, RAMP_GOLD, RAMP_CLOTH, RAMP_GRASS});
}

void PaintWorkbench(PixelCanvas& tile) {
    Floor(tile);
    GroundShadow(tile, 17, 27, 14, 2);
    PixelCanvas layer = Layer();
    FillRect(layer, 2, 10, 28, 10, Pal(PAL_WOOD_LIGHT));
    FillRect(layer, 2, 20, 28, 3, Pal(PAL_WOOD_DARK));
    FillRect(layer, 4, 23, 3, 6, Pal(PAL_WOOD_DARK));
    FillRect(layer, 25, 23, 3, 6, Pal(PAL_WOOD_DARK));
    FillRect(layer, 6, 12, 8, 2, Pal(PAL_STONE_MID));  // a saw and a hammer
    FillRect(layer, 18, 13, 2, 6, Pal(PAL_WOOD_MID));
    FillRect(layer, 16, 12, 6, 2, Pal(PAL_STONE_DARK));
    StandObject(tile, layer, {RAMP_WOOD, RAMP_STONE});
}

}  // namespace

bool PaintFurnitureTile(AtlasTile id, PixelCanvas& tile) {
    if (id < TILE_BED_HEAD || id > TILE_WORKBENCH) return false;
    if (id <= TILE_BED_FOOT) {
        PaintBed(id, tile);
    } else if (id <= TILE_BATHTUB_R) {
        PaintBathtub(id, tile);
    } else if (id <= TILE_STOOL) {
        PaintSeat(id, tile);
    } else if (id == TILE_FIREPLACE) {
        PaintFireplace(tile);
    } else if (id == TILE_CUPBOARD || id == TILE_BOOKSHELF) {
        PaintCupboardOrShelf(id, tile);
    } else if (id == TILE_WORKBENCH) {
        PaintWorkbench(tile);
    } else {
        PaintSmallThing(id, tile);
    }
    return true;
}
