// The nine fish of the Fishdex, seen from the side and facing right, 80 x 48 art pixels doubled to the
// 160 x 96 pictures the collection shows in its slots. The game tints a fish not yet caught pure black, so
// each one is told apart by its outline first: the small round crucian carp, the spiny bass, the long
// arowana with its upturned chin, the humped carp with barbels, the koi's trailing fins, the golden carp's
// sail and lyre tail, the goldfish's veil tail, the catfish's whiskers and the gar's beak.

#include "AssetGroups.h"
#include "AssetRegistry.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace {

const int FISH_ART_WIDTH = 80;
const int FISH_ART_HEIGHT = 48;
const int FISH_FACTOR = 2;
const int FISH_MID_Y = 24;

// The side profile of a body: deepest at `peak` (0 the tail's root, 1 the nose), tapering to the tail's
// root, where `peduncle` of the depth is kept, and rounding off at the nose.
struct FishBody {
    int tailX = 0;
    int noseX = 0;
    int back = 0;   // art pixels above the middle line at the deepest point
    int belly = 0;  // and below it
    float peak = 0.5f;
    float peduncle = 0.35f;
};

// Dark back, coloured sides and a pale belly: fish are shaded against the light from above.
struct FishColours {
    PaletteIndex back;
    PaletteIndex side;
    PaletteIndex belly;
};

float BodyShape(const FishBody& body, int x) {
    const float t = static_cast<float>(x - body.tailX) / static_cast<float>(body.noseX - body.tailX);
    if (t < 0.0f || t > 1.0f) return -1.0f;
    if (t < body.peak) {
        const float u = (body.peak - t) / body.peak;
        return body.peduncle + (1.0f - body.peduncle) * (1.0f - u * u);
    }
    const float u = (t - body.peak) / (1.0f - body.peak);
    return std::sqrt(std::max(0.0f, 1.0f - u * u));
}

int BodyTop(const FishBody& body, int x) {
    return FISH_MID_Y - static_cast<int>(std::lround(body.back * BodyShape(body, x)));
}

int BodyBottom(const FishBody& body, int x) {
    return FISH_MID_Y + static_cast<int>(std::lround(body.belly * BodyShape(body, x)));
}

bool InBody(const FishBody& body, int x, int y) {
    return BodyShape(body, x) >= 0.0f && y > BodyTop(body, x) && y < BodyBottom(body, x);
}

void FillBody(PixelCanvas& art, const FishBody& body, const FishColours& colours) {
    for (int x = body.tailX; x <= body.noseX; ++x) {
        const int top = BodyTop(body, x), bottom = BodyBottom(body, x);
        for (int y = top; y <= bottom; ++y) {
            const float v = static_cast<float>(y - top) / static_cast<float>(std::max(1, bottom - top));
            PaletteIndex colour = colours.side;
            if (v < 0.3f || (v < 0.38f && DitherOn(x, y, 6))) colour = colours.back;
            if (v > 0.7f || (v > 0.64f && DitherOn(x, y, 6))) colour = colours.belly;
            PutPixel(art, x, y, Pal(colour));
        }
    }
}

// A tail fin on the body's root: `notch` cuts the fork, a negative one rounds it into a fan.
void FillTail(PixelCanvas& art, const FishBody& body, int length, int spread, int notch,
              PaletteIndex colour) {
    const int root = body.tailX + 2, grip = std::max(2, BodyBottom(body, body.tailX) - FISH_MID_Y);
    const int end = body.tailX - length;
    if (notch < 0) FillEllipse(art, end + spread / 2, FISH_MID_Y, spread / 2 + 1, spread, Pal(colour));
    FillPolygon(art,
                {{root, FISH_MID_Y - grip},
                 {end, FISH_MID_Y - spread},
                 {end + std::max(0, notch), FISH_MID_Y},
                 {end, FISH_MID_Y + spread + 1},
                 {root, FISH_MID_Y + grip + 1}},
                Pal(colour));
}

void FillFin(PixelCanvas& art, const std::vector<PixelPoint>& points, PaletteIndex colour) {
    FillPolygon(art, points, Pal(colour));
}

