// The pictures of the puzzles of the burning house and the night forest: the fires the hero puts out, the
// wall he pulls down with a rope tied to an iron hook, the barricade across the forest path, and the
// darkness that swallows the forest beyond his torch. Map pieces are painted at tile-art size and doubled
// like the atlas, so they share its pixel grid; the wall and the barricade take the night painting's colours.

#include "AssetGroups.h"
#include "AssetRegistry.h"
#include "WorldTiles.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

const int PUZZLE_FACTOR = 2;  // art pixels to map pixels, as for the tiles
const int FLAME_FRAMES = 6;
const float PUZZLE_TWO_PI = 6.2831853f;

// One tongue of the fire: where it stands, how tall and wide it burns, and how its height and tip sway
// over the loop. Every motion is a whole number of turns in six frames, so frame 5 runs into frame 0.
struct Tongue {
    float x, height, halfWidth;
    int beats;  // flickers per loop
    float phase;
};

const Tongue FLAME_TONGUES[] = {
    {9.5f, 11.0f, 4.0f, 1, 0.0f},  {13.0f, 17.0f, 5.0f, 2, 1.7f}, {16.5f, 22.0f, 5.5f, 1, 3.1f},
    {20.0f, 16.0f, 5.0f, 2, 4.4f}, {23.0f, 10.0f, 4.0f, 1, 2.2f},
};

const int FLAME_BASE = 28;  // art row the flames rise from, near the tile's lower edge

// The fire burns in nested layers, each the union of every tongue shrunk by its scale: red at the edge,
// orange within, yellow at the heart and a white-hot seam at the foot.
struct FlameLayer {
    float heightScale, widthScale;
    PaletteIndex colour;
};

const FlameLayer FLAME_LAYERS[] = {{1.0f, 1.0f, PAL_CLOTH_MID},
                                   {0.72f, 0.7f, PAL_CLOTH_LIGHT},
                                   {0.45f, 0.45f, PAL_GOLD_LIGHT},
                                   {0.14f, 0.25f, PAL_WHITE}};

// True inside one tongue shrunk by a layer: a teardrop with a rounded foot, narrowing to a swaying tip.
bool InTongue(const Tongue& tongue, const FlameLayer& layer, int frame, int x, int y) {
    const float turn = PUZZLE_TWO_PI * static_cast<float>(frame) / FLAME_FRAMES;
    const float height =
        layer.heightScale * tongue.height * (1.0f + 0.2f * std::sin(turn * tongue.beats + tongue.phase));
    const float halfWidth = layer.widthScale * tongue.halfWidth;
    const float sway = 2.2f * std::sin(turn + tongue.phase * 1.3f);
    const float rise = static_cast<float>(FLAME_BASE - y) + 0.5f;
    float t = rise / height, width = 0.0f;
    if (t < 0.0f) {
        const float below = -rise / (2.5f * layer.widthScale);
        if (below > 1.0f) return false;
        width = halfWidth * std::sqrt(1.0f - below * below);
        t = 0.0f;
    } else {
        if (t >= 1.0f) return false;
        width = halfWidth * std::pow(1.0f - t, 0.8f);
    }
    const float centre = tongue.x + sway * t * t;
    return std::fabs(static_cast<float>(x) + 0.5f - centre) < width;
}

// Scorched boards or needles under the fire, with embers that wink on and off around the loop.
void PaintCharredFloor(PixelCanvas& canvas, int frame) {
    FillEllipse(canvas, 16, FLAME_BASE + 1, 14, 3, Pal(PAL_GOLD_LIGHT, 45));  // the glow on the floor
    FillEllipse(canvas, 16, FLAME_BASE + 1, 11, 2, Pal(PAL_OUTLINE, 150));
    PixelCanvas debris = MakeCanvas(TILE_ART, TILE_ART);
    DrawLine(debris, 6, FLAME_BASE + 1, 13, FLAME_BASE, Pal(PAL_WOOD_DARK));
    DrawLine(debris, 19, FLAME_BASE, 26, FLAME_BASE + 2, Pal(PAL_WOOD_DARK));
    DrawLine(debris, 11, FLAME_BASE + 2, 21, FLAME_BASE + 2, Pal(PAL_WOOD_DARK));
    OutlineOpaque(debris, Pal(PAL_OUTLINE));
    Blit(canvas, debris, 0, 0);
    const int embers[][2] = {
        {7, FLAME_BASE + 1}, {12, FLAME_BASE + 2}, {24, FLAME_BASE + 2}, {20, FLAME_BASE + 3}};
    for (int index = 0; index < 4; ++index) {
        if ((frame + index) % 3 != 0) {
            PutPixel(canvas, embers[index][0], embers[index][1],
                     Pal((frame + index) % 2 == 0 ? PAL_GOLD_LIGHT : PAL_CLOTH_LIGHT));
        }
    }
}

