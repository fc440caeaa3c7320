// The fishing minigame over the map: the arrows showing which way the hooked fish pulls, the fish itself
// in the water by the hero, and the panel that tells how the catch went.
//
// The arrows and the fish sheet are drawn by the game at scale 2, so their 16- and 32-pixel art is doubled
// on disk and keeps the four-screen-pixel grain of the map. The result panel (450 x 210, at scale 2 in the
// middle of the screen) carries two lines of white text from 75 px in from its top-left corner and the
// "Press escape" hint 300 px down (screen pixels): those bands stay flat dark blue, and the fishing motif
// keeps to the right-hand end.

#include "AssetGroups.h"
#include "AssetRegistry.h"
#include "UiFrame.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

const int FISHING_FACTOR = 2;
const int ARROW_ART = 16;
const int SHEET_FRAME = 32;  // art pixels a frame, 64 on disk
const int SHEET_COLUMNS = 7;
const int SHEET_ROWS = 3;
const int RESULT_WIDTH = 225;
const int RESULT_HEIGHT = 105;
const float FISHING_TWO_PI = 6.2831853f;
const std::string FISHING_FOLDER = "Sprites/Fishing/";

// A bold arrow pointing right, unshaded, so the left one can be mirrored before the light is put on.
PixelCanvas ArrowShape() {
    PixelCanvas arrow = MakeCanvas(ARROW_ART, ARROW_ART);
    FillRect(arrow, 1, 5, 7, 6, Pal(PAL_GOLD_MID));
    FillPolygon(arrow, {{7, 1}, {15, 8}, {7, 15}}, Pal(PAL_GOLD_MID));
    return arrow;
}

PixelCanvas Arrow(bool pointsLeft) {
    PixelCanvas arrow = ArrowShape();
    if (pointsLeft) FlipHorizontal(arrow);
    ShadeFromTopLeft(arrow, RAMP_GOLD);
    // A bright streak along the shaft, where the light catches the metal.
    for (int x = 2; x < 13; ++x)
        if (PixelAt(arrow, x, 6) == Pal(PAL_GOLD_MID)) PutPixel(arrow, x, 6, Pal(PAL_GOLD_LIGHT));
    OutlineOpaque(arrow, Pal(PAL_OUTLINE));
    return arrow;
}

// Where a point of a struggle frame lands: the leftward struggle is the rightward one seen in a mirror.
float Side(float x, int direction) {
    return direction > 0 ? x : static_cast<float>(SHEET_FRAME) - 1.0f - x;
}

// The patch of open water the fish sits in, round with a dithered rim so it melts into the map's water,
// with the map's short light strokes on it.
void WaterPatch(PixelCanvas& frame, float radiusX, float radiusY) {
    for (int y = 0; y < SHEET_FRAME; ++y) {
        for (int x = 0; x < SHEET_FRAME; ++x) {
            const float dx = (static_cast<float>(x) - 15.5f) / radiusX,
                        dy = (static_cast<float>(y) - 19.0f) / radiusY;
            const float distance = std::sqrt(dx * dx + dy * dy);
            if (distance > 1.0f ||
                (distance > 0.75f &&
                 !DitherOn(std::min(x, SHEET_FRAME - 1 - x), y, static_cast<int>((1.0f - distance) * 64.0f))))
                continue;
            PutPixel(frame, x, y, Pal(PAL_WATER_MID));
        }
    }
    for (const PixelPoint& stroke :
         {PixelPoint{6, 16}, PixelPoint{23, 14}, PixelPoint{19, 25}, PixelPoint{9, 23}})
        FillRect(frame, stroke.x, stroke.y, 3, 1, Pal(PAL_WATER_LIGHT));
}

