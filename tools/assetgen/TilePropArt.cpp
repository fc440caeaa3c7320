// Rows 3 and 4 of the atlas outdoors: the bridge over the north-south river, fences, the jetty, and the
// village's props. Props stand on grass so a map can use them in its ground layer alone.

#include "WorldTiles.h"

namespace {

PixelCanvas Layer() {
    return MakeCanvas(TILE_ART, TILE_ART);
}

void Grass(PixelCanvas& tile) {
    PaintGround(tile, [](int x, int y) { return GrassAt(x, y); });
}

// Deck planks run north-south, across the way west-east, with the odd nail and worn light plank.
sf::Color DeckAt(int x, int y) {
    const int column = WrapTile(x), plank = column / 4;
    if (column % 4 == 3) return Pal(PAL_WOOD_DARK);
    if (column % 4 == 0) return Pal(PAL_WOOD_LIGHT);
    if (WrapTile(y + plank * 11) == 5 && column % 4 == 1) return Pal(PAL_OUTLINE);
    return plank % 3 == 1 ? Pal(PAL_PARCH_DARK) : Pal(PAL_WOOD_MID);
}

void DrawRail(PixelCanvas& tile, int top) {
    PixelCanvas layer = Layer();
    FillRect(layer, 0, top, TILE_ART, 3, Pal(PAL_WOOD_MID));
    for (int x = 3; x < TILE_ART; x += 16)
        FillRect(layer, x, top, 3, 8, Pal(PAL_WOOD_MID));
    ShadeFromTopLeft(layer, RAMP_WOOD);
    FillRect(layer, 0, top, TILE_ART, 1, Pal(PAL_WOOD_LIGHT));
    FillRect(layer, 0, top + 3, TILE_ART, 1, Pal(PAL_OUTLINE));
    for (int x = 3; x < TILE_ART; x += 16) {
        FillRect(layer, x - 1, top + 1, 1, 8, Pal(PAL_OUTLINE));
        FillRect(layer, x + 3, top + 1, 1, 8, Pal(PAL_OUTLINE));
        FillRect(layer, x - 1, top + 8, 5, 1, Pal(PAL_OUTLINE));
    }
    Blit(tile, layer, 0, 0);
}

void PaintBridge(AtlasTile id, PixelCanvas& tile) {
    PaintGround(tile, DeckAt);
    if (id == TILE_BRIDGE_RAIL_N) {
        FillRect(tile, 0, 0, TILE_ART, 4, Pal(PAL_WATER_DARK));
        DrawRail(tile, 3);
        FillRect(tile, 0, 12, TILE_ART, 1, Pal(PAL_WOOD_DARK));  // the rail's shadow on the deck
    } else if (id == TILE_BRIDGE_RAIL_S) {
        DrawRail(tile, 20);
        FillRect(tile, 0, 29, TILE_ART, 3, Pal(PAL_WATER_DARK));
    } else if (id == TILE_BRIDGE_END_W || id == TILE_BRIDGE_END_E) {
        PaintGround(tile, [](int x, int y) { return x < 12 ? PathAt(x, y) : DeckAt(x, y); });
        FillRect(tile, 12, 0, 1, TILE_ART, Pal(PAL_WOOD_DARK));
        FillRect(tile, 11, 0, 1, TILE_ART, Pal(PAL_STONE_MID));
        PixelCanvas layer = Layer();
        FillRect(layer, 12, 1, 4, 5, Pal(PAL_WOOD_MID));  // the posts that end the rails
        FillRect(layer, 12, 25, 4, 6, Pal(PAL_WOOD_MID));
        StandObject(tile, layer, {RAMP_WOOD});
        if (id == TILE_BRIDGE_END_E) FlipHorizontal(tile);
    } else if (id == TILE_BRIDGE_POST) {
        PaintGround(tile, WaterAt);
        FillEllipse(tile, 16, 22, 9, 3, Pal(PAL_WATER_FOAM));
        PixelCanvas layer = Layer();
        FillRect(layer, 11, 6, 10, 16, Pal(PAL_WOOD_MID));
        FillEllipse(layer, 15, 6, 4, 2, Pal(PAL_WOOD_LIGHT));
        FillRect(layer, 11, 17, 10, 1, Pal(PAL_WOOD_DARK));
        StandObject(tile, layer, {RAMP_WOOD});
    }
}

// Fence pieces: posts where rails meet, rails reaching the tile's sides so pieces join.
void PaintFence(AtlasTile id, PixelCanvas& tile) {
    Grass(tile);
    bool north = false, south = false, east = false, west = false, post = true;
    switch (id) {
        case TILE_FENCE_H:
            east = west = true;
            post = false;
            break;
        case TILE_FENCE_V:
            north = south = true;
            post = false;
            break;
        case TILE_FENCE_CORNER_NW:
            east = south = true;
            break;
        case TILE_FENCE_CORNER_NE:
            west = south = true;
            break;
        case TILE_FENCE_CORNER_SW:
            east = north = true;
            break;
        case TILE_FENCE_CORNER_SE:
            west = north = true;
            break;
        default:
            break;
    }
    PixelCanvas layer = Layer();
    if (east || west) {
        const int from = west ? 0 : 15, to = east ? TILE_ART : 17;
        FillRect(layer, from, 14, to - from, 2, Pal(PAL_WOOD_LIGHT));
        FillRect(layer, from, 19, to - from, 2, Pal(PAL_WOOD_LIGHT));
        GroundShadow(tile, 16, 26, 16, 1);
    }
    if (north || south)
        FillRect(layer, 15, north ? 0 : 16, 2, (north ? 16 : 0) + (south ? 16 : 6), Pal(PAL_WOOD_LIGHT));
    if (!post && (east || west)) FillRect(layer, 6, 10, 3, 14, Pal(PAL_WOOD_MID));
    if (!post && (east || west)) FillRect(layer, 22, 10, 3, 14, Pal(PAL_WOOD_MID));
    if (!post && north) FillRect(layer, 14, 12, 4, 10, Pal(PAL_WOOD_MID));
    if (post) FillRect(layer, 14, 10, 4, 14, Pal(PAL_WOOD_MID));
    GroundShadow(tile, 16, 25, 3, 1);
    StandObject(tile, layer, {RAMP_WOOD});
}

void PaintJetty(PixelCanvas& tile) {
    PaintGround(tile, WaterAt);
    for (int y = 0; y < TILE_ART; ++y) {
        for (int x = 4; x < 28; ++x) {
            const int row = y % 6;
            PutPixel(tile, x, y,
                     row == 5   ? Pal(PAL_WOOD_DARK)
                     : row == 0 ? Pal(PAL_WOOD_LIGHT)
                                : Pal(PAL_WOOD_MID));
        }
    }
    FillRect(tile, 3, 0, 1, TILE_ART, Pal(PAL_OUTLINE));
    FillRect(tile, 28, 0, 1, TILE_ART, Pal(PAL_OUTLINE));
    FillRect(tile, 29, 0, 1, TILE_ART, Pal(PAL_WATER_DARK));
    for (int y : {2, 20}) {
        FillRect(tile, 2, y, 3, 5, Pal(PAL_WOOD_DARK));
        FillRect(tile, 27, y, 3, 5, Pal(PAL_WOOD_DARK));
    }
}

void PaintCratesOrBarrel(AtlasTile id, PixelCanvas& tile) {
    Grass(tile);
    PixelCanvas layer = Layer();
    if (id == TILE_CRATES) {
        GroundShadow(tile, 16, 28, 14, 2);
        const int boxes[][3] = {{3, 14, 14}, {16, 16, 12}, {8, 3, 12}};
        for (const auto& box : boxes) {
            FillRect(layer, box[0], box[1], box[2], box[2], Pal(PAL_WOOD_MID));
            StrokeRect(layer, box[0] + 1, box[1] + 1, box[2] - 2, box[2] - 2, Pal(PAL_WOOD_DARK));
            DrawLine(layer, box[0] + 1, box[1] + 1, box[0] + box[2] - 2, box[1] + box[2] - 2,
                     Pal(PAL_WOOD_DARK));
        }
    } else {
        GroundShadow(tile, 17, 27, 10, 2);
        FillRect(layer, 9, 6, 14, 21, Pal(PAL_WOOD_MID));
        FillRect(layer, 8, 9, 16, 15, Pal(PAL_WOOD_MID));
        FillEllipse(layer, 15, 6, 6, 2, Pal(PAL_WOOD_LIGHT));
        for (int y : {9, 22})
            FillRect(layer, 8, y, 16, 2, Pal(PAL_STONE_MID));
        for (int x = 12; x < 22; x += 4)
            DrawLine(layer, x, 11, x, 21, Pal(PAL_WOOD_DARK));
    }
    StandObject(tile, layer, {RAMP_WOOD, RAMP_STONE});
}

}  // namespace