// Light from the top-left along every edge of the shape, whatever its colours, before the outline goes on.
void RimLight(PixelCanvas& art) {
    const PixelCanvas before = art;
    for (int y = 0; y < art.height; ++y) {
        for (int x = 0; x < art.width; ++x) {
            if (!IsOpaque(before, x, y)) continue;
            const sf::Color colour = PixelAt(before, x, y);
            if (!IsOpaque(before, x, y + 1) || !IsOpaque(before, x + 1, y)) {
                PutPixel(art, x, y, DarkerInRamp(colour));
            } else if (!IsOpaque(before, x, y - 1) || !IsOpaque(before, x - 1, y)) {
                PutPixel(art, x, y, LighterInRamp(colour));
            }
        }
    }
}

// Fin rays: darker lines fanning from the fin's root.
void Rays(PixelCanvas& art, PixelPoint root, const std::vector<PixelPoint>& tips) {
    for (const PixelPoint& tip : tips) {
        const int steps = std::max(std::abs(tip.x - root.x), std::abs(tip.y - root.y));
        for (int step = 1; step < steps; ++step) {
            const int x = root.x + (tip.x - root.x) * step / steps,
                      y = root.y + (tip.y - root.y) * step / steps;
            if (IsOpaque(art, x, y)) PutPixel(art, x, y, DarkerInRamp(PixelAt(art, x, y)));
        }
    }
}

void Eye(PixelCanvas& art, int x, int y, bool large) {
    if (large) FillRect(art, x - 1, y - 1, 4, 4, Pal(PAL_PARCH_LIGHT));
    FillRect(art, x, y, 2, 2, Pal(PAL_OUTLINE));
    PutPixel(art, x, y, Pal(PAL_WHITE));
}

// The gill cover's edge, a curve behind the head.
void Gill(PixelCanvas& art, const FishBody& body, int x) {
    const int top = BodyTop(body, x) + 2, bottom = BodyBottom(body, x) - 2;
    for (int y = top; y <= bottom; ++y) {
        const float u = (static_cast<float>(y - top) / std::max(1, bottom - top)) * 2.0f - 1.0f;
        const int column = x - static_cast<int>(std::lround(2.0f * (1.0f - u * u)));
        PutPixel(art, column, y, DarkerInRamp(PixelAt(art, column, y)));
    }
}

// Rows of scales, each a small darker cup lit on its upper edge, staggered like roof tiles.
void Scales(PixelCanvas& art, const FishBody& body, int fromX, int toX, int size) {
    const int half = size / 2 - 1;
    for (int row = 0, y = FISH_MID_Y - body.back + 2; y < FISH_MID_Y + body.belly - 1;
         ++row, y += size / 2 + 1) {
        for (int x = fromX + (row % 2) * size / 2; x < toX; x += size) {
            for (int dx = -half; dx <= half; ++dx) {
                const int cupY = y + (std::abs(dx) < half ? 1 : 0);
                if (InBody(body, x + dx, cupY - 1) && InBody(body, x + dx, cupY + 1))
                    PutPixel(art, x + dx, cupY, DarkerInRamp(PixelAt(art, x + dx, cupY)));
            }
            if (size >= 6 && InBody(body, x, y - 1) && InBody(body, x, y - 2))
                PutPixel(art, x, y - 1, LighterInRamp(PixelAt(art, x, y - 1)));
        }
    }
}

// A barbel or whisker: a thin curve with a dark line under it, so it reads over water and body alike.
void Whisker(PixelCanvas& art, PixelPoint from, PixelPoint bend, PixelPoint to, PaletteIndex colour) {
    PixelCanvas line = MakeCanvas(art.width, art.height);
    PixelPoint last = from;
    for (int step = 1; step <= 12; ++step) {
        const float t = static_cast<float>(step) / 12.0f, s = 1.0f - t;
        const PixelPoint point{
            static_cast<int>(std::lround(s * s * from.x + 2 * s * t * bend.x + t * t * to.x)),
            static_cast<int>(std::lround(s * s * from.y + 2 * s * t * bend.y + t * t * to.y))};
        DrawLine(line, last.x, last.y, point.x, point.y, Pal(colour));
        last = point;
    }
    for (int y = 0; y < art.height; ++y) {
        for (int x = 0; x < art.width; ++x) {
            if (!IsOpaque(line, x, y)) continue;
            PutPixel(art, x, y, Pal(colour));
            if (!IsOpaque(line, x, y + 1) && !IsOpaque(art, x, y + 1))
                PutPixel(art, x, y + 1, Pal(PAL_OUTLINE));
        }
    }
}