// A fish drawn along a bent spine from its head: `angle` is where the head points, `bend` how far the
// body curls by the tail (radians), `girth` its half-thickness. Gives back where its eye goes.
PixelPoint FillSpineFish(PixelCanvas& layer, float headX, float headY, float angle, float bend, float length,
                         float girth, sf::Color colour, int direction) {
    auto at = [direction](float x, float y) {
        return PixelPoint{static_cast<int>(std::lround(Side(x, direction))),
                          static_cast<int>(std::lround(y))};
    };
    float x = headX, y = headY;
    PixelPoint eye = at(x, y);
    const int steps = static_cast<int>(length * 2.0f);
    for (int step = 0; step <= steps; ++step) {
        const float s = static_cast<float>(step) / static_cast<float>(steps);
        const float heading = angle + bend * s * s;
        const float radius = girth * (s < 0.3f ? 0.4f + 2.0f * s : 1.0f - (s - 0.3f) * 1.1f);
        const PixelPoint centre = at(x, y);
        FillCircle(layer, centre.x, centre.y, static_cast<int>(std::lround(std::max(0.0f, radius))), colour);
        const float upX = std::sin(heading), upY = -std::cos(heading);  // the back's side of the spine
        if (step == steps / 6) eye = at(x + upX * radius * 0.4f, y + upY * radius * 0.4f);
        if (step == steps * 2 / 5) {  // the dorsal fin, raked back
            FillPolygon(layer,
                        {at(x + upX * radius, y + upY * radius),
                         at(x + upX * (radius + 2.0f) - std::cos(heading) * 2.0f,
                            y + upY * (radius + 2.0f) - std::sin(heading) * 2.0f),
                         at(x + upX * radius - std::cos(heading) * 3.0f,
                            y + upY * radius - std::sin(heading) * 3.0f)},
                        colour);
        }
        if (step == steps) {  // the forked tail, spread across the spine's end
            const float spread = girth * 1.8f, back = girth * 1.6f;
            const float endX = x - std::cos(heading) * back, endY = y - std::sin(heading) * back;
            FillPolygon(layer,
                        {centre, at(endX + upX * spread, endY + upY * spread),
                         at(endX - std::cos(heading) * -1.0f, endY - std::sin(heading) * -1.0f),
                         at(endX - upX * spread, endY - upY * spread)},
                        colour);
        }
        x -= std::cos(heading) * 0.5f;
        y -= std::sin(heading) * 0.5f;
    }
    return eye;
}

// A flattened ring of the water's surface, bright while fresh, broken up as it widens and fades.
void Ripple(PixelCanvas& frame, float centreX, float centreY, float radius, int age) {
    for (int step = 0; step < 36; ++step) {
        if (age > 3 && step % (age > 5 ? 2 : 3) == 0) continue;
        const float a = FISHING_TWO_PI * static_cast<float>(step) / 36.0f;
        PutPixel(frame, static_cast<int>(std::lround(centreX + std::cos(a) * radius)),
                 static_cast<int>(std::lround(centreY + std::sin(a) * radius * 0.45f)),
                 Pal(age < 3 ? PAL_WATER_FOAM : PAL_WATER_LIGHT));
    }
}

// Calm: the shadow of a fish just under the surface, turning slowly to and fro, and small rings spreading.
PixelCanvas CalmFrame(int column) {
    PixelCanvas frame = MakeCanvas(SHEET_FRAME, SHEET_FRAME);
    WaterPatch(frame, 15.0f, 9.5f);
    const float phase = FISHING_TWO_PI * static_cast<float>(column) / SHEET_COLUMNS;
    const float angle = 0.5f * std::sin(phase), sway = 0.6f * std::cos(phase);
    FillSpineFish(frame, 16.0f + 6.0f * std::cos(angle), 19.0f + 3.0f * std::sin(angle), angle, sway, 12.0f,
                  1.8f, Pal(PAL_WATER_DARK), 1);
    for (int ring = 0; ring < 2; ++ring) {
        const int age = (column + ring * 4) % SHEET_COLUMNS;
        const float x = ring == 0 ? 22.0f : 9.0f, y = ring == 0 ? 15.0f : 22.0f;
        Ripple(frame, x, y, 1.0f + static_cast<float>(age) * 0.7f, age);
        if (age == 0) PutPixel(frame, static_cast<int>(x), static_cast<int>(y), Pal(PAL_WHITE));
    }
    return frame;
}

