// The water the puzzles fill the bucket from, and the small keepsakes lying about the hero's home.
//
// The two water sources are read like people (a 7 x 8 sheet of 64 x 64 frames) but never move: every row
// holds the same gentle shimmer. Both stand on night maps, so they are drawn in the colours the night
// painting gives water and stone. The bathtub's sheet is only the moving light on its water: stood on the
// seam of the house's two bathtub tiles, just below their rim, it lies over the water those tiles paint.

#include "AssetGroups.h"
#include "AssetRegistry.h"
#include "CharacterArt.h"

#include <cmath>
#include <vector>

namespace {

const int WATER_ART = 32;  // art pixels a frame, doubled on the sheet
const int KEEPSAKE_ART = 32;
const float SHIMMER_TWO_PI = 6.2831853f;

// A light that swells and fades once over the seven frames, starting at `phase` (0 to 6).
int Swell(int frame, int phase) {
    const float angle = SHIMMER_TWO_PI * static_cast<float>(frame - phase) / CHARACTER_COLUMNS;
    return static_cast<int>(std::lround(1.5f + 1.5f * std::cos(angle)));  // 0 to 3
}

// A glint: one pixel at rest, a small cross at its brightest.
void Glint(PixelCanvas& art, int x, int y, int strength, PaletteIndex core, PaletteIndex halo) {
    if (strength == 0) return;
    PutPixel(art, x, y, Pal(strength >= 2 ? core : halo));
    if (strength < 3) return;
    for (const auto& [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}})
        PutPixel(art, x + dx, y + dy, Pal(halo, 200));
}

// Short ripple strokes drifting to the right and back, one step every frame or two.
void Ripples(PixelCanvas& art, int frame, int left, int right, const std::vector<int>& rows,
             PaletteIndex colour) {
    const int drift[CHARACTER_COLUMNS] = {0, 1, 2, 2, 1, 0, 0};
    for (size_t line = 0; line < rows.size(); ++line) {
        const int offset = (line % 2 == 0 ? drift[frame] : -drift[frame]) + static_cast<int>(line) * 5;
        for (int x = left + (offset % 7 + 7) % 7; x + 3 <= right; x += 9)
            FillRect(art, x, rows[line], 3, 1, Pal(colour, 210));
    }
}

// The forest's spring: a clear pool where the lake meets the shore, ringed by stones on the near side,
// reeds at its left and the moon trembling on the water.
PixelCanvas ForestWaterFrame(int frame) {
    PixelCanvas art = MakeCanvas(WATER_ART, WATER_ART);
    FillEllipse(art, 16, 18, 12, 6, Pal(PAL_WATER_DARK));
    Ripples(art, frame, 7, 26, {15, 18, 21}, PAL_WATER_MID);
    const int rim[][2] = {{5, 23}, {10, 25}, {16, 26}, {22, 25}, {27, 23}};
    for (const auto& [x, y] : rim) {  // each stone outlined on its own, so the ring reads stone by stone
        PixelCanvas stone = MakeCanvas(WATER_ART, WATER_ART);
        FillEllipse(stone, x, y, 2, 1, Pal(PAL_NAVY_MID));
        ShadeFromTopLeft(stone, RAMP_NAVY);
        OutlineOpaque(stone, Pal(PAL_OUTLINE));
        Blit(art, stone, 0, 0);
    }
    PixelCanvas reeds = MakeCanvas(WATER_ART, WATER_ART);
    const int sway = frame >= 2 && frame <= 4 ? 1 : 0;  // a breath of wind through the reeds
    DrawLine(reeds, 3, 21, 2 + sway, 9, Pal(PAL_FOREST_DEEP));
    DrawLine(reeds, 5, 21, 6 + sway, 7, Pal(PAL_GRASS_DARK));
    DrawLine(reeds, 7, 20, 8, 12, Pal(PAL_FOREST_DEEP));
    FillRect(reeds, 5 + sway, 7, 2, 3, Pal(PAL_WOOD_DARK));  // a bulrush head
    OutlineOpaque(reeds, Pal(PAL_OUTLINE));
    Blit(art, reeds, 0, 0);
    Glint(art, 13, 15, Swell(frame, 0), PAL_WATER_FOAM, PAL_WATER_LIGHT);
    Glint(art, 20, 18, Swell(frame, 3), PAL_WATER_FOAM, PAL_WATER_LIGHT);
    Glint(art, 24, 15, Swell(frame, 5) / 2, PAL_WHITE, PAL_WATER_FOAM);
    return art;
}