namespace {

void PaintStall(AtlasTile id, PixelCanvas& tile) {
    Grass(tile);
    GroundShadow(tile, id == TILE_MARKET_STALL_L ? 20 : 12, 29, 14, 2);
    PixelCanvas layer = Layer();
    FillRect(layer, 2, 16, 30, 12, Pal(PAL_WOOD_MID));  // the counter
    FillRect(layer, 2, 16, 30, 2, Pal(PAL_WOOD_LIGHT));
    FillRect(layer, 3, 2, 2, 14, Pal(PAL_WOOD_DARK));
    for (int x = 0; x < TILE_ART; ++x)
        FillRect(layer, x, 1, 1, 9, Pal((x / 4) % 2 ? PAL_PARCH_LIGHT : PAL_CLOTH_MID));
    for (int x = 0; x < TILE_ART; x += 4)
        FillRect(layer, x, 10, 3, 2, Pal((x / 4) % 2 ? PAL_PARCH_LIGHT : PAL_CLOTH_MID));
    const int goods[][2] = {{8, 13}, {14, 14}, {20, 13}, {26, 14}};
    const PaletteIndex colours[] = {PAL_CLOTH_LIGHT, PAL_GOLD_MID, PAL_GRASS_LIGHT, PAL_CLOTH_MID};
    for (int i = 0; i < 4; ++i)
        FillCircle(layer, goods[i][0], goods[i][1], 2, Pal(colours[i]));
    StandObject(tile, layer, {RAMP_WOOD, RAMP_CLOTH});
    if (id == TILE_MARKET_STALL_R) FlipHorizontal(tile);
}

void PaintHayOrFirewood(AtlasTile id, PixelCanvas& tile) {
    Grass(tile);
    GroundShadow(tile, 16, 27, 13, 2);
    PixelCanvas layer = Layer();
    if (id == TILE_HAY) {
        FillEllipse(layer, 16, 18, 12, 9, Pal(PAL_GOLD_MID));
        FillRect(layer, 4, 18, 25, 9, Pal(PAL_GOLD_MID));
        for (int i = 0; i < 30; ++i) {
            const int x = 6 + (i * 7) % 21, y = 11 + (i * 5) % 14;
            DrawLine(layer, x, y, x + 1, y + 2, Pal(i % 2 ? PAL_GOLD_DARK : PAL_GOLD_LIGHT));
        }
        StandObject(tile, layer, {RAMP_GOLD});
    } else {
        for (int row = 0; row < 3; ++row) {
            for (int log = 0; log < 4 - row; ++log) {
                const int x = 7 + log * 6 + row * 3, y = 24 - row * 5;
                FillCircle(layer, x, y, 3, Pal(PAL_WOOD_MID));
                FillCircle(layer, x, y, 1, Pal(PAL_PARCH_DARK));
            }
        }
        StandObject(tile, layer, {RAMP_WOOD});
    }
}

void PaintLanternOrPot(AtlasTile id, PixelCanvas& tile) {
    Grass(tile);
    PixelCanvas layer = Layer();
    if (id == TILE_LANTERN_POST) {
        GroundShadow(tile, 16, 29, 4, 1);
        FillRect(layer, 15, 6, 2, 24, Pal(PAL_WOOD_MID));
        FillRect(layer, 15, 6, 8, 2, Pal(PAL_WOOD_MID));
        FillRect(layer, 19, 8, 5, 6, Pal(PAL_GOLD_LIGHT));
        FillRect(layer, 20, 9, 3, 4, Pal(PAL_WHITE));
        FillRect(layer, 13, 27, 6, 3, Pal(PAL_STONE_MID));
        StandObject(tile, layer, {RAMP_WOOD, RAMP_STONE});
    } else if (id == TILE_FLOWER_POT) {
        GroundShadow(tile, 16, 28, 8, 2);
        FillPolygon(layer, {{9, 18}, {23, 18}, {21, 28}, {11, 28}}, Pal(PAL_CLOTH_MID));
        FillCircle(layer, 12, 13, 3, Pal(PAL_GRASS_MID));
        FillCircle(layer, 19, 12, 4, Pal(PAL_GRASS_MID));
        FillCircle(layer, 16, 16, 3, Pal(PAL_GRASS_MID));
        const int flowers[][2] = {{12, 11}, {19, 10}, {16, 15}, {21, 14}};
        for (const auto& f : flowers) {
            FillRect(layer, f[0] - 1, f[1], 3, 1, Pal(PAL_GOLD_LIGHT));
            PutPixel(layer, f[0], f[1] - 1, Pal(PAL_GOLD_LIGHT));
            PutPixel(layer, f[0], f[1], Pal(PAL_CLOTH_LIGHT));
        }
        StandObject(tile, layer, {RAMP_CLOTH, RAMP_GRASS});
    } else {
        PaintGround(tile, [](int x, int y) { return y < 8 ? PathAt(x, y) : GrassAt(x, y); });
        FillRect(layer, 4, 10, 24, 10, Pal(PAL_STONE_MID));
        FillRect(layer, 6, 20, 20, 3, Pal(PAL_STONE_DARK));
        DrawLine(layer, 14, 12, 16, 18, Pal(PAL_STONE_DARK));
        StandObject(tile, layer, {RAMP_STONE});
    }
}

void PaintCart(AtlasTile id, PixelCanvas& tile) {
    Grass(tile);
    GroundShadow(tile, 18, 27, 14, 2);
    PixelCanvas layer = Layer();
    FillRect(layer, 6, 8, 26, 14, Pal(PAL_WOOD_MID));
    for (int y = 11; y < 22; y += 4)
        FillRect(layer, 6, y, 26, 1, Pal(PAL_WOOD_DARK));
    FillRect(layer, 6, 8, 26, 2, Pal(PAL_WOOD_LIGHT));
    FillRect(layer, 8, 9, 8, 3, Pal(PAL_GOLD_MID));  // a sack of grain
    FillCircle(layer, 14, 23, 6, Pal(PAL_WOOD_DARK));
    FillCircle(layer, 14, 23, 4, Pal(PAL_WOOD_MID));
    FillCircle(layer, 14, 23, 1, Pal(PAL_STONE_MID));
    if (id == TILE_CART_L) {
        DrawLine(layer, 0, 18, 6, 16, Pal(PAL_WOOD_LIGHT));  // the shafts
        DrawLine(layer, 0, 20, 6, 18, Pal(PAL_WOOD_LIGHT));
    }
    StandObject(tile, layer, {RAMP_WOOD});
    if (id == TILE_CART_R) FlipHorizontal(tile);
}

}  // namespace

bool PaintOutdoorPropTile(AtlasTile id, PixelCanvas& tile) {
    if (id >= TILE_BRIDGE_DECK && id <= TILE_BRIDGE_POST) {
        PaintBridge(id, tile);
    } else if (id >= TILE_FENCE_H && id <= TILE_FENCE_CORNER_SE) {
        PaintFence(id, tile);
    } else if (id == TILE_FISHING_JETTY) {
        PaintJetty(tile);
    } else if (id == TILE_CRATES || id == TILE_BARREL) {
        PaintCratesOrBarrel(id, tile);
    } else if (id == TILE_MARKET_STALL_L || id == TILE_MARKET_STALL_R) {
        PaintStall(id, tile);
    } else if (id == TILE_HAY || id == TILE_FIREWOOD) {
        PaintHayOrFirewood(id, tile);
    } else if (id == TILE_LANTERN_POST || id == TILE_FLOWER_POT || id == TILE_DOORSTEP) {
        PaintLanternOrPot(id, tile);
    } else if (id == TILE_CART_L || id == TILE_CART_R) {
        PaintCart(id, tile);
    } else {
        return false;
    }
    return true;
}
