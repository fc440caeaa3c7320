// The four animated trees of the maps and their burnt twins. The game shows a tree at a quarter of its
// texture, so one art pixel is eight texture pixels, two map pixels like every tile. A strip holds ten
// frames of a gentle sway (the crown moves more than the trunk); the game puts the trunk's foot at two
// thirds of the frame's height (TREE_4 at 2 / 3.5), so the lower part of a frame holds only its shadow.

#include "AssetGroups.h"
#include "AssetRegistry.h"
#include "PixelCanvas.h"
#include "Rng.h"

#include <cmath>
#include <string>

namespace {

const int TREE_WIDTH = 48;
const int TREE_HEIGHT = 84;
const int TREE_FRAMES = 10;
const int TREE_FACTOR = 8;
const float TREE_TWO_PI = 6.2831853f;

enum TreeKind { TREE_OAK, TREE_PINE, TREE_BIRCH, TREE_WILLOW };

// The art row holding the point the game pins to the map: (2H/3 + 10) or (2H/3.5 + 10) texture pixels.
int FootRow(TreeKind kind) {
    const int texture = TREE_HEIGHT * TREE_FACTOR;
    const int origin =
        kind == TREE_WILLOW ? static_cast<int>(2.0f * texture / 3.5f + 10.0f) : 2 * texture / 3 + 10;
    return origin / TREE_FACTOR;
}

struct Cluster {
    int x, y, radius;
};

struct TreeDesign {
    int trunkWidth;
    int crownBottom;  // where the trunk disappears into the leaves
    Ramp leaves;
    Ramp bark;
    std::vector<Cluster> clusters;
};

TreeDesign DesignFor(TreeKind kind, int foot) {
    const Ramp oakLeaves = RAMP_GRASS, birchLeaves{PAL_GRASS_MID, PAL_GRASS_LIGHT, PAL_GRASS_PALE};
    const Ramp barkRamp = RAMP_WOOD, birchBark{PAL_STONE_LIGHT, PAL_PARCH_LIGHT, PAL_WHITE};
    switch (kind) {
        case TREE_OAK:
            return {5,
                    foot - 16,
                    oakLeaves,
                    barkRamp,
                    {{24, foot - 36, 14},
                     {14, foot - 30, 10},
                     {34, foot - 29, 10},
                     {20, foot - 46, 9},
                     {31, foot - 44, 9},
                     {24, foot - 24, 9}}};
        case TREE_PINE:
            return {4, foot - 6, Ramp{PAL_FOREST_DEEP, PAL_GRASS_DARK, PAL_GRASS_MID}, barkRamp, {}};
        case TREE_BIRCH:
            return {3,
                    foot - 20,
                    birchLeaves,
                    birchBark,
                    {{22, foot - 44, 8},
                     {15, foot - 36, 7},
                     {30, foot - 37, 8},
                     {24, foot - 29, 7},
                     {27, foot - 52, 6}}};
        case TREE_WILLOW:
            return {5,
                    foot - 18,
                    oakLeaves,
                    barkRamp,
                    {{24, foot - 34, 13}, {13, foot - 28, 9}, {35, foot - 28, 9}, {24, foot - 42, 8}}};
    }
    return {};
}

void DrawTrunk(PixelCanvas& layer, const TreeDesign& design, int foot, bool burnt) {
    const int left = TREE_WIDTH / 2 - design.trunkWidth / 2;
    const sf::Color bark = burnt ? Pal(PAL_NIGHT) : Pal(design.bark.mid);
    FillRect(layer, left, design.crownBottom - 4, design.trunkWidth, foot - design.crownBottom + 5, bark);
    FillRect(layer, left - 2, foot - 1, design.trunkWidth + 4, 2, bark);  // roots
    for (const Cluster& cluster : design.clusters)                        // branches reach into each cluster
        DrawLine(layer, TREE_WIDTH / 2, design.crownBottom, cluster.x, cluster.y + cluster.radius / 2, bark);
    if (design.bark.mid == PAL_PARCH_LIGHT && !burnt) {
        for (int y = design.crownBottom; y < foot; y += 4)
            FillRect(layer, left + (y % 3 == 0 ? 1 : 0), y, 2, 1, Pal(PAL_OUTLINE));
    }
}

void DrawLeafCluster(PixelCanvas& layer, const Cluster& cluster, const Ramp& leaves, Rng& rng) {
    FillCircle(layer, cluster.x, cluster.y, cluster.radius, Pal(leaves.mid));
    // Leaf tufts catch the light on the upper left, the lower right sinks into shade.
    for (int spot = 0; spot < cluster.radius * 3; ++spot) {
        const int dx = RandomRange(rng, -cluster.radius, cluster.radius / 2),
                  dy = RandomRange(rng, -cluster.radius, 0);
        if (dx * dx + dy * dy < cluster.radius * cluster.radius * 2 / 3)
            FillRect(layer, cluster.x + dx, cluster.y + dy, 2, 1, Pal(leaves.light));
    }
    for (int dy = 0; dy <= cluster.radius; ++dy) {
        for (int dx = -cluster.radius; dx <= cluster.radius; ++dx) {
            const int x = cluster.x + dx, y = cluster.y + dy;
            if (dx + dy > cluster.radius / 2 && dx * dx + dy * dy <= cluster.radius * cluster.radius &&
                DitherOn(x, y, 8))
                PutPixel(layer, x, y, Pal(leaves.dark));
        }
    }
}

void DrawPineCrown(PixelCanvas& layer, const TreeDesign& design, int foot, bool burnt) {
    const int tiers = 4;
    for (int tier = 0; tier < tiers; ++tier) {
        const int bottom = foot - 6 - tier * 12, half = 20 - tier * 4;
        const int top = bottom - 18;
        if (burnt) {
            DrawLine(layer, 24 - half / 2, bottom - 2, 24, bottom - 6, Pal(PAL_NIGHT));
            DrawLine(layer, 24 + half / 2, bottom - 2, 24, bottom - 6, Pal(PAL_NIGHT));
            continue;
        }
        FillPolygon(layer, {{24 - half, bottom}, {24, top}, {25, top}, {25 + half, bottom}},
                    Pal(design.leaves.mid));
        for (int x = 24 - half + 2; x < 24 + half; x += 3)
            PutPixel(layer, x, bottom - 1, Pal(design.leaves.dark));
    }
    if (burnt) FillRect(layer, 23, foot - 54, 3, 50, Pal(PAL_NIGHT));
}

// The willow's curtains hang from the crown almost to the ground.
void DrawWillowStrands(PixelCanvas& layer, const TreeDesign& design, int foot) {
    for (int x = 10; x < 39; x += 2) {
        const int top = foot - 30 + std::abs(x - 24) / 3, length = 18 + (x * 7) % 9;
        DrawLine(layer, x, top, x + (x < 24 ? -1 : 1), std::min(foot - 4, top + length),
                 Pal(design.leaves.mid));
        if (x % 4 == 0) PutPixel(layer, x, top + length / 2, Pal(design.leaves.light));
    }
}

// A burnt tree keeps a few dark, shrivelled tufts.
void DrawBurntLeaves(PixelCanvas& layer, const TreeDesign& design) {
    for (std::size_t index = 0; index < design.clusters.size(); index += 2) {
        const Cluster& cluster = design.clusters[index];
        FillCircle(layer, cluster.x, cluster.y, cluster.radius / 3, Pal(PAL_FOREST_DEEP));
        PutPixel(layer, cluster.x - 1, cluster.y - 1, Pal(PAL_GRASS_DARK));
    }
}

PixelCanvas DrawTree(TreeKind kind, bool burnt) {
    const int foot = FootRow(kind);
    const TreeDesign design = DesignFor(kind, foot);
    PixelCanvas layer = MakeCanvas(TREE_WIDTH, TREE_HEIGHT);
    Rng rng = MakeRng(static_cast<std::uint32_t>(kind) * 31u + 7u);
    DrawTrunk(layer, design, foot, burnt);
    if (kind == TREE_PINE) DrawPineCrown(layer, design, foot, burnt);
    if (kind == TREE_WILLOW && !burnt) DrawWillowStrands(layer, design, foot);
    if (burnt) {
        DrawBurntLeaves(layer, design);
    } else {
        for (const Cluster& cluster : design.clusters)
            DrawLeafCluster(layer, cluster, design.leaves, rng);
    }
    ShadeFromTopLeft(layer, design.leaves);
    ShadeFromTopLeft(layer, design.bark);
    if (burnt) ShadeFromTopLeft(layer, Ramp{PAL_OUTLINE, PAL_NIGHT, PAL_STONE_DARK});
    OutlineOpaque(layer, Pal(PAL_OUTLINE));
    return layer;
}

// Each row of the tree moves sideways by the sway at that height: nothing at the foot, most at the top.
PixelCanvas SwayFrame(const PixelCanvas& tree, int foot, int frame) {
    PixelCanvas moved = MakeCanvas(tree.width, tree.height);
    const float swing = std::sin(TREE_TWO_PI * static_cast<float>(frame) / TREE_FRAMES);
    for (int y = 0; y < tree.height; ++y) {
        const float height = std::max(0.0f, static_cast<float>(foot - y) / static_cast<float>(foot));
        const int shift = static_cast<int>(std::lround(swing * 1.6f * height * height));
        for (int x = 0; x < tree.width; ++x) {
            const sf::Color colour = PixelAt(tree, x - shift, y);
            if (colour.a > 0) PutPixel(moved, x, y, colour);
        }
    }
    return moved;
}

// Embers glow and fade in the charred wood, each on its own beat.
void AddEmbers(PixelCanvas& frame, const PixelCanvas& tree, int index, TreeKind kind) {
    std::vector<PixelPoint> charred;
    for (int y = 0; y < tree.height; ++y) {
        for (int x = 0; x < tree.width; ++x) {
            if (PixelAt(tree, x, y) == Pal(PAL_NIGHT) || PixelAt(tree, x, y) == Pal(PAL_STONE_DARK))
                charred.push_back({x, y});
        }
    }
    if (charred.empty()) return;
    Rng rng = MakeRng(static_cast<std::uint32_t>(kind) * 97u + 13u);
    for (int ember = 0; ember < 14; ++ember) {
        const PixelPoint spot =
            charred[static_cast<std::size_t>(RandomRange(rng, 0, static_cast<int>(charred.size()) - 1))];
        const int phase = (index + RandomRange(rng, 0, TREE_FRAMES - 1)) % TREE_FRAMES;
        if (phase < 3) {
            PutPixel(frame, spot.x, spot.y, Pal(phase == 1 ? PAL_GOLD_LIGHT : PAL_CLOTH_LIGHT));
        } else if (phase < 5) {
            PutPixel(frame, spot.x, spot.y, Pal(PAL_CLOTH_DARK));
        }
    }
    const PixelPoint base = charred[charred.size() / 2];
    const int sparkX = base.x - 4 + (index * 7) % 9, sparkY = base.y - 6 - index * 3;  // a spark drifting up
    if (!IsOpaque(frame, sparkX, sparkY)) PutPixel(frame, sparkX, sparkY, Pal(PAL_CLOTH_LIGHT));
}

PixelCanvas TreeStrip(TreeKind kind, bool burnt) {
    const int foot = FootRow(kind);
    const PixelCanvas tree = DrawTree(kind, burnt);
    PixelCanvas strip = MakeCanvas(TREE_WIDTH * TREE_FRAMES, TREE_HEIGHT);
    for (int frame = 0; frame < TREE_FRAMES; ++frame) {
        PixelCanvas moved = burnt ? tree : SwayFrame(tree, foot, frame);
        if (burnt) AddEmbers(moved, tree, frame, kind);
        PixelCanvas shadowed = MakeCanvas(TREE_WIDTH, TREE_HEIGHT);
        FillEllipse(shadowed, TREE_WIDTH / 2 + 1, foot + 1, 11, 2, Pal(PAL_OUTLINE, 70));
        Blit(shadowed, moved, 0, 0);
        Blit(strip, shadowed, frame * TREE_WIDTH, 0);
    }
    return strip;
}

}  // namespace

void GenerateTrees(AssetWriter& writer) {
    const TreeKind kinds[] = {TREE_OAK, TREE_PINE, TREE_BIRCH, TREE_WILLOW};
    for (int index = 0; index < 4; ++index) {
        const std::string name = "Sprites/MapAnimations/TREE_" + std::to_string(index + 1);
        WritePixelArt(writer, name + ".png", TreeStrip(kinds[index], false), TREE_FACTOR);
        WritePixelArt(writer, name + "_BURN.png", TreeStrip(kinds[index], true), TREE_FACTOR);
    }
}
