// How a battle ends: the victory banner (shown at scale 2 around (960, 360) with three white lines written
// across it at y 180, 360 and 540), and the game-over lettering and its button, shown at their own size over
// a black veil around (960, 240) and (960, 740).

#include "AssetGroups.h"
#include "AssetRegistry.h"
#include "PixelFont.h"
#include "UiFrame.h"

#include <vector>

namespace {

const int VICTORY_FACTOR = 2;
const int VICTORY_WIDTH = 225;
const int VICTORY_HEIGHT = 130;
const int VICTORY_PANEL_TOP = 5;  // the ribbon rides on the top rim
const int END_FACTOR = 4;

// The banner's interior gets the panel's soft fade towards the bottom.
void ShadeLowerHalf(PixelCanvas& banner, int top) {
    const int left = UI_BORDER, right = banner.width - UI_BORDER, bottom = banner.height - UI_BORDER;
    const int fadeTop = (top + bottom) / 2;
    for (int y = fadeTop; y < bottom; ++y)
        DitherShadow(banner, left, y, right - left, 1, 2 + ((y - fadeTop) * 6) / (bottom - fadeTop));
    FillRect(banner, left, top + UI_BORDER, right - left, 1, Pal(PAL_SKY_DEEP));
}

// A red ribbon with swallow-tailed ends, "VICTORY" in gold on it.
void DrawRibbon(PixelCanvas& banner) {
    const int centre = VICTORY_WIDTH / 2, half = 44, height = 12;
    PixelCanvas ribbon = MakeCanvas(banner.width, height + 2);
    for (int side : {-1, 1}) {
        const int outer = centre + side * (half + 10), inner = centre + side * (half - 2);
        FillPolygon(ribbon, {{inner, 3}, {outer, 3}, {outer - side * 4, 7}, {outer, 12}, {inner, 12}},
                    Pal(PAL_CLOTH_DARK));
    }
    FillRect(ribbon, centre - half, 1, 2 * half + 1, height - 1, Pal(PAL_CLOTH_MID));
    ShadeFromTopLeft(ribbon, RAMP_CLOTH);
    OutlineOpaque(ribbon, Pal(PAL_OUTLINE));
    Blit(banner, ribbon, 0, 0);
    TextStyle title;
    title.fill = Pal(PAL_GOLD_LIGHT);
    title.shadow = Pal(PAL_OUTLINE);
    DrawTextCentred(banner, centre, 7, "VICTORY", title);
}

// A gold laurel branch climbing one side of the banner, leaves alternating along a gently bent stem.
void DrawLaurel(PixelCanvas& banner, int x, bool mirrored) {
    PixelCanvas branch = MakeCanvas(26, 84);
    for (int y = 4; y < 80; ++y) {
        const int bend = (y - 42) * (y - 42) / 180;
        PutPixel(branch, 12 - bend, y, Pal(PAL_GOLD_DARK));
        if (y % 8 == 4) {
            FillEllipse(branch, 12 - bend - 5, y - 1, 3, 1, Pal(PAL_GOLD_MID));
            FillEllipse(branch, 12 - bend + 5, y + 3, 3, 1, Pal(PAL_GOLD_MID));
        }
    }
    FillEllipse(branch, 12, 3, 1, 2, Pal(PAL_GOLD_MID));
    ShadeFromTopLeft(branch, RAMP_GOLD);
    OutlineOpaque(branch, Pal(PAL_OUTLINE));
    if (mirrored) FlipHorizontal(branch);
    Blit(banner, branch, x, 26);
}

void DrawSparkle(PixelCanvas& canvas, int x, int y) {
    DrawPixelMap(canvas, x - 2, y - 2, {"..w..", "..g..", "wgWgw", "..g..", "..w.."},
                 {{'w', Pal(PAL_GOLD_LIGHT)}, {'g', Pal(PAL_PARCH_LIGHT)}, {'W', Pal(PAL_WHITE)}});
}

PixelCanvas VictoryBanner() {
    PixelCanvas banner = MakeCanvas(VICTORY_WIDTH, VICTORY_HEIGHT);
    DrawNineSlice(banner, MakeFrameTile(PANEL_NAVY, true), 0, VICTORY_PANEL_TOP, VICTORY_WIDTH,
                  VICTORY_HEIGHT - VICTORY_PANEL_TOP);
    ShadeLowerHalf(banner, VICTORY_PANEL_TOP);
    DrawLaurel(banner, 6, false);
    DrawLaurel(banner, VICTORY_WIDTH - 32, true);
    for (const PixelPoint& spark :
         std::vector<PixelPoint>{{14, 18}, {30, 112}, {VICTORY_WIDTH - 15, 20}, {VICTORY_WIDTH - 28, 110}})
        DrawSparkle(banner, spark.x, spark.y);
    DrawRibbon(banner);
    return banner;
}

// A small skull resting on a gold rule with curled ends.
void DrawGraveOrnament(PixelCanvas& canvas, int centreX, int y) {
    PixelCanvas rule = MakeCanvas(canvas.width, 14);
    FillRect(rule, centreX - 80, 6, 161, 2, Pal(PAL_GOLD_MID));
    for (int side : {-1, 1}) {
        const int end = centreX + side * 80;
        FillCircle(rule, end + side * 3, 5, 3, Pal(PAL_GOLD_MID));
        FillCircle(rule, end + side * 3, 5, 1, sf::Color::Transparent);
        FillPolygon(rule, {{centreX + side * 12, 4}, {centreX + side * 20, 7}, {centreX + side * 12, 10}},
                    Pal(PAL_GOLD_MID));
    }
    ShadeFromTopLeft(rule, RAMP_GOLD);
    OutlineOpaque(rule, Pal(PAL_OUTLINE));
    Blit(canvas, rule, 0, y);
    PixelCanvas skull = MakeCanvas(13, 13);
    DrawPixelMap(skull, 2, 2, {".LLLLL.", "LLLLLLL", "LoLLoLs", "LoLLoLs", "LLLoLLs", ".LsLsL.", ".L.L.L."},
                 {{'L', Pal(PAL_STONE_LIGHT)}, {'o', Pal(PAL_OUTLINE)}, {'s', Pal(PAL_STONE_MID)}});
    PutPixel(skull, 3, 3, Pal(PAL_WHITE));
    OutlineOpaque(skull, Pal(PAL_OUTLINE));
    Blit(canvas, skull, centreX - 6, y);
}

PixelCanvas GameOverLettering() {
    PixelCanvas canvas = MakeCanvas(240, 80);
    const PixelCanvas letters = RenderDisplayText("GAME OVER", 4, RAMP_CLOTH);
    const int x = (canvas.width - letters.width) / 2, y = 8;
    PixelCanvas shadow = letters;
    for (int row = 0; row < shadow.height; ++row) {
        for (int column = 0; column < shadow.width; ++column)
            if (IsOpaque(shadow, column, row)) PutPixel(shadow, column, row, Pal(PAL_CLOTH_DARK));
    }
    Blit(canvas, shadow, x + 2, y + 3);
    Blit(canvas, letters, x, y);
    DrawGraveOrnament(canvas, canvas.width / 2, y + letters.height + 8);
    return canvas;
}

}  // namespace

void GenerateBattleEndScreens(AssetWriter& writer) {
    WritePixelArt(writer, "Sprites/Battle/BattleHUD/VictoryBackground.png", VictoryBanner(), VICTORY_FACTOR);
    WritePixelArt(writer, "Sprites/Game Over/GameOver.png", GameOverLettering(), END_FACTOR);
    WritePixelArt(writer, "Sprites/Game Over/XFailed.png",
                  MakeButton(100, 25, "Back to title", BUTTON_HIGHLIGHTED), END_FACTOR);
}
