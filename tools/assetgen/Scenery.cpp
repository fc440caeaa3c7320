#include "Scenery.h"

#include <cmath>

void PlaceShadedLayer(PixelCanvas& scene, PixelCanvas& layer, int x, int y,
                      std::initializer_list<Ramp> ramps) {
    for (const Ramp& ramp : ramps)
        ShadeFromTopLeft(layer, ramp);
    OutlineOpaque(layer, Pal(PAL_OUTLINE));
    Blit(scene, layer, x, y);
}

void DrawPineTree(PixelCanvas& scene, int x, int y, int height, Rng& rng) {
    const int width = height * 2 / 3 + 2;
    PixelCanvas layer = MakeCanvas(width + 4, height + 4);
    const int centre = layer.width / 2, foot = layer.height - 2;
    FillRect(layer, centre - 1, foot - 3, 2, 3, Pal(PAL_WOOD_DARK));
    const int tiers = height > 18 ? 3 : 2;
    for (int tier = 0; tier < tiers; ++tier) {
        const int bottom = foot - 2 - tier * (height / (tiers + 1));
        const int half = (width / 2) * (tiers - tier) / tiers + 1;
        const int top = bottom - height / 2 - RandomRange(rng, 0, 1);
        FillPolygon(layer, {{centre - half, bottom}, {centre, std::max(1, top)}, {centre + half + 1, bottom}},
                    Pal(PAL_GRASS_DARK));
    }
    PlaceShadedLayer(scene, layer, x - centre, y - foot,
                     {Ramp{PAL_FOREST_DEEP, PAL_GRASS_DARK, PAL_GRASS_MID}});
}

void DrawRoundTree(PixelCanvas& scene, int x, int y, int radius, Rng& rng) {
    PixelCanvas layer = MakeCanvas(radius * 2 + 6, radius * 3 + 6);
    const int centre = layer.width / 2, foot = layer.height - 2;
    FillRect(layer, centre - 1, foot - radius, 3, radius, Pal(PAL_WOOD_MID));
    const int crownY = foot - radius - radius * 2 / 3;
    FillCircle(layer, centre, crownY, radius, Pal(PAL_GRASS_MID));
    for (int blob = 0; blob < 3; ++blob) {
        FillCircle(layer, centre + RandomRange(rng, -radius / 2, radius / 2),
                   crownY + RandomRange(rng, -radius / 2, 1), radius * 2 / 3, Pal(PAL_GRASS_MID));
    }
    ShadeFromTopLeft(layer, RAMP_WOOD);
    // Leaf clusters catch the light on the upper left of the crown.
    for (int spot = 0; spot < radius; ++spot) {
        const int dx = RandomRange(rng, -radius, radius / 3), dy = RandomRange(rng, -radius, 0);
        if (PixelAt(layer, centre + dx, crownY + dy) == Pal(PAL_GRASS_MID))
            PutPixel(layer, centre + dx, crownY + dy, Pal(PAL_GRASS_LIGHT));
    }
    DitherShadow(layer, centre, crownY, radius + 2, radius + 2, 8);
    PlaceShadedLayer(scene, layer, x - centre, y - foot, {RAMP_GRASS});
}

namespace {

void DrawHutRoof(PixelCanvas& layer, int left, int right, int eaves, int peak, RoofStyle roof) {
    const PaletteIndex base = roof == ROOF_THATCH ? PAL_GOLD_MID : PAL_CLOTH_MID;
    const int centre = (left + right) / 2;
    FillPolygon(layer, {{left - 3, eaves}, {centre, peak}, {centre + 1, peak}, {right + 3, eaves}},
                Pal(base));
    // Thatch is combed in rows; tiles are laid in courses: both read as lines across the roof.
    const PaletteIndex line = roof == ROOF_THATCH ? PAL_GOLD_DARK : PAL_CLOTH_DARK;
    for (int row = eaves - 3; row > peak + 2; row -= 3) {
        for (int column = left - 3; column <= right + 3; ++column) {
            if (PixelAt(layer, column, row) == Pal(base) && (column + row) % 4 != 0)
                PutPixel(layer, column, row, Pal(line));
        }
    }
}

}  // namespace

