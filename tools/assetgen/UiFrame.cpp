#include "UiFrame.h"

#include "PixelFont.h"

#include <algorithm>

namespace {

struct FrameLook {
    Ramp rim;
    PaletteIndex interior;
    PaletteIndex studLight;
    PaletteIndex studMid;
    PaletteIndex studDark;
};

FrameLook LookFor(PanelInterior interior, bool goldLit) {
    const PaletteIndex inside =
        interior == PANEL_PARCHMENT ? PAL_PARCH_MID : (goldLit ? PAL_NAVY_MID : PAL_NAVY_DARK);
    if (goldLit) return {RAMP_GOLD, inside, PAL_WHITE, PAL_PARCH_LIGHT, PAL_GOLD_MID};
    return {RAMP_WOOD, inside, PAL_GOLD_LIGHT, PAL_GOLD_MID, PAL_GOLD_DARK};
}

void DrawStud(PixelCanvas& tile, int x, int y, const FrameLook& look) {
    const PaletteIndex pattern[3][3] = {{look.studLight, look.studLight, look.studMid},
                                        {look.studLight, look.studMid, look.studDark},
                                        {look.studMid, look.studDark, look.studDark}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            PutPixel(tile, x + column, y + row, Pal(pattern[row][column]));
    }
}

// The repeated piece of an edge copied along one axis, or the centre copied in both.
void TileRegion(PixelCanvas& canvas, const PixelCanvas& tile, int sourceX, int sourceY, int sourceWidth,
                int sourceHeight, int x, int y, int width, int height) {
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            PutPixel(canvas, x + column, y + row,
                     PixelAt(tile, sourceX + column % sourceWidth, sourceY + row % sourceHeight));
        }
    }
}

// Light falls on the interior from the top: a soft dithered fade to the darker step lower down, and for a
// pressed button a shadow line under the top rim, which reads as the face sitting deeper.
void ShadeInterior(PixelCanvas& canvas, int x, int y, int width, int height, bool pressed) {
    const int left = x + UI_BORDER, top = y + UI_BORDER;
    const int innerWidth = width - 2 * UI_BORDER, innerHeight = height - 2 * UI_BORDER;
    if (innerWidth <= 0 || innerHeight <= 0) return;
    const int fadeTop = top + innerHeight / 2;
    for (int row = fadeTop; row < top + innerHeight; ++row) {
        const int level = 2 + ((row - fadeTop) * 6) / std::max(1, innerHeight - innerHeight / 2);
        DitherShadow(canvas, left, row, innerWidth, 1, level);
    }
    const sf::Color rim = PixelAt(canvas, left, top);
    if (pressed) {
        FillRect(canvas, left, top, innerWidth, 1, DarkerInRamp(rim));
        FillRect(canvas, left, top, 1, innerHeight, DarkerInRamp(rim));
    } else {
        FillRect(canvas, left, top, innerWidth, 1, LighterInRamp(rim));
    }
}

}  // namespace

PixelCanvas MakeFrameTile(PanelInterior interior, bool goldLit) {
    const FrameLook look = LookFor(interior, goldLit);
    const int last = UI_TILE_SIZE - 1;
    PixelCanvas tile = MakeCanvas(UI_TILE_SIZE, UI_TILE_SIZE, Pal(look.rim.mid));
    FillRect(tile, UI_BORDER, UI_BORDER, UI_TILE_SIZE - 2 * UI_BORDER, UI_TILE_SIZE - 2 * UI_BORDER,
             Pal(look.interior));
    StrokeRect(tile, 0, 0, UI_TILE_SIZE, UI_TILE_SIZE, Pal(PAL_OUTLINE));
    FillRect(tile, 1, 1, UI_TILE_SIZE - 2, 1, Pal(look.rim.light));
    FillRect(tile, 1, 1, 1, UI_TILE_SIZE - 2, Pal(look.rim.light));
    FillRect(tile, 1, last - 1, UI_TILE_SIZE - 2, 1, Pal(look.rim.dark));
    FillRect(tile, last - 1, 2, 1, UI_TILE_SIZE - 3, Pal(look.rim.dark));
    StrokeRect(tile, UI_BORDER - 1, UI_BORDER - 1, UI_TILE_SIZE - 2 * (UI_BORDER - 1),
               UI_TILE_SIZE - 2 * (UI_BORDER - 1), Pal(PAL_OUTLINE));
    DrawStud(tile, 1, 1, look);
    DrawStud(tile, last - 3, 1, look);
    DrawStud(tile, 1, last - 3, look);
    DrawStud(tile, last - 3, last - 3, look);
    return tile;
}

void DrawNineSlice(PixelCanvas& canvas, const PixelCanvas& tile, int x, int y, int width, int height) {
    const int corner = UI_BORDER, middle = tile.width - 2 * corner;
    const int innerWidth = width - 2 * corner, innerHeight = height - 2 * corner;
    const int right = x + width - corner, bottom = y + height - corner, tileFar = tile.width - corner;
    TileRegion(canvas, tile, 0, 0, corner, corner, x, y, corner, corner);
    TileRegion(canvas, tile, tileFar, 0, corner, corner, right, y, corner, corner);
    TileRegion(canvas, tile, 0, tileFar, corner, corner, x, bottom, corner, corner);
    TileRegion(canvas, tile, tileFar, tileFar, corner, corner, right, bottom, corner, corner);
    TileRegion(canvas, tile, corner, 0, middle, corner, x + corner, y, innerWidth, corner);
    TileRegion(canvas, tile, corner, tileFar, middle, corner, x + corner, bottom, innerWidth, corner);
    TileRegion(canvas, tile, 0, corner, corner, middle, x, y + corner, corner, innerHeight);
    TileRegion(canvas, tile, tileFar, corner, corner, middle, right, y + corner, corner, innerHeight);
    TileRegion(canvas, tile, corner, corner, middle, middle, x + corner, y + corner, innerWidth, innerHeight);
}

void DrawPanel(PixelCanvas& canvas, int x, int y, int width, int height, PanelInterior interior) {
    DrawNineSlice(canvas, MakeFrameTile(interior, false), x, y, width, height);
    ShadeInterior(canvas, x, y, width, height, false);
}

PixelCanvas MakePanel(int width, int height, PanelInterior interior) {
    PixelCanvas canvas = MakeCanvas(width, height);
    DrawPanel(canvas, 0, 0, width, height, interior);
    return canvas;
}

void DrawButton(PixelCanvas& canvas, int x, int y, int width, int height, const std::string& label,
                ButtonState state) {
    const bool lit = state == BUTTON_HIGHLIGHTED;
    DrawNineSlice(canvas, MakeFrameTile(PANEL_NAVY, lit), x, y, width, height);
    ShadeInterior(canvas, x, y, width, height, lit);
    TextStyle style;
    style.fill = Pal(lit ? PAL_GOLD_LIGHT : PAL_PARCH_LIGHT);
    style.shadow = Pal(PAL_OUTLINE);
    const int inset = lit ? 1 : 0;
    DrawTextCentred(canvas, x + width / 2 + inset, y + height / 2 + inset, label, style);
}

PixelCanvas MakeButton(int width, int height, const std::string& label, ButtonState state) {
    PixelCanvas canvas = MakeCanvas(width, height);
    DrawButton(canvas, 0, 0, width, height, label, state);
    return canvas;
}
