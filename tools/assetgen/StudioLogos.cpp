// The two studio logos of the splash: Quendal (a moon-and-stars seal over its name) and Brisvane (a
// weathervane shield beside its name). Both on a transparent ground: the game centres them on black.

#include "AssetGroups.h"
#include "AssetRegistry.h"
#include "PixelFont.h"
#include "Scenery.h"

namespace {

const int LOGO_WIDTH = 200;  // 800x400 after the x4 enlargement
const int LOGO_HEIGHT = 100;
const int LOGO_SCALE = 4;

void DrawWordmark(PixelCanvas& logo, int x, int y, const std::string& name, int scale, const Ramp& ramp) {
    Blit(logo, RenderDisplayText(name, scale, ramp), x - 3, y - 3);
}

void DrawStar(PixelCanvas& layer, int x, int y) {
    PutPixel(layer, x, y, Pal(PAL_WHITE));
    PutPixel(layer, x - 1, y, Pal(PAL_GOLD_LIGHT));
    PutPixel(layer, x + 1, y, Pal(PAL_GOLD_LIGHT));
    PutPixel(layer, x, y - 1, Pal(PAL_GOLD_LIGHT));
    PutPixel(layer, x, y + 1, Pal(PAL_GOLD_LIGHT));
}

// A round gold seal holding a crescent moon and three stars over a night sky.
void DrawQuendalSeal(PixelCanvas& logo, int centreX, int centreY) {
    const int radius = 27;
    PixelCanvas seal = MakeCanvas(2 * radius + 6, 2 * radius + 6);
    const int c = radius + 3;
    FillCircle(seal, c, c, radius, Pal(PAL_GOLD_MID));
    FillCircle(seal, c, c, radius - 4, Pal(PAL_OUTLINE));
    FillCircle(seal, c, c, radius - 5, Pal(PAL_NAVY_DARK));
    for (int row = 0; row < 2 * radius; ++row) {
        for (int column = 0; column < 2 * radius; ++column) {
            if (PixelAt(seal, column, row) == Pal(PAL_NAVY_DARK) && row < c - 6 && DitherOn(column, row, 6))
                PutPixel(seal, column, row, Pal(PAL_NAVY_MID));
        }
    }
    FillCircle(seal, c - 2, c + 1, 14, Pal(PAL_PARCH_LIGHT));
    FillCircle(seal, c + 5, c - 3, 12, Pal(PAL_NAVY_DARK));  // the bite that leaves a crescent
    ShadeFromTopLeft(seal, RAMP_GOLD);
    DrawStar(seal, c + 10, c - 12);
    DrawStar(seal, c + 15, c + 2);
    DrawStar(seal, c + 6, c + 11);
    OutlineOpaque(seal, Pal(PAL_OUTLINE));
    Blit(logo, seal, centreX - c, centreY - c);
}

PixelCanvas PaintQuendal() {
    PixelCanvas logo = MakeCanvas(LOGO_WIDTH, LOGO_HEIGHT);
    DrawQuendalSeal(logo, LOGO_WIDTH / 2, 36);
    const std::string name = "QUENDAL";
    DrawWordmark(logo, (LOGO_WIDTH - TextWidth(name, 2)) / 2 - 1, 70, name, 2, RAMP_GOLD);
    TextStyle tagline;
    tagline.fill = Pal(PAL_PARCH_MID);
    DrawTextCentred(logo, LOGO_WIDTH / 2, 93, "games", tagline);
    return logo;
}

// A red shield with a white swallow riding a weathervane arrow, wind lines streaming past.
void DrawBrisvaneShield(PixelCanvas& logo, int x, int y) {
    PixelCanvas shield = MakeCanvas(52, 62);
    FillPolygon(shield, {{3, 3}, {49, 3}, {49, 34}, {26, 59}, {3, 34}}, Pal(PAL_CLOTH_MID));
    FillPolygon(shield, {{7, 7}, {45, 7}, {45, 33}, {26, 54}, {7, 33}}, Pal(PAL_CLOTH_DARK));
    FillPolygon(shield, {{8, 8}, {44, 8}, {44, 32}, {26, 52}, {8, 32}}, Pal(PAL_CLOTH_MID));
    FillRect(shield, 25, 22, 2, 28, Pal(PAL_GOLD_MID));  // the vane's mast
    FillRect(shield, 11, 27, 30, 2, Pal(PAL_GOLD_MID));  // its arrow, pointing into the wind
    FillPolygon(shield, {{40, 23}, {46, 28}, {40, 33}}, Pal(PAL_GOLD_MID));
    FillPolygon(shield, {{9, 23}, {14, 28}, {9, 33}}, Pal(PAL_GOLD_MID));
    // The swallow, forked tail streaming behind it, rides the top of the vane.
    DrawPixelMap(shield, 13, 10,
                 {"##.........", ".##....###.", "..###.####o", "...######..", "..##.###...", ".##........",
                  "##........."},
                 {{'#', Pal(PAL_WHITE)}, {'o', Pal(PAL_GOLD_LIGHT)}}, 2);
    const int windLength[] = {14, 20, 10};
    for (int line = 0; line < 3; ++line) {
        const int y = 34 + line * 5, x = 10 + line * 2;
        DrawLine(shield, x, y, x + windLength[line], y, Pal(PAL_PARCH_LIGHT));
        PutPixel(shield, x + windLength[line] + 1, y - 1, Pal(PAL_PARCH_LIGHT));  // the gust curls up
    }
    ShadeFromTopLeft(shield, RAMP_CLOTH);
    ShadeFromTopLeft(shield, RAMP_GOLD);
    OutlineOpaque(shield, Pal(PAL_OUTLINE));
    Blit(logo, shield, x, y);
}

PixelCanvas PaintBrisvane() {
    PixelCanvas logo = MakeCanvas(LOGO_WIDTH, LOGO_HEIGHT);
    DrawBrisvaneShield(logo, 6, 19);
    DrawWordmark(logo, 62, 34, "Brisvane", 3, RAMP_WATER);
    TextStyle tagline;
    tagline.fill = Pal(PAL_WATER_FOAM);
    DrawText(logo, 66, 66, "interactive", tagline);
    FillRect(logo, 66, 62, 130, 1, Pal(PAL_WATER_MID));
    return logo;
}

}  // namespace

void GenerateStudioLogos(AssetWriter& writer) {
    WritePixelArt(writer, "Sprites/Start/Logo/Quendal.png", PaintQuendal(), LOGO_SCALE);
    WritePixelArt(writer, "Sprites/Start/Logo/Brisvane.png", PaintBrisvane(), LOGO_SCALE);
}
