// The repeating grounds of the maps and the wavy borders between them. Every texture is a function of
// the pixel's position wrapped to the tile, so a field of grass tiles reads as one lawn.

#include "WorldTiles.h"

#include <algorithm>
#include <cmath>

namespace {

const float TILE_TWO_PI = 6.2831853f;

// Large soft patches, repeating every tile: roughly -2..2.
float Mottle(int x, int y, float phase) {
    const float u = TILE_TWO_PI * static_cast<float>(WrapTile(x)) / TILE_ART;
    const float v = TILE_TWO_PI * static_cast<float>(WrapTile(y)) / TILE_ART;
    return 1.2f * std::sin(u + phase) * std::sin(v + phase * 0.7f) +
           0.8f * std::sin(2.0f * u + phase * 1.3f) * std::cos(2.0f * v + phase * 2.1f);
}

bool Hit(int x, int y, std::uint32_t seed, std::uint32_t every) {
    return TileHash(x, y, seed) % every == 0;
}

// The depth of a band along its edge; the waves repeat every tile so edge pieces chain seamlessly.
int BandDepth(int along, int side, const EdgeShape& shape, std::uint32_t seed) {
    const float a = TILE_TWO_PI * static_cast<float>(WrapTile(along)) / TILE_ART;
    const float phase = static_cast<float>(side) * 1.3f + static_cast<float>(seed % 7);
    return shape.depth + static_cast<int>(std::lround(1.4f * std::sin(a + phase) +
                                                      0.8f * std::sin(2.0f * a + phase * 1.7f)));
}

}  // namespace

std::uint32_t TileHash(int x, int y, std::uint32_t seed) {
    std::uint32_t h = static_cast<std::uint32_t>(WrapTile(x)) * 73856093u ^
                      static_cast<std::uint32_t>(WrapTile(y)) * 19349663u ^ seed * 83492791u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return h;
}

int WrapTile(int value) {
    return ((value % TILE_ART) + TILE_ART) % TILE_ART;
}

sf::Color GrassAt(int x, int y, std::uint32_t seed) {
    if (Hit(x, y + 1, seed, 31) || Hit(x, y, seed, 31))
        return Pal(PAL_GRASS_LIGHT);                          // a blade, two pixels tall
    if (Hit(x, y - 1, seed, 31)) return Pal(PAL_GRASS_DARK);  // its shadow
    if (Hit(x, y, seed + 7, 41)) return Pal(PAL_GRASS_DARK);
    const float patch = Mottle(x, y, static_cast<float>(seed));
    if (patch > 1.2f && DitherOn(x, y, 5)) return Pal(PAL_GRASS_LIGHT);
    if (patch < -1.1f && DitherOn(x, y, 6)) return Pal(PAL_GRASS_DARK);
    return Pal(PAL_GRASS_MID);
}

sf::Color DarkGrassAt(int x, int y) {
    if (Hit(x, y + 1, 5, 27) || Hit(x, y, 5, 27)) return Pal(PAL_GRASS_MID);
    if (Mottle(x, y, 2.0f) < -0.9f && DitherOn(x, y, 7)) return Pal(PAL_FOREST_DEEP);
    return Pal(PAL_GRASS_DARK);
}

sf::Color PathAt(int x, int y) {
    if (Hit(x, y, 11, 43)) return Pal(PAL_PARCH_MID);
    if (Hit(x, y - 1, 11, 43)) return Pal(PAL_WOOD_LIGHT);
    if (Hit(x, y, 13, 29)) return Pal(PAL_WOOD_LIGHT);
    const float patch = Mottle(x, y, 4.0f);
    if (patch < -1.0f && DitherOn(x, y, 6)) return Pal(PAL_WOOD_LIGHT);
    if (patch > 1.3f && DitherOn(x, y, 4)) return Pal(PAL_PARCH_MID);
    return Pal(PAL_PARCH_DARK);
}

sf::Color WaterAt(int x, int y) {
    // Gentle glints: short light dashes along the current, one in a few with a foam fleck.
    for (int back = 0; back < 4; ++back) {
        if (Hit(x - back, y, 17, 61))
            return Pal(back == 0 && Hit(x, y, 19, 3) ? PAL_WATER_FOAM : PAL_WATER_LIGHT);
    }
    const float patch = Mottle(x, y, 6.0f);
    if (patch < -0.8f && DitherOn(x, y, 7)) return Pal(PAL_WATER_DARK);
    return Pal(PAL_WATER_MID);
}