// Light on the bathtub's water: the night-blue ripples of the tub and, this night, the glow of the fire
// flickering on them. Nothing else, so the tub's own tiles show around it.
PixelCanvas BathtubFrame(int frame) {
    PixelCanvas art = MakeCanvas(WATER_ART, WATER_ART);
    Ripples(art, frame, 3, 29, {3, 6, 9}, PAL_WATER_MID);
    Glint(art, 9, 5, Swell(frame, 1), PAL_WATER_FOAM, PAL_WATER_LIGHT);
    Glint(art, 22, 8, Swell(frame, 4), PAL_WATER_FOAM, PAL_WATER_LIGHT);
    const int flicker = Swell(frame, 2);
    if (flicker > 0) FillRect(art, 15, 3, 1 + flicker, 1, Pal(PAL_CLOTH_LIGHT, 170));
    if (flicker == 3) PutPixel(art, 16, 2, Pal(PAL_GOLD_LIGHT, 200));
    return art;
}

PixelCanvas StillSheet(PixelCanvas (*frameOf)(int)) {
    PixelCanvas sheet = MakeCanvas(CHARACTER_COLUMNS * WATER_ART, CHARACTER_ROWS * WATER_ART);
    for (int column = 0; column < CHARACTER_COLUMNS; ++column) {
        const PixelCanvas frame = frameOf(column);
        for (int row = 0; row < CHARACTER_ROWS; ++row)
            Blit(sheet, frame, column * WATER_ART, row * WATER_ART);
    }
    return sheet;
}

void Finish(PixelCanvas& art, const Ramp& ramp) {
    ShadeFromTopLeft(art, ramp);
    OutlineOpaque(art, Pal(PAL_OUTLINE));
}

PixelCanvas Apple() {
    PixelCanvas art = MakeCanvas(KEEPSAKE_ART, KEEPSAKE_ART);
    FillCircle(art, 12, 19, 8, Pal(PAL_CLOTH_MID));
    FillCircle(art, 20, 19, 8, Pal(PAL_CLOTH_MID));
    FillEllipse(art, 16, 22, 10, 6, Pal(PAL_CLOTH_MID));
    FillRect(art, 15, 11, 2, 2, Pal(PAL_CLOTH_DARK));  // the dimple the stem grows from
    Finish(art, RAMP_CLOTH);
    PixelCanvas stem = MakeCanvas(KEEPSAKE_ART, KEEPSAKE_ART);
    DrawLine(stem, 16, 11, 17, 6, Pal(PAL_WOOD_MID));
    FillEllipse(stem, 21, 6, 3, 1, Pal(PAL_GRASS_MID));
    Finish(stem, RAMP_GRASS);
    Blit(art, stem, 0, 0);
    FillRect(art, 10, 15, 2, 3, Pal(PAL_CLOTH_LIGHT));  // the shine
    PutPixel(art, 10, 14, Pal(PAL_WHITE));
    return art;
}

// Pell's reed flute, carved from cane, with a red cord at its foot.
PixelCanvas Flute() {
    PixelCanvas art = MakeCanvas(KEEPSAKE_ART, KEEPSAKE_ART);
    for (int width = 0; width < 4; ++width)
        DrawLine(art, 4, 23 + width, 27, 9 + width, Pal(PAL_PARCH_MID));
    Finish(art, RAMP_PARCH);
    FillRect(art, 24, 9, 3, 2, Pal(PAL_WOOD_DARK));  // the mouth of the flute
    for (int hole = 0; hole < 5; ++hole)
        PutPixel(art, 10 + hole * 3, 21 - hole * 2, Pal(PAL_WOOD_DARK));
    PixelCanvas cord = MakeCanvas(KEEPSAKE_ART, KEEPSAKE_ART);
    DrawLine(cord, 6, 24, 5, 29, Pal(PAL_CLOTH_MID));
    DrawLine(cord, 7, 24, 9, 29, Pal(PAL_CLOTH_MID));
    FillRect(cord, 5, 23, 3, 2, Pal(PAL_CLOTH_MID));
    Finish(cord, RAMP_CLOTH);
    Blit(art, cord, 0, 0);
    return art;
}

}  // namespace

void GenerateWaterSourceSheets(AssetWriter& writer) {
    WritePixelArt(writer, "Sprites/Characters/ForestWater.png", StillSheet(ForestWaterFrame), 2);
    WritePixelArt(writer, "Sprites/Characters/Bathtub.png", StillSheet(BathtubFrame), 2);
}

void GenerateKeepsakePictures(AssetWriter& writer) {
    WritePixelArt(writer, "Sprites/Items/Apple.png", Apple(), 2);
    WritePixelArt(writer, "Sprites/Items/Flute.png", Flute(), 2);
}