void DrawGoblinHut(PixelCanvas& scene, int x, int y, int width, RoofStyle roof, Rng& rng) {
    const int wallHeight = width / 2 + 1, roofHeight = width * 3 / 4 + RandomRange(rng, 0, 3);
    PixelCanvas layer = MakeCanvas(width + 10, wallHeight + roofHeight + 8);
    const int left = 5, right = left + width - 1, foot = layer.height - 2;
    const int eaves = foot - wallHeight;
    FillRect(layer, left, eaves, width, wallHeight, Pal(PAL_WOOD_MID));
    for (int column = left + 2; column < right; column += 3)
        DrawLine(layer, column, eaves + 1, column, foot - 1, Pal(PAL_WOOD_DARK));
    const int doorX = left + width / 3;
    FillRect(layer, doorX, foot - wallHeight * 2 / 3, 4, wallHeight * 2 / 3, Pal(PAL_OUTLINE));
    FillRect(layer, doorX + 1, foot - wallHeight * 2 / 3 + 1, 2, wallHeight * 2 / 3 - 1, Pal(PAL_WOOD_DARK));
    FillRect(layer, right - 5, eaves + 3, 3, 3, Pal(PAL_GOLD_LIGHT));  // a lamp is lit inside
    PutPixel(layer, right - 3, eaves + 5, Pal(PAL_GOLD_MID));
    if (RandomRange(rng, 0, 1) == 1)
        FillRect(layer, right - 4, eaves - roofHeight / 2 - 2, 3, roofHeight / 2, Pal(PAL_STONE_MID));
    DrawHutRoof(layer, left, right, eaves + 1, foot - wallHeight - roofHeight, roof);
    PlaceShadedLayer(scene, layer, x - left, y - foot,
                     {RAMP_WOOD, RAMP_STONE, roof == ROOF_THATCH ? RAMP_GOLD : RAMP_CLOTH});
}

void DrawCloud(PixelCanvas& scene, int x, int y, int width, Rng& rng) {
    PixelCanvas layer = MakeCanvas(width + 4, width / 2 + 6);
    const int base = layer.height - 3;
    FillEllipse(layer, layer.width / 2, base - 2, width / 2 - 1, 3, Pal(PAL_SKY_LIGHT));
    for (int puff = 0; puff < 3; ++puff) {
        const int radius = width / 6 + RandomRange(rng, 0, width / 10);
        FillCircle(layer, 2 + width / 6 + puff * width / 3, base - radius + 1, radius, Pal(PAL_SKY_LIGHT));
    }
    ShadeFromTopLeft(layer, Ramp{PAL_SKY_MID, PAL_SKY_LIGHT, PAL_WHITE});
    FillRect(layer, 0, base, layer.width, 3, sf::Color::Transparent);
    // Clouds are soft: instead of the dark line they get the sky's own shadow colour underneath.
    for (int column = 0; column < layer.width; ++column)
        if (IsOpaque(layer, column, base - 1)) PutPixel(layer, column, base - 1, Pal(PAL_SKY_MID));
    Blit(scene, layer, x, y);
}

int RidgeY(int x, int baseY, int amplitude, float waveLength, float phase) {
    const float t = static_cast<float>(x) / waveLength + phase;
    const float swell = std::sin(t) * 0.65f + std::sin(t * 2.3f + 1.7f) * 0.35f;
    return baseY - static_cast<int>(std::lround(swell * static_cast<float>(amplitude)));
}

void FillRidge(PixelCanvas& scene, int baseY, int amplitude, float waveLength, float phase,
               sf::Color colour) {
    for (int column = 0; column < scene.width; ++column)
        FillRect(scene, column, RidgeY(column, baseY, amplitude, waveLength, phase), 1, scene.height, colour);
}