sf::Color ForestFloorAt(int x, int y, std::uint32_t seed) {
    if (Hit(x, y, seed, 23)) return Pal(PAL_WOOD_DARK);  // fallen needles and leaves
    if (Hit(x, y, seed + 1, 37)) return Pal(PAL_GRASS_MID);
    const float patch = Mottle(x, y, static_cast<float>(seed));
    if (patch > 0.9f && DitherOn(x, y, 6)) return Pal(PAL_GRASS_DARK);
    if (patch < -1.2f && DitherOn(x, y, 8)) return Pal(PAL_NIGHT);
    return Pal(PAL_FOREST_DEEP);
}

sf::Color WoodFloorAt(int x, int y, int boardOffset) {
    const int row = WrapTile(y), board = row / 8;
    const int seam = WrapTile(board * 13 + boardOffset);
    if (row % 8 == 7) return Pal(PAL_WOOD_DARK);
    if (WrapTile(x) == seam) return Pal(PAL_WOOD_DARK);
    if (row % 8 == 0) return Pal(PAL_WOOD_LIGHT);
    if ((WrapTile(x) == WrapTile(seam + 2) || WrapTile(x) == WrapTile(seam - 2)) && row % 8 == 3)
        return Pal(PAL_WOOD_DARK);  // nails
    if (Hit(x, y, static_cast<std::uint32_t>(board + 20), 9) && row % 8 != 6) return Pal(PAL_WOOD_LIGHT);
    return Pal(PAL_WOOD_MID);
}

sf::Color StoneFloorAt(int x, int y) {
    const int row = WrapTile(y), column = WrapTile(x + (row / 8 % 2) * 6);
    if (row % 8 == 7 || column % 12 == 11) return Pal(PAL_STONE_DARK);
    if (row % 8 == 0 || column % 12 == 0) return Pal(PAL_STONE_LIGHT);
    if (Hit(x, y, 29, 17)) return Pal(PAL_STONE_DARK);
    return Pal(PAL_STONE_MID);
}

void PaintGround(PixelCanvas& tile, const GroundFunction& ground) {
    for (int y = 0; y < tile.height; ++y) {
        for (int x = 0; x < tile.width; ++x)
            PutPixel(tile, x, y, ground(x, y));
    }
}

bool IsOuterGround(const EdgeShape& shape, int x, int y, std::uint32_t seed) {
    const int last = TILE_ART - 1;
    bool any = false, all = true;
    auto side = [&](unsigned flag, bool inBand) {
        if (!(shape.sides & flag)) return;
        any = any || inBand;
        all = all && inBand;
    };
    side(EDGE_N, y < BandDepth(x, 0, shape, seed));
    side(EDGE_S, y > last - BandDepth(x, 1, shape, seed));
    side(EDGE_E, x > last - BandDepth(y, 2, shape, seed));
    side(EDGE_W, x < BandDepth(y, 3, shape, seed));
    return shape.sides != 0 && (shape.inner ? all : any);
}

int DistanceToOuter(const EdgeShape& shape, int x, int y, std::uint32_t seed, int limit) {
    if (IsOuterGround(shape, x, y, seed)) return 0;
    for (int reach = 1; reach <= limit; ++reach) {
        for (int dy = -reach; dy <= reach; ++dy) {
            for (int dx = -reach; dx <= reach; ++dx) {
                if (std::abs(dx) + std::abs(dy) <= reach && IsOuterGround(shape, x + dx, y + dy, seed))
                    return reach;
            }
        }
    }
    return limit + 1;
}

void StandObject(PixelCanvas& tile, PixelCanvas& layer, std::initializer_list<Ramp> ramps) {
    for (const Ramp& ramp : ramps)
        ShadeFromTopLeft(layer, ramp);
    OutlineOpaque(layer, Pal(PAL_OUTLINE));
    Blit(tile, layer, 0, 0);
}

void GroundShadow(PixelCanvas& tile, int centreX, int centreY, int radiusX, int radiusY) {
    for (int dy = -radiusY; dy <= radiusY; ++dy) {
        for (int dx = -radiusX; dx <= radiusX; ++dx) {
            const float nx = static_cast<float>(dx) / (radiusX + 0.5f),
                        ny = static_cast<float>(dy) / (radiusY + 0.5f);
            if (nx * nx + ny * ny > 1.0f) continue;
            const int x = centreX + dx, y = centreY + dy;
            if (IsOpaque(tile, x, y)) PutPixel(tile, x, y, DarkerInRamp(PixelAt(tile, x, y)));
        }
    }
}