// A lick of flame torn off a tongue's tip, rising and shrinking before it goes out.
void PaintLick(PixelCanvas& flames, int frame, int x, int firstFrame) {
    const int age = (frame - firstFrame + FLAME_FRAMES) % FLAME_FRAMES;
    if (age > 2) return;
    const int y = 9 - age * 3;
    FillEllipse(flames, x + (age == 1 ? 1 : 0), y, age == 2 ? 0 : 1, 1, Pal(PAL_CLOTH_MID));
    if (age == 0) PutPixel(flames, x, y, Pal(PAL_CLOTH_LIGHT));
}

PixelCanvas FlameFrame(int frame) {
    PixelCanvas canvas = MakeCanvas(TILE_ART, TILE_ART);
    PaintCharredFloor(canvas, frame);
    PixelCanvas flames = MakeCanvas(TILE_ART, TILE_ART);
    for (const FlameLayer& layer : FLAME_LAYERS) {
        for (int y = 0; y < TILE_ART; ++y) {
            for (int x = 0; x < TILE_ART; ++x) {
                for (const Tongue& tongue : FLAME_TONGUES)
                    if (InTongue(tongue, layer, frame, x, y)) PutPixel(flames, x, y, Pal(layer.colour));
            }
        }
    }
    PaintLick(flames, frame, 14, 0);
    PaintLick(flames, frame, 19, 3);
    OutlineOpaque(flames, Pal(PAL_CLOTH_DARK));
    Blit(canvas, flames, 0, 0);
    for (int spark = 0; spark < 3; ++spark) {  // sparks climb two pixels a frame and wrap round the loop
        const int age = (frame + spark * 2) % FLAME_FRAMES;
        PutPixel(canvas, 10 + spark * 6 + (age % 2), 13 - age * 2,
                 Pal(spark == 1 ? PAL_GOLD_LIGHT : PAL_CLOTH_LIGHT));
    }
    return canvas;
}

PixelCanvas FlameStrip() {
    PixelCanvas strip = MakeCanvas(TILE_ART * FLAME_FRAMES, TILE_ART);
    for (int frame = 0; frame < FLAME_FRAMES; ++frame)
        Blit(strip, FlameFrame(frame), frame * TILE_ART, 0);
    return strip;
}

// The hole's ragged outline, torn from the wainscot up into the plaster, open to the floor.
const std::vector<PixelPoint> WALL_HOLE = {
    {7, 32}, {8, 28}, {6, 24}, {8, 20},  {7, 16},  {9, 13},  {10, 9},  {13, 8},  {14, 5},  {17, 7},
    {19, 5}, {21, 8}, {23, 9}, {24, 13}, {23, 16}, {25, 19}, {24, 23}, {26, 27}, {25, 32},
};

// Cracks running out from the hole into the plaster, as on the cracked wall before it fell.
const int WALL_CRACKS[][4] = {{9, 10, 5, 7}, {5, 7, 3, 8}, {16, 5, 17, 3}, {23, 11, 27, 9}, {27, 9, 29, 12}};

std::size_t IndexOf(int x, int y, int width) {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
}

// Manhattan distance from each pixel to the hole (0 inside), up to limit + 1.
std::vector<int> DistanceToHole(const PixelCanvas& hole, int limit) {
    std::vector<int> distance(IndexOf(0, hole.height, hole.width), limit + 1);
    for (int y = 0; y < hole.height; ++y) {
        for (int x = 0; x < hole.width; ++x) {
            for (int dy = -limit; dy <= limit; ++dy) {
                for (int dx = -limit; dx <= limit; ++dx) {
                    const int reach = std::abs(dx) + std::abs(dy);
                    int& best = distance[IndexOf(x, y, hole.width)];
                    if (reach < best && IsOpaque(hole, x + dx, y + dy)) best = reach;
                }
            }
        }
    }
    return distance;
}

