// The bridge backdrop: the fighters stand on the long plank deck of the river bridge, its far railing on a
// stone kerb behind them, the river and its wooded far bank beyond. At night the moon lays a path of light
// on the water and lanterns burn on the railing posts.

#include "BattleBackdrop.h"
#include "Scenery.h"
#include "WorldTiles.h"

#include <algorithm>

namespace {

const int BRIDGE_HORIZON = 58;  // the far bank's edge
const int BRIDGE_RIVER_TOP = 62;
const int BRIDGE_KERB_TOP = 84;
const int BRIDGE_DECK_TOP = 91;
const int BRIDGE_DECK_BOTTOM = 204;
const int BRIDGE_POST_SPACING = 40;
const int BRIDGE_MOON_X = 396;
const int BRIDGE_MOON_Y = 38;

void PaintFarBank(PixelCanvas& land, Rng& rng) {
    FillRidge(land, 44, 6, 40.0f, 1.3f, Pal(PAL_SKY_MID));
    FillRidge(land, 53, 4, 27.0f, 0.2f, Pal(PAL_FOREST_DEEP));
    for (int x = -3; x < BACKDROP_WIDTH + 6; x += 5 + RandomRange(rng, 0, 3))
        DrawPineTree(land, x, RidgeY(x, 53, 4, 27.0f, 0.2f) + 7, 10 + RandomRange(rng, 0, 5), rng);
    for (int y = BRIDGE_HORIZON; y < BRIDGE_RIVER_TOP; ++y) {
        for (int x = 0; x < BACKDROP_WIDTH; ++x)
            PutPixel(land, x, y, GrassAt(x, y, 9));
    }
    FillRect(land, 0, BRIDGE_RIVER_TOP - 1, BACKDROP_WIDTH, 1, Pal(PAL_GRASS_DARK));
}

void PaintRiver(PixelCanvas& land) {
    for (int y = BRIDGE_RIVER_TOP; y < BACKDROP_HEIGHT; ++y) {
        for (int x = 0; x < BACKDROP_WIDTH; ++x)
            PutPixel(land, x, y, WaterAt(x, y));
    }
    // The far bank's reflection darkens the water along it.
    for (int y = BRIDGE_RIVER_TOP; y < BRIDGE_RIVER_TOP + 6; ++y) {
        DitherRect(land, 0, y, BACKDROP_WIDTH, 1, PixelAt(land, 0, y), Pal(PAL_WATER_DARK),
                   12 - (y - BRIDGE_RIVER_TOP) * 2);
    }
}

// Boards run along the bridge, each one a course of planks laid end to end. Courses nearer the viewer are
// taller, which lays the deck down flat; each course is lit on its top edge and has a dark gap below.
sf::Color PlankAt(int x, int row, int height, int jointOffset, int plankLength, std::uint32_t seed) {
    const int along = (x + jointOffset) % plankLength;
    if (row == height - 1) return Pal(PAL_WOOD_DARK);
    if (along == 0) return Pal(PAL_WOOD_DARK);
    if (row == 0 || along == 1) return Pal(PAL_WOOD_LIGHT);
    if ((along == 3 || along == plankLength - 2) && row == height / 2) return Pal(PAL_STONE_DARK);  // nails
    if (TileHash(x / 5, row, seed) % 11 == 0 && row > 0) return Pal(PAL_WOOD_DARK);                 // grain
    return Pal(PAL_WOOD_MID);
}

void PaintDeck(PixelCanvas& land, Rng& rng) {
    int course = 0;
    for (int top = BRIDGE_DECK_TOP; top < BRIDGE_DECK_BOTTOM; ++course) {
        const int height = 4 + (top - BRIDGE_DECK_TOP) / 22;
        const int offset = RandomRange(rng, 0, 80), length = RandomRange(rng, 56, 84);
        for (int row = 0; row < height && top + row < BRIDGE_DECK_BOTTOM; ++row) {
            for (int x = 0; x < BACKDROP_WIDTH; ++x) {
                PutPixel(land, x, top + row,
                         PlankAt(x, row, height, offset, length, 31u + static_cast<std::uint32_t>(course)));
            }
        }
        top += height;
    }
    // Feet have worn a paler track along the middle; the railing shades the far boards.
    for (int y = 120; y < 170; ++y) {
        for (int x = 0; x < BACKDROP_WIDTH; ++x) {
            if (PixelAt(land, x, y) == Pal(PAL_WOOD_MID) && DitherOn(x, y, 4 - std::abs(y - 145) / 7))
                PutPixel(land, x, y, Pal(PAL_WOOD_LIGHT));
        }
    }
    for (int y = BRIDGE_DECK_TOP; y < BRIDGE_DECK_TOP + 6; ++y)
        DitherShadow(land, 0, y, BACKDROP_WIDTH, 1, 10 - (y - BRIDGE_DECK_TOP) * 2);
    FillRect(land, 0, BRIDGE_DECK_BOTTOM, BACKDROP_WIDTH, 6, Pal(PAL_WOOD_DARK));
    FillRect(land, 0, BRIDGE_DECK_BOTTOM, BACKDROP_WIDTH, 1, Pal(PAL_WOOD_LIGHT));
    FillRect(land, 0, BRIDGE_DECK_BOTTOM + 6, BACKDROP_WIDTH, 1, Pal(PAL_OUTLINE));
}

// Dressed stone blocks along the deck's far edge, each lit on its top and left.
void PaintKerb(PixelCanvas& land) {
    FillRect(land, 0, BRIDGE_KERB_TOP, BACKDROP_WIDTH, BRIDGE_DECK_TOP - BRIDGE_KERB_TOP, Pal(PAL_STONE_MID));
    FillRect(land, 0, BRIDGE_KERB_TOP, BACKDROP_WIDTH, 1, Pal(PAL_OUTLINE));
    FillRect(land, 0, BRIDGE_KERB_TOP + 1, BACKDROP_WIDTH, 1, Pal(PAL_STONE_LIGHT));
    FillRect(land, 0, BRIDGE_DECK_TOP - 1, BACKDROP_WIDTH, 1, Pal(PAL_STONE_DARK));
    for (int x = 0; x < BACKDROP_WIDTH; x += 16) {
        FillRect(land, x, BRIDGE_KERB_TOP + 1, 1, BRIDGE_DECK_TOP - BRIDGE_KERB_TOP - 1, Pal(PAL_STONE_DARK));
        FillRect(land, x + 1, BRIDGE_KERB_TOP + 2, 1, BRIDGE_DECK_TOP - BRIDGE_KERB_TOP - 3,
                 Pal(PAL_STONE_LIGHT));
    }
}

// Posts on the kerb carry two rails; every other post hangs a lantern from an arm.
void PaintRailing(PixelCanvas& land) {
    PixelCanvas railing = MakeCanvas(BACKDROP_WIDTH, BACKDROP_HEIGHT);
    for (int rail : {66, 75})
        FillRect(railing, 0, rail, BACKDROP_WIDTH, 2, Pal(PAL_WOOD_MID));
    for (int x = 14; x < BACKDROP_WIDTH; x += BRIDGE_POST_SPACING) {
        FillRect(railing, x, 63, 4, BRIDGE_KERB_TOP - 63, Pal(PAL_WOOD_MID));
        FillRect(railing, x - 1, 62, 6, 2, Pal(PAL_WOOD_MID));
    }
    ShadeFromTopLeft(railing, RAMP_WOOD);
    OutlineOpaque(railing, Pal(PAL_OUTLINE));
    for (int x = 14 + BRIDGE_POST_SPACING / 2 - 20; x < BACKDROP_WIDTH; x += 2 * BRIDGE_POST_SPACING) {
        FillRect(railing, x + 4, 64, 3, 1, Pal(PAL_OUTLINE));
        FillRect(railing, x + 6, 65, 3, 5, Pal(PAL_OUTLINE));
        FillRect(railing, x + 7, 66, 1, 3, Pal(PAL_STONE_LIGHT));  // the glass, unlit by day
    }
    Blit(land, railing, 0, 0);
}

PixelCanvas PaintBridgeLand(Rng& rng) {
    PixelCanvas land = MakeCanvas(BACKDROP_WIDTH, BACKDROP_HEIGHT);
    PaintFarBank(land, rng);
    PaintRiver(land);
    PaintDeck(land, rng);
    PaintKerb(land);
    PaintRailing(land);
    return land;
}

// The moon's path on the water between the kerb and the far bank: broken glints, longest under it.
void DrawMoonPath(PixelCanvas& scene, Rng& rng) {
    for (int y = BRIDGE_RIVER_TOP + 1; y < BRIDGE_KERB_TOP; y += 2) {
        for (int glint = 0; glint < 3; ++glint) {
            const int spread = 4 + (y - BRIDGE_RIVER_TOP) / 2, length = RandomRange(rng, 2, 6);
            const int x = BRIDGE_MOON_X + RandomRange(rng, -spread, spread) - length / 2;
            FillRect(scene, x, y, length, 1, Pal(glint == 0 ? PAL_WATER_FOAM : PAL_WATER_LIGHT));
        }
    }
}

// Each lantern glows and throws a warm pool on the boards below it.
void LightLanterns(PixelCanvas& scene) {
    for (int x = 14 + BRIDGE_POST_SPACING / 2 - 20; x < BACKDROP_WIDTH; x += 2 * BRIDGE_POST_SPACING) {
        const int glassX = x + 7;
        for (int y = BRIDGE_DECK_TOP; y < BRIDGE_DECK_TOP + 16; ++y) {
            for (int dx = -14; dx <= 14; ++dx) {
                const float reach = std::abs(dx) / 14.0f + (y - BRIDGE_DECK_TOP) / 16.0f;
                if (reach < 1.0f && DitherOn(glassX + dx, y, static_cast<int>((1.0f - reach) * 10)))
                    PutPixel(scene, glassX + dx, y, LighterInRamp(PixelAt(scene, glassX + dx, y)));
            }
        }
        FillRect(scene, glassX, 66, 1, 3, Pal(PAL_GOLD_LIGHT));
        PutPixel(scene, glassX, 67, Pal(PAL_WHITE));
        for (const PixelPoint& halo :
             {PixelPoint{-2, 1}, PixelPoint{2, 1}, PixelPoint{0, -2}, PixelPoint{0, 4}})
            PutPixel(scene, glassX + halo.x, 66 + halo.y, Pal(PAL_GOLD_MID));
    }
}

}  // namespace

PixelCanvas PaintBridgeBackdrop(bool night) {
    Rng skyRng = MakeRng(0xB21D6Eu), rng = MakeRng(0x817E5u);
    PixelCanvas scene = MakeCanvas(BACKDROP_WIDTH, BACKDROP_HEIGHT);
    PaintBackdropSky(scene, BRIDGE_HORIZON, night, skyRng);
    if (night) DrawBackdropMoon(scene, BRIDGE_MOON_X, BRIDGE_MOON_Y, 9);
    PixelCanvas land = PaintBridgeLand(rng);
    if (night) TurnBackdropToNight(land);
    Blit(scene, land, 0, 0);
    if (night) {
        DrawMoonPath(scene, rng);
        LightLanterns(scene);
    }
    return scene;
}