// Moves the fish so its outline sits in the middle of the picture.
PixelCanvas Centred(const PixelCanvas& art) {
    int left = art.width, right = -1, top = art.height, bottom = -1;
    for (int y = 0; y < art.height; ++y) {
        for (int x = 0; x < art.width; ++x) {
            if (IsOpaque(art, x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    PixelCanvas centred = MakeCanvas(art.width, art.height);
    Blit(centred, art, (art.width - 1 - right - left) / 2, (art.height - 1 - bottom - top) / 2);
    return centred;
}

// The dark line around the fish; barbels and whiskers go on after it, thin as they are.
void Outline(PixelCanvas& art) {
    OutlineOpaque(art, Pal(PAL_OUTLINE));
}

PixelCanvas CrucianCarp() {
    PixelCanvas art = MakeCanvas(FISH_ART_WIDTH, FISH_ART_HEIGHT);
    const FishBody body{24, 54, 12, 11, 0.5f, 0.4f};
    FillTail(art, body, 9, 8, 3, PAL_WOOD_MID);
    FillFin(art, {{30, 14}, {33, 9}, {44, 9}, {48, 14}}, PAL_WOOD_MID);
    FillFin(art, {{31, 32}, {33, 38}, {38, 34}}, PAL_WOOD_MID);
    FillBody(art, body, {PAL_WOOD_MID, PAL_WOOD_LIGHT, PAL_GOLD_MID});
    FillFin(art, {{44, 27}, {40, 32}, {46, 30}}, PAL_GOLD_DARK);
    RimLight(art);
    Rays(art, {39, 15}, {{34, 10}, {38, 10}, {42, 10}});
    Rays(art, {24, 24}, {{16, 17}, {16, 30}, {17, 24}});
    Scales(art, body, 27, 45, 4);
    Gill(art, body, 47);
    Eye(art, 49, 20, false);
    Outline(art);
    return Centred(art);
}

// A striped bass: two dorsal fins, the first a row of spines, and the big jaw jutting under the snout.
PixelCanvas Bass() {
    PixelCanvas art = MakeCanvas(FISH_ART_WIDTH, FISH_ART_HEIGHT);
    const FishBody body{12, 68, 9, 8, 0.45f, 0.3f};
    FillTail(art, body, 9, 9, 1, PAL_GRASS_DARK);
    FillFin(art,
            {{25, 17},
             {26, 6},
             {29, 13},
             {31, 3},
             {34, 13},
             {36, 3},
             {39, 13},
             {41, 5},
             {44, 14},
             {46, 9},
             {48, 16}},
            PAL_GRASS_DARK);
    FillFin(art, {{47, 17}, {50, 11}, {56, 12}, {58, 17}}, PAL_GRASS_DARK);
    FillFin(art, {{20, 30}, {23, 37}, {30, 31}}, PAL_GRASS_DARK);
    FillFin(art, {{42, 31}, {44, 38}, {49, 31}}, PAL_GRASS_DARK);
    FillBody(art, body, {PAL_GRASS_DARK, PAL_GRASS_MID, PAL_GRASS_PALE});
    FillFin(art, {{63, 25}, {71, 26}, {64, 29}}, PAL_GRASS_PALE);  // the lower jaw
    RimLight(art);
    for (int stripe = 0; stripe < 3; ++stripe) {
        const int y = FISH_MID_Y - 4 + stripe * 3;
        for (int x = body.tailX + 1; x < 58; ++x)
            if (InBody(body, x, y) && (x + stripe) % 7 != 0) PutPixel(art, x, y, Pal(PAL_FOREST_DEEP));
    }
    DrawLine(art, 62, 25, 69, 25, Pal(PAL_OUTLINE));
    Gill(art, body, 57);
    Eye(art, 62, 20, true);
    Outline(art);
    return Centred(art);
}

// The long silver arowana: big scales, the mouth turned up to the surface, two barbels on its chin and
// its dorsal and anal fins swept back to the tail.
PixelCanvas Arowana() {
    PixelCanvas art = MakeCanvas(FISH_ART_WIDTH, FISH_ART_HEIGHT);
    const FishBody body{10, 72, 7, 9, 0.62f, 0.55f};
    FillTail(art, body, 7, 7, -1, PAL_STONE_MID);
    FillFin(art, {{12, 19}, {16, 13}, {30, 16}, {32, 19}}, PAL_STONE_MID);
    FillFin(art, {{12, 29}, {15, 37}, {35, 34}, {36, 30}}, PAL_STONE_MID);
    FillBody(art, body, {PAL_STONE_MID, PAL_STONE_LIGHT, PAL_WHITE});
    FillFin(art, {{57, 29}, {46, 35}, {50, 36}, {59, 31}}, PAL_STONE_MID);
    RimLight(art);
    Rays(art, {13, 24}, {{4, 18}, {3, 24}, {4, 30}});
    Rays(art, {31, 18}, {{18, 14}, {24, 15}});
    Rays(art, {35, 31}, {{17, 35}, {24, 35}});
    Scales(art, body, 14, 60, 7);
    DrawLine(art, 71, 19, 65, 26, Pal(PAL_OUTLINE));  // the mouth, slanting up to the surface
    Gill(art, body, 60);
    Eye(art, 65, 19, false);
    Outline(art);
    Whisker(art, {72, 22}, {74, 21}, {77, 18}, PAL_STONE_LIGHT);
    Whisker(art, {71, 24}, {73, 24}, {76, 23}, PAL_STONE_LIGHT);
    return Centred(art);
}

// The common carp: a humped back under a long dorsal fin, a deep-forked tail and barbels at the lips.
PixelCanvas Carp() {
    PixelCanvas art = MakeCanvas(FISH_ART_WIDTH, FISH_ART_HEIGHT);
    const FishBody body{16, 62, 15, 10, 0.42f, 0.3f};
    FillTail(art, body, 13, 12, 6, PAL_WOOD_MID);
    FillFin(art, {{27, 12}, {32, 3}, {35, 5}, {50, 10}, {53, 14}}, PAL_WOOD_MID);
    FillFin(art, {{23, 31}, {25, 38}, {30, 32}}, PAL_WOOD_MID);
    FillFin(art, {{40, 33}, {41, 39}, {45, 33}}, PAL_WOOD_MID);
    FillBody(art, body, {PAL_WOOD_MID, PAL_GOLD_DARK, PAL_PARCH_DARK});
    RimLight(art);
    Rays(art, {34, 13}, {{33, 5}, {39, 7}, {45, 9}});
    Rays(art, {17, 24}, {{5, 13}, {5, 35}, {10, 24}});
    Scales(art, body, 19, 52, 5);
    Gill(art, body, 53);
    Eye(art, 57, 19, false);
    Outline(art);
    Whisker(art, {62, 26}, {65, 27}, {67, 30}, PAL_GOLD_MID);
    Whisker(art, {60, 28}, {62, 30}, {63, 33}, PAL_GOLD_MID);
    return Centred(art);
}

// A kohaku koi, white with red patches: longer than the carp, with a trailing butterfly tail and broad
// rounded fins.
PixelCanvas KoiCarp() {
    PixelCanvas art = MakeCanvas(FISH_ART_WIDTH, FISH_ART_HEIGHT);
    const FishBody body{18, 66, 9, 8, 0.5f, 0.35f};
    FillFin(art, {{20, 21}, {10, 14}, {1, 9}, {4, 16}, {10, 24}, {4, 32}, {1, 39}, {10, 34}, {20, 27}},
            PAL_PARCH_LIGHT);
    FillFin(art, {{28, 17}, {33, 10}, {50, 13}, {52, 17}}, PAL_PARCH_LIGHT);
    FillFin(art, {{26, 30}, {28, 37}, {33, 31}}, PAL_PARCH_LIGHT);
    FillBody(art, body, {PAL_PARCH_LIGHT, PAL_WHITE, PAL_WHITE});
    FillFin(art, {{55, 28}, {49, 30}, {43, 36}, {45, 38}, {51, 36}, {56, 31}}, PAL_PARCH_LIGHT);
    RimLight(art);
    // Kohaku red: a cap on the head, a long saddle on the back and a spot before the tail.
    for (int x = body.tailX; x <= body.noseX; ++x) {
        for (int y = BodyTop(body, x) + 1; y < BodyBottom(body, x); ++y) {
            const int edge = FISH_MID_Y + static_cast<int>(std::lround(1.5f * std::sin(x * 0.4f)));
            const bool patch = (x >= 56 && x <= 62 && y < FISH_MID_Y - 1) ||
                               (x >= 33 && x <= 51 && y < edge) || (x >= 22 && x <= 27 && y < FISH_MID_Y - 2);
            if (patch) PutPixel(art, x, y, Pal(y < FISH_MID_Y - 5 ? PAL_CLOTH_LIGHT : PAL_CLOTH_MID));
        }
    }
    Rays(art, {53, 30}, {{45, 37}, {49, 36}});
    Rays(art, {19, 24}, {{3, 11}, {3, 37}, {7, 24}});
    Eye(art, 61, 21, false);
    Outline(art);
    Whisker(art, {66, 26}, {68, 27}, {69, 30}, PAL_PARCH_MID);
    return Centred(art);
}

// The golden carp: a deep humped body under a tall sail of a fin, and a lyre tail of long lobes.
PixelCanvas GoldenCarp() {
    PixelCanvas art = MakeCanvas(FISH_ART_WIDTH, FISH_ART_HEIGHT);
    const FishBody body{20, 60, 14, 10, 0.5f, 0.3f};
    FillTail(art, body, 16, 15, 10, PAL_GOLD_MID);
    FillFin(art, {{31, 12}, {36, 1}, {40, 2}, {48, 12}}, PAL_GOLD_MID);
    FillFin(art, {{29, 31}, {31, 40}, {36, 33}}, PAL_GOLD_MID);
    FillBody(art, body, {PAL_GOLD_DARK, PAL_GOLD_MID, PAL_GOLD_LIGHT});
    FillFin(art, {{48, 27}, {43, 33}, {50, 30}}, PAL_GOLD_LIGHT);
    RimLight(art);
    Rays(art, {38, 12}, {{35, 3}, {39, 3}, {44, 7}});
    Rays(art, {22, 24}, {{6, 11}, {6, 38}, {12, 24}});
    Scales(art, body, 23, 50, 5);
    for (const PixelPoint& glint : {PixelPoint{30, 17}, PixelPoint{43, 15}, PixelPoint{37, 21}})
        PutPixel(art, glint.x, glint.y, Pal(PAL_WHITE));
    Gill(art, body, 52);
    Eye(art, 54, 20, false);
    Outline(art);
    return Centred(art);
}

// A fancy goldfish: a small round body and a double veil tail wider than the fish itself.
PixelCanvas Goldfish() {
    PixelCanvas art = MakeCanvas(FISH_ART_WIDTH, FISH_ART_HEIGHT);
    const FishBody body{34, 58, 9, 9, 0.45f, 0.45f};
    FillFin(art, {{36, 22}, {22, 6}, {15, 8}, {18, 14}, {12, 20}, {24, 24}}, PAL_CLOTH_LIGHT);
    FillFin(art, {{36, 26}, {24, 24}, {12, 30}, {16, 36}, {14, 42}, {22, 41}}, PAL_CLOTH_LIGHT);
    FillFin(art, {{40, 16}, {43, 6}, {47, 8}, {50, 16}}, PAL_CLOTH_LIGHT);
    FillFin(art, {{41, 31}, {40, 38}, {46, 32}}, PAL_CLOTH_LIGHT);
    FillBody(art, body, {PAL_CLOTH_MID, PAL_CLOTH_LIGHT, PAL_GOLD_LIGHT});
    RimLight(art);
    Rays(art, {35, 23}, {{19, 9}, {16, 19}, {22, 12}});
    Rays(art, {35, 26}, {{16, 33}, {18, 40}, {24, 36}});
    Rays(art, {44, 16}, {{44, 8}, {47, 10}});
    Gill(art, body, 52);
    Eye(art, 53, 20, true);
    Outline(art);
    return Centred(art);
}

// A catfish: dark, flat-headed, a long low fin under its belly and long whiskers sweeping from its lips.
PixelCanvas Catfish() {
    PixelCanvas art = MakeCanvas(FISH_ART_WIDTH, FISH_ART_HEIGHT);
    const FishBody body{10, 64, 8, 9, 0.75f, 0.45f};
    FillTail(art, body, 7, 7, -1, PAL_STONE_DARK);
    FillFin(art, {{44, 17}, {47, 10}, {51, 16}}, PAL_STONE_DARK);
    FillFin(art, {{12, 28}, {14, 34}, {38, 33}, {40, 29}}, PAL_STONE_DARK);
    FillBody(art, body, {PAL_NIGHT, PAL_STONE_DARK, PAL_STONE_MID});
    FillFin(art, {{52, 28}, {45, 35}, {54, 31}}, PAL_STONE_DARK);
    RimLight(art);
    for (const PixelPoint& spot :
         {PixelPoint{20, 21}, PixelPoint{27, 19}, PixelPoint{33, 22}, PixelPoint{40, 20}})
        if (InBody(body, spot.x, spot.y)) FillRect(art, spot.x, spot.y, 2, 1, Pal(PAL_NIGHT));
    DrawLine(art, 58, 26, 64, 26, Pal(PAL_OUTLINE));
    Eye(art, 58, 21, false);
    Outline(art);
    Whisker(art, {64, 23}, {72, 18}, {76, 8}, PAL_STONE_MID);
    Whisker(art, {65, 26}, {73, 28}, {76, 38}, PAL_STONE_MID);
    Whisker(art, {62, 29}, {66, 35}, {70, 43}, PAL_STONE_MID);
    Whisker(art, {59, 30}, {60, 36}, {58, 42}, PAL_STONE_MID);
    return Centred(art);
}

// A gar: long and thin, fins set far back by the tail, and a long toothed beak.
PixelCanvas Gar() {
    PixelCanvas art = MakeCanvas(FISH_ART_WIDTH, FISH_ART_HEIGHT);
    const FishBody body{10, 60, 5, 5, 0.55f, 0.6f};
    FillTail(art, body, 7, 6, -1, PAL_GRASS_DARK);
    FillFin(art, {{14, 20}, {17, 14}, {21, 20}}, PAL_GRASS_DARK);
    FillFin(art, {{14, 28}, {17, 34}, {22, 28}}, PAL_GRASS_DARK);
    FillFin(art, {{34, 28}, {35, 32}, {39, 28}}, PAL_GRASS_DARK);
    FillBody(art, body, {PAL_FOREST_DEEP, PAL_GRASS_DARK, PAL_PARCH_MID});
    FillFin(art, {{56, 21}, {77, 23}, {77, 25}, {56, 27}}, PAL_GRASS_DARK);  // the beak
    RimLight(art);
    for (int x = 14; x < 54; x += 5) {
        for (const int y : {21, 24})
            if (InBody(body, x + y % 3, y)) PutPixel(art, x + y % 3, y, Pal(PAL_FOREST_DEEP));
    }
    DrawLine(art, 60, 24, 76, 24, Pal(PAL_OUTLINE));
    for (int x = 62; x < 76; x += 3)
        PutPixel(art, x, 25, Pal(PAL_WHITE));
    Eye(art, 54, 22, false);
    Outline(art);
    return Centred(art);
}

struct FishPicture {
    const char* name;
    PixelCanvas (*draw)();
};

const FishPicture FISH_PICTURES[] = {
    {"Crucian_Carp", CrucianCarp},
    {"Bass", Bass},
    {"Arowana", Arowana},
    {"Carp", Carp},
    {"Koi_Carp", KoiCarp},
    {"Golden_Carp", GoldenCarp},
    {"Goldfish", Goldfish},
    {"Catfish", Catfish},
    {"Gar", Gar},
};

}  // namespace

void GenerateFishPictures(AssetWriter& writer) {
    for (const FishPicture& fish : FISH_PICTURES) {
        WritePixelArt(writer, std::string("Sprites/Fishing/Fishdex/") + fish.name + ".png", fish.draw(),
                      FISH_FACTOR);
    }
}