// The night beyond the wall: dark sky paling to the horizon, black pines against it, night grass below.
sf::Color OutsideAt(int x, int y) {
    if (y >= 22) return NightColour(GrassAt(x, y, 5));
    const int spire = std::abs((x + 2) % 6 - 3);  // the pines stand six pixels apart
    const int tip = 12 + static_cast<int>(TileHash((x + 2) / 6, 0, 211) % 4);
    if (y >= tip + spire * 2 || y >= 20) return Pal(PAL_OUTLINE);
    if ((x == 12 && y == 11) || (x == 20 && y == 13) || (x == 16 && y == 9)) return Pal(PAL_SKY_LIGHT);
    if (y >= 16) return Pal(PAL_SKY_DEEP);
    return DitherOn(x, y, (y - 11) * 4) ? Pal(PAL_SKY_DEEP) : Pal(PAL_NIGHT);
}

// Broken stones, lumps of plaster and a snapped board heaped on the floor line, higher at the sides so
// the middle stays a way through.
void PaintRubble(PixelCanvas& wall) {
    PixelCanvas layer = MakeCanvas(TILE_ART, TILE_ART);
    FillPolygon(layer, {{3, 27}, {5, 25}, {11, 29}, {10, 31}}, Pal(PAL_WOOD_MID));  // a snapped board
    FillPolygon(layer, {{1, 31}, {3, 27}, {7, 28}, {9, 32}}, Pal(PAL_STONE_MID));
    FillPolygon(layer, {{8, 32}, {10, 29}, {13, 30}, {13, 32}}, Pal(PAL_PARCH_MID));
    FillPolygon(layer, {{22, 32}, {23, 28}, {27, 26}, {30, 28}, {31, 32}}, Pal(PAL_STONE_MID));
    FillPolygon(layer, {{25, 26}, {27, 23}, {30, 24}, {29, 27}}, Pal(PAL_PARCH_MID));
    FillPolygon(layer, {{18, 32}, {19, 30}, {22, 30}, {22, 32}}, Pal(PAL_PARCH_MID));
    FillRect(layer, 14, 30, 2, 2, Pal(PAL_STONE_MID));
    ShadeFromTopLeft(layer, RAMP_STONE);
    ShadeFromTopLeft(layer, RAMP_PARCH);
    ShadeFromTopLeft(layer, RAMP_WOOD);
    OutlineOpaque(layer, Pal(PAL_OUTLINE));
    for (int y = 0; y < TILE_ART; ++y) {
        for (int x = 0; x < TILE_ART; ++x)
            if (IsOpaque(layer, x, y)) PutPixel(wall, x, y, NightColour(PixelAt(layer, x, y)));
    }
    PutPixel(wall, 26, 29, Pal(PAL_CLOTH_LIGHT));  // embers still glowing in the heap
    PutPixel(wall, 5, 30, Pal(PAL_GOLD_LIGHT));
}

// The inner wall of the burning house with a hole torn through it. Its outer columns and top are the
// night wall untouched, so it sits between the wall tiles beside it without a seam.
PixelCanvas BrokenWall() {
    PixelCanvas wall = PaintDayTile(TILE_INNER_WALL);
    for (const auto& crack : WALL_CRACKS)
        DrawLine(wall, crack[0], crack[1], crack[2], crack[3], Pal(PAL_STONE_DARK));
    PixelCanvas hole = MakeCanvas(TILE_ART, TILE_ART);
    FillPolygon(hole, WALL_HOLE, Pal(PAL_OUTLINE));
    const std::vector<int> distance = DistanceToHole(hole, 3);
    for (int y = 0; y < TILE_ART; ++y) {
        for (int x = 0; x < TILE_ART; ++x) {
            const int near = distance[IndexOf(x, y, TILE_ART)];
            sf::Color colour = PixelAt(wall, x, y);
            if (near == 2 && IsOpaque(hole, x - 2, y)) colour = LighterInRamp(colour);  // the lit far edge
            if (near <= 3 && DitherOn(x, y, 10 - near * 3)) colour = DarkerInRamp(colour);  // soot
            colour = NightColour(colour);
            if (near == 1) colour = Pal(PAL_OUTLINE);
            if (near == 0) colour = OutsideAt(x, y);
            PutPixel(wall, x, y, colour);
        }
    }
    const int splinters[][4] = {{8, 19, 10, 20}, {7, 25, 10, 24}, {24, 19, 22, 20}, {25, 24, 23, 23}};
    for (const auto& splinter : splinters)
        DrawLine(wall, splinter[0], splinter[1], splinter[2], splinter[3], NightColour(Pal(PAL_WOOD_LIGHT)));
    PaintRubble(wall);
    return wall;
}