// Thrashing: the fish heaves its head out towards the side it pulls to, tail whipping, and throws spray
// that way. Foam rings its body where it breaks the surface.
PixelCanvas StruggleFrame(int column, int direction) {
    PixelCanvas frame = MakeCanvas(SHEET_FRAME, SHEET_FRAME);
    WaterPatch(frame, 15.0f, 9.0f);
    for (int ring = 0; ring < 2; ++ring) {
        const int age = (column + ring * 3) % SHEET_COLUMNS;
        Ripple(frame, Side(15.5f, direction), 21.0f, 6.0f + static_cast<float>(age) * 1.2f, age);
    }
    const float phase = FISHING_TWO_PI * static_cast<float>(column) / SHEET_COLUMNS;
    PixelCanvas fish = MakeCanvas(SHEET_FRAME, SHEET_FRAME);
    const float lift = 2.0f * std::sin(phase);
    const PixelPoint eye =
        FillSpineFish(fish, 21.0f + std::cos(phase), 10.0f - lift, -0.75f + 0.2f * std::sin(phase),
                      1.1f * std::cos(phase), 12.0f, 2.4f, Pal(PAL_STONE_MID), direction);
    ShadeFromTopLeft(fish, RAMP_STONE);
    OutlineOpaque(fish, Pal(PAL_OUTLINE));
    PutPixel(fish, eye.x, eye.y, Pal(PAL_OUTLINE));
    Blit(frame, fish, 0, 0);
    // The surface breaking around the body: a crown of foam in front of it.
    for (int x = 9; x <= 24; ++x) {
        const float t = (static_cast<float>(x) - 16.5f) / 7.5f;
        const int y = 20 + static_cast<int>(std::lround(t * t * 2.0f)) - ((x + column) % 3 == 0 ? 1 : 0);
        const int sx = static_cast<int>(std::lround(Side(static_cast<float>(x), direction)));
        PutPixel(frame, sx, y, Pal(PAL_WATER_FOAM));
        PutPixel(frame, sx, y + 1, Pal(PAL_WATER_LIGHT));
        if ((x + column) % 4 == 0) PutPixel(frame, sx, y - 1, Pal(PAL_WHITE));
    }
    // Spray thrown forward in arcs, each drop on its own beat of the loop.
    for (int drop = 0; drop < 5; ++drop) {
        const float t = static_cast<float>((column + drop * 3) % SHEET_COLUMNS) / SHEET_COLUMNS;
        const float x = 20.0f + 9.0f * t + static_cast<float>(drop % 2) * 2.0f;
        const float y = 17.0f - (11.0f - static_cast<float>(drop)) * t + 16.0f * t * t;
        const int sx = static_cast<int>(std::lround(Side(x, direction))),
                  sy = static_cast<int>(std::lround(y));
        PutPixel(frame, sx, sy, Pal(drop % 2 == 0 ? PAL_WHITE : PAL_WATER_FOAM));
        if (drop < 2) PutPixel(frame, sx, sy + 1, Pal(PAL_WATER_LIGHT));
    }
    // A splash thrown back by the tail.
    const int tailX = static_cast<int>(std::lround(Side(9.0f + 2.0f * std::cos(phase), direction)));
    PutPixel(frame, tailX, 14 + column % 3, Pal(PAL_WATER_FOAM));
    return frame;
}

PixelCanvas FishSheet() {
    PixelCanvas sheet = MakeCanvas(SHEET_COLUMNS * SHEET_FRAME, SHEET_ROWS * SHEET_FRAME);
    for (int column = 0; column < SHEET_COLUMNS; ++column) {
        Blit(sheet, CalmFrame(column), column * SHEET_FRAME, 0);
        Blit(sheet, StruggleFrame(column, 1), column * SHEET_FRAME, SHEET_FRAME);
        Blit(sheet, StruggleFrame(column, -1), column * SHEET_FRAME, 2 * SHEET_FRAME);
    }
    return sheet;
}