// A blackened iron ring on a bolt driven into the wall, lit on its top-left edges. The bolt's plate
// at the left holds the point the game pins it by.
PixelCanvas Hook() {
    PixelCanvas art = MakeCanvas(8, 8);
    // clang-format off
    DrawPixelMap(art, 0, 0,
                 {"...###..",
                  "..#LMM#.",
                  "###M##D#",
                  "#LM#..D#",
                  "#MD#..D#",
                  "###D##D#",
                  "..#DDD#.",
                  "...###.."},
                 {{'#', Pal(PAL_OUTLINE)}, {'L', Pal(PAL_STONE_LIGHT)}, {'M', Pal(PAL_NAVY_MID)},
                  {'D', Pal(PAL_NAVY_DARK)}});
    // clang-format on
    return art;
}

// A hemp rope hanging from its knot: two strands twisted round each other, lit from the left, the end
// bound against fraying. The knot sits on the point the game turns the rope about.
PixelCanvas LongRope() {
    const int width = 4, height = 40;
    PixelCanvas art = MakeCanvas(width, height);
    FillRect(art, 0, 1, width, height - 1, Pal(PAL_OUTLINE));
    const PaletteIndex twist[3][2] = {
        {PAL_PARCH_LIGHT, PAL_PARCH_DARK}, {PAL_PARCH_DARK, PAL_PARCH_MID}, {PAL_PARCH_MID, PAL_PARCH_MID}};
    for (int y = 2; y < height - 1; ++y) {
        const auto& row = twist[y % 3];
        PutPixel(art, 1, y, Pal(row[0]));
        PutPixel(art, 2, y, Pal(row[1]));
    }
    FillRect(art, 0, 2, width, 2, Pal(PAL_PARCH_MID));  // the knot, wider than the rope
    PutPixel(art, 0, 2, Pal(PAL_PARCH_LIGHT));
    PutPixel(art, 3, 3, Pal(PAL_PARCH_DARK));
    FillRect(art, 1, height - 5, 2, 1, Pal(PAL_WOOD_MID));  // the whipping at the end
    PutPixel(art, 1, height - 2, Pal(PAL_PARCH_MID));
    PutPixel(art, 2, height - 2, Pal(PAL_OUTLINE));
    return art;
}

const int FENCE_WIDTH = 64, FENCE_HEIGHT = 40;

struct Stake {
    int left, width, top, lean;
};

// Rough-cut stakes of uneven girth and height, each leaning a little, side by side across the path.
std::vector<Stake> FenceStakes() {
    std::vector<Stake> stakes;
    for (int left = 2, index = 0; left < FENCE_WIDTH - 5; ++index) {
        const std::uint32_t hash = TileHash(index, 7, 231);
        const int width = std::min(4 + static_cast<int>(hash % 3), FENCE_WIDTH - 2 - left);
        stakes.push_back(
            {left, width, 1 + static_cast<int>((hash / 3) % 8), static_cast<int>((hash / 24) % 3) - 1});
        left += width;
    }
    return stakes;
}

void PaintStake(PixelCanvas& fence, const Stake& stake, int index) {
    PixelCanvas layer = MakeCanvas(FENCE_WIDTH, FENCE_HEIGHT);
    const int left = stake.left, right = stake.left + stake.width - 1,
              apex = left + stake.width / 2 + stake.lean;
    FillPolygon(layer,
                {{left, stake.top + 4},
                 {apex, stake.top},
                 {apex + 1, stake.top},
                 {right + 1, stake.top + 4},
                 {right + 1, FENCE_HEIGHT - 1},
                 {left, FENCE_HEIGHT - 1}},
                Pal(PAL_WOOD_MID));
    const int grain = left + 1 + static_cast<int>(TileHash(index, 3, 233) % std::max(1, stake.width - 2));
    for (int y = stake.top + 6; y < FENCE_HEIGHT - 2; ++y)  // a split running down the grain
        if (TileHash(index, y / 4, 235) % 3 != 0) PutPixel(layer, grain, y, Pal(PAL_WOOD_DARK));
    PutPixel(layer, apex, stake.top + 1, Pal(PAL_PARCH_DARK));  // the axe's fresh cut
    PutPixel(layer, apex, stake.top + 2, Pal(PAL_PARCH_DARK));
    ShadeFromTopLeft(layer, RAMP_WOOD);
    OutlineOpaque(layer, Pal(PAL_OUTLINE));
    FillRect(layer, left, FENCE_HEIGHT - 1, stake.width, 1, Pal(PAL_OUTLINE));  // where it meets the ground
    Blit(fence, layer, 0, 0);
}