// Small waves rolling in along the panel's lower right, crests lit, troughs dark.
void DrawWaves(PixelCanvas& panel, int left, int right, int top) {
    const int bottom = RESULT_HEIGHT - UI_BORDER;
    for (int x = left; x < right; ++x) {
        const float t = static_cast<float>(x - left) / static_cast<float>(right - left);
        const int crest = top + static_cast<int>(std::lround(1.5f * std::sin(static_cast<float>(x) * 0.55f) +
                                                             4.0f * (1.0f - t) * (1.0f - t)));
        for (int y = crest; y < bottom; ++y) {
            PaletteIndex colour = y - crest > 4 ? PAL_WATER_DARK : PAL_WATER_MID;
            if (y == crest) colour = PAL_WATER_FOAM;
            if (y == crest + 1) colour = PAL_WATER_LIGHT;
            PutPixel(panel, x, y, Pal(colour));
        }
    }
}

// A float bobbing on the waves, its line running up to the frame, and a small fish leaping beside it.
void DrawFishingMotif(PixelCanvas& panel) {
    DrawWaves(panel, 164, RESULT_WIDTH - UI_BORDER, 89);
    DrawLine(panel, 203, UI_BORDER, 203, 80, Pal(PAL_STONE_LIGHT));
    PixelCanvas bobber = MakeCanvas(RESULT_WIDTH, RESULT_HEIGHT);
    FillCircle(bobber, 203, 84, 3, Pal(PAL_CLOTH_MID));
    FillRect(bobber, 200, 85, 7, 3, Pal(PAL_WHITE));
    FillRect(bobber, 202, 78, 3, 3, Pal(PAL_CLOTH_MID));
    ShadeFromTopLeft(bobber, RAMP_CLOTH);
    OutlineOpaque(bobber, Pal(PAL_OUTLINE));
    Blit(panel, bobber, 0, 0);
    for (int side : {-1, 1}) {
        for (int dx = 5; dx <= 9; ++dx)
            PutPixel(panel, 203 + side * dx, 88 + (dx > 7 ? 1 : 0), Pal(PAL_WATER_FOAM));
    }
    PixelCanvas fish = MakeCanvas(RESULT_WIDTH, RESULT_HEIGHT);
    const PixelPoint eye = FillSpineFish(fish, 170.0f, 70.0f, -2.7f, 0.9f, 13.0f, 2.6f, Pal(PAL_GOLD_MID), 1);
    ShadeFromTopLeft(fish, RAMP_GOLD);
    OutlineOpaque(fish, Pal(PAL_OUTLINE));
    PutPixel(fish, eye.x, eye.y, Pal(PAL_OUTLINE));
    Blit(panel, fish, 0, 0);
    for (const PixelPoint& drop :
         {PixelPoint{181, 84}, PixelPoint{165, 79}, PixelPoint{187, 80}, PixelPoint{162, 85}})
        PutPixel(panel, drop.x, drop.y, Pal(PAL_WATER_FOAM));
}

PixelCanvas ResultPanel() {
    PixelCanvas panel = MakeCanvas(RESULT_WIDTH, RESULT_HEIGHT);
    DrawNineSlice(panel, MakeFrameTile(PANEL_NAVY, false), 0, 0, RESULT_WIDTH, RESULT_HEIGHT);
    FillRect(panel, UI_BORDER, UI_BORDER, RESULT_WIDTH - 2 * UI_BORDER, 1, Pal(PAL_NAVY_MID));
    // A little shade gathers low in the panel, under the hint, where no text is written.
    for (int y = 96; y < RESULT_HEIGHT - UI_BORDER; ++y)
        DitherShadow(panel, UI_BORDER, y, RESULT_WIDTH - 2 * UI_BORDER, 1, 4 + (y - 96) * 2);
    DrawFishingMotif(panel);
    return panel;
}

}  // namespace

void GenerateFishingArt(AssetWriter& writer) {
    WritePixelArt(writer, FISHING_FOLDER + "FlecheLeft.png", Arrow(true), FISHING_FACTOR);
    WritePixelArt(writer, FISHING_FOLDER + "FlecheRight.png", Arrow(false), FISHING_FACTOR);
    WritePixelArt(writer, FISHING_FOLDER + "FishSpritesheet.png", FishSheet(), FISHING_FACTOR);
    WritePixelArt(writer, FISHING_FOLDER + "VictoryBackground.png", ResultPanel(), FISHING_FACTOR);
}