// A crooked pole across the stakes, lashed with turns of rope where it crosses every other stake.
void PaintRail(PixelCanvas& fence, const std::vector<Stake>& stakes, int leftY, int rightY,
               int firstLashing) {
    PixelCanvas rail = MakeCanvas(FENCE_WIDTH, FENCE_HEIGHT);
    for (int thickness = 0; thickness < 3; ++thickness)
        DrawLine(rail, 0, leftY + thickness, FENCE_WIDTH - 1, rightY + thickness, Pal(PAL_WOOD_MID));
    ShadeFromTopLeft(rail, RAMP_WOOD);
    for (int end : {0, FENCE_WIDTH - 1}) {  // the sawn ends
        for (int thickness = 0; thickness < 3; ++thickness)
            PutPixel(rail, end, (end == 0 ? leftY : rightY) + thickness, Pal(PAL_PARCH_DARK));
    }
    for (std::size_t index = static_cast<std::size_t>(firstLashing); index < stakes.size(); index += 2) {
        const int x = stakes[index].left + stakes[index].width / 2 - 1;
        const int y = leftY + (rightY - leftY) * x / (FENCE_WIDTH - 1);
        FillRect(rail, x, y - 1, 2, 5, Pal(PAL_PARCH_MID));
        PutPixel(rail, x, y, Pal(PAL_PARCH_LIGHT));
        PutPixel(rail, x + 1, y + 2, Pal(PAL_PARCH_DARK));
    }
    OutlineOpaque(rail, Pal(PAL_OUTLINE));
    Blit(fence, rail, 0, 0);
}

// Sharpened stakes lashed to two crooked rails across the forest path, in the night map's colours.
PixelCanvas NightFence() {
    PixelCanvas fence = MakeCanvas(FENCE_WIDTH, FENCE_HEIGHT);
    const std::vector<Stake> stakes = FenceStakes();
    for (std::size_t index = 0; index < stakes.size(); ++index)
        PaintStake(fence, stakes[index], static_cast<int>(index));
    PaintRail(fence, stakes, 13, 15, 0);
    PaintRail(fence, stakes, 28, 26, 1);
    for (int y = 0; y < FENCE_HEIGHT; ++y) {
        for (int x = 0; x < FENCE_WIDTH; ++x)
            PutPixel(fence, x, y, NightColour(PixelAt(fence, x, y)));
    }
    return fence;
}

// The forest's darkness over the whole night map: deep night, with slow drifts of blacker mist so the
// dark does not read as a flat sheet when the torchlight moves through it.
PixelCanvas ForestFog(int width, int height) {
    PixelCanvas fog = MakeCanvas(width, height, Pal(PAL_NIGHT));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const float u = static_cast<float>(x) / 97.0f, v = static_cast<float>(y) / 71.0f;
            const float drift = std::sin(u + 0.6f * std::sin(v * 0.7f)) * std::sin(v * 1.3f + 0.4f * u) +
                                0.5f * std::sin(u * 2.3f - v * 1.7f);
            const int level = std::clamp(static_cast<int>((drift - 0.4f) * 6.0f), 0, 4);
            if (level > 0 && DitherOn(x, y, level)) PutPixel(fog, x, y, Pal(PAL_OUTLINE));
        }
    }
    return fog;
}

}  // namespace

void GeneratePuzzleArt(AssetWriter& writer) {
    const std::string folder = "Sprites/Setting/";
    WritePixelArt(writer, folder + "Flames.png", FlameStrip(), PUZZLE_FACTOR);
    WritePixelArt(writer, folder + "BrokenWall.png", BrokenWall(), PUZZLE_FACTOR);
    WritePixelArt(writer, folder + "Hook.png", Hook(), PUZZLE_FACTOR);
    WritePixelArt(writer, folder + "Night_Fence.png", NightFence(), PUZZLE_FACTOR);
    WritePixelArt(writer, folder + "Rope_Long.png", LongRope(), PUZZLE_FACTOR);
    // The night map is 40 x 24 tiles of 64 map pixels.
    WritePixelArt(writer, "Sprites/Fog/Fog1.png", ForestFog(40 * TILE_ART, 24 * TILE_ART), PUZZLE_FACTOR);
}
