// The Fishdex, the collection of the nine fish, opened with F. Its pictures are drawn at their own size,
// so the art is painted at a quarter size and enlarged four times, the grain of the battle backdrops.
//
// The background (1200 x 1080) stands with its centre at (823, 540), spanning x 223 to 1423 of the screen.
// The game centres the fish at x 710, 960, 1210 and y 290, 540, 790, each in a slot of water here; the
// cursor (220 x 180) is centred on the chosen slot. The column left of the slots stays plain: the three
// post overlays, laid exactly over the background, show the fishing post of the chosen row there.

#include "AssetGroups.h"
#include "AssetRegistry.h"
#include "BattleBackdrop.h"
#include "PixelFont.h"
#include "Scenery.h"
#include "UiFrame.h"
#include "WorldTiles.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

const int DEX_FACTOR = 4;
const int DEX_WIDTH = 300;   // 1200 on disk
const int DEX_HEIGHT = 270;  // 1080
const int DEX_LEFT_ON_SCREEN = 223;
const int DEX_COLUMN_RIGHT = 91;  // the post column ends at screen x 590
const int SLOT_WIDTH = 48;        // 192 x 152 on screen around a 160 x 96 fish
const int SLOT_HEIGHT = 38;
const int CURSOR_WIDTH = 55;  // 220 x 180
const int CURSOR_HEIGHT = 45;
const int FISH_CENTRES_X[3] = {710, 960, 1210};
const int FISH_CENTRES_Y[3] = {290, 540, 790};
const int POST_FRAME_X = 7;  // the picture's frame in the column
const int POST_FRAME_Y = 62;
const int POST_FRAME_WIDTH = 78;
const int POST_FRAME_HEIGHT = 124;
const int SCENE_WIDTH = POST_FRAME_WIDTH - 2 * UI_BORDER;
const int SCENE_HEIGHT = POST_FRAME_HEIGHT - 2 * UI_BORDER;
const std::string DEX_FOLDER = "Sprites/Fishing/Fishdex/";

// A slot's top-left corner in art pixels, from the screen point the game centres a fish on.
PixelPoint SlotCorner(int column, int row) {
    const float x = static_cast<float>(FISH_CENTRES_X[column] - DEX_LEFT_ON_SCREEN) / DEX_FACTOR;
    const float y = static_cast<float>(FISH_CENTRES_Y[row]) / DEX_FACTOR;
    return {static_cast<int>(std::lround(x - SLOT_WIDTH / 2.0f)),
            static_cast<int>(std::lround(y - SLOT_HEIGHT / 2.0f))};
}

// A window onto clear water, sunk into the panel: light from the surface fading to the deep, a few
// glints up top and pebbles on the bottom, all quiet enough for a black silhouette to read on it.
void DrawFishSlot(PixelCanvas& dex, PixelPoint corner) {
    const int x = corner.x, y = corner.y;
    FillRect(dex, x, y, SLOT_WIDTH, SLOT_HEIGHT, Pal(PAL_WATER_MID));
    DitherGradient(dex, x + 1, y + SLOT_HEIGHT / 2, SLOT_WIDTH - 2, SLOT_HEIGHT / 2 - 1, Pal(PAL_WATER_MID),
                   Pal(PAL_WATER_DARK));
    for (int glint = 0; glint < 4; ++glint)
        FillRect(dex, x + 5 + glint * 11 + (glint % 2) * 3, y + 2 + glint % 2, 4, 1, Pal(PAL_WATER_LIGHT));
    for (int pebble = 0; pebble < 7; ++pebble) {
        const int px = x + 3 + pebble * 6 + (pebble * 5) % 3, py = y + SLOT_HEIGHT - 3;
        FillRect(dex, px, py, 2 + pebble % 2, 1, Pal(PAL_STONE_DARK));
        PutPixel(dex, px, py - 1, Pal(PAL_NIGHT));
    }
    StrokeRect(dex, x, y, SLOT_WIDTH, SLOT_HEIGHT, Pal(PAL_OUTLINE));
    FillRect(dex, x + 1, y + 1, SLOT_WIDTH - 2, 1, Pal(PAL_WATER_DARK));  // the rim's shadow on the water
    // A lit lip on the lower right, as on every sunk slot of the game.
    FillRect(dex, x + 1, y + SLOT_HEIGHT, SLOT_WIDTH, 1, Pal(PAL_NAVY_MID));
    FillRect(dex, x + SLOT_WIDTH, y + 1, 1, SLOT_HEIGHT, Pal(PAL_NAVY_MID));
}

// A carved groove down the panel setting the post column apart, gold-studded at both ends.
void DrawColumnGroove(PixelCanvas& dex, int x) {
    const int top = UI_BORDER + 2, bottom = DEX_HEIGHT - UI_BORDER - 2;
    FillRect(dex, x, top, 1, bottom - top, Pal(PAL_OUTLINE));
    FillRect(dex, x + 1, top, 1, bottom - top, Pal(PAL_NAVY_MID));
    for (int y : {top - 1, bottom - 1}) {
        FillRect(dex, x - 1, y, 3, 2, Pal(PAL_GOLD_MID));
        PutPixel(dex, x - 1, y, Pal(PAL_GOLD_LIGHT));
        PutPixel(dex, x + 1, y + 1, Pal(PAL_GOLD_DARK));
    }
}

// A gold rule across the grid from `inner` to `outer` columns of its centre, ending in a stud.
void DrawGoldRule(PixelCanvas& dex, int centre, int y, int inner, int outer) {
    for (int side : {-1, 1}) {
        const int from = centre + side * inner, to = centre + side * outer;
        FillRect(dex, std::min(from, to), y, std::abs(to - from), 1, Pal(PAL_GOLD_MID));
        FillRect(dex, std::min(from, to), y + 1, std::abs(to - from), 1, Pal(PAL_GOLD_DARK));
        FillRect(dex, to - 1, y - 1, 3, 3, Pal(PAL_GOLD_LIGHT));
        PutPixel(dex, to + 1, y + 1, Pal(PAL_GOLD_DARK));
    }
}

PixelCanvas FishdexBackground() {
    PixelCanvas dex = MakePanel(DEX_WIDTH, DEX_HEIGHT, PANEL_NAVY);
    DrawColumnGroove(dex, DEX_COLUMN_RIGHT + 1);
    const int gridCentre = (FISH_CENTRES_X[1] - DEX_LEFT_ON_SCREEN) / DEX_FACTOR;
    const PixelCanvas title = RenderDisplayText("Fishdex", 2, RAMP_GOLD);
    Blit(dex, title, gridCentre - title.width / 2, 12);
    DrawGoldRule(dex, gridCentre, 22, title.width / 2 + 5, 88);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            DrawFishSlot(dex, SlotCorner(column, row));
    }
    // Under the grid, the rule again with a little gold fish swimming on it.
    DrawGoldRule(dex, gridCentre, 240, 9, 88);
    PixelCanvas emblem = MakeCanvas(20, 9);
    // clang-format off
    DrawPixelMap(emblem, 1, 1,
                 {"..........ll....",
                  ".l....lllllll...",
                  ".ll.lllllllllll.",
                  "..lllllllllllowl",
                  ".ll.llllllllll..",
                  ".l....lllllll..."},
                 {{'l', Pal(PAL_GOLD_MID)}, {'o', Pal(PAL_OUTLINE)}, {'w', Pal(PAL_GOLD_LIGHT)}});
    // clang-format on
    ShadeFromTopLeft(emblem, RAMP_GOLD);
    OutlineOpaque(emblem, Pal(PAL_OUTLINE));
    Blit(dex, emblem, gridCentre - 9, 236);
    return dex;
}

// A bright gold frame around the chosen slot, open in the middle, its corners studded.
PixelCanvas FishdexCursor() {
    PixelCanvas cursor = MakeCanvas(CURSOR_WIDTH, CURSOR_HEIGHT);
    StrokeRect(cursor, 1, 1, CURSOR_WIDTH - 2, CURSOR_HEIGHT - 2, Pal(PAL_GOLD_LIGHT));
    StrokeRect(cursor, 2, 2, CURSOR_WIDTH - 4, CURSOR_HEIGHT - 4, Pal(PAL_GOLD_MID));
    for (int corner = 0; corner < 4; ++corner) {
        const int x = corner % 2 == 0 ? 0 : CURSOR_WIDTH - 6, y = corner < 2 ? 0 : CURSOR_HEIGHT - 6;
        FillRect(cursor, x + 1, y + 1, 4, 4, Pal(PAL_GOLD_MID));
        FillRect(cursor, x + 1, y + 1, 3, 1, Pal(PAL_WHITE));
        FillRect(cursor, x + 1, y + 1, 1, 3, Pal(PAL_WHITE));
        FillRect(cursor, x + 2, y + 4, 3, 1, Pal(PAL_GOLD_DARK));
        FillRect(cursor, x + 4, y + 2, 1, 3, Pal(PAL_GOLD_DARK));
    }
    OutlineOpaque(cursor, Pal(PAL_OUTLINE));
    return cursor;
}

// The sky of a post's picture, day or night, falling to a haze at the horizon.
void PaintSky(PixelCanvas& scene, int horizon, bool night) {
    const PaletteIndex top = night ? PAL_NIGHT : PAL_SKY_MID, haze = night ? PAL_SKY_DEEP : PAL_SKY_LIGHT;
    FillRect(scene, 0, 0, SCENE_WIDTH, horizon, Pal(top));
    DitherGradient(scene, 0, horizon / 3, SCENE_WIDTH, horizon - horizon / 3, Pal(top), Pal(haze));
}

void PaintWater(PixelCanvas& scene, int top, int seedX) {
    for (int y = top; y < SCENE_HEIGHT; ++y) {
        for (int x = 0; x < SCENE_WIDTH; ++x)
            PutPixel(scene, x, y, WaterAt(x + seedX, y));
    }
}

void PaintGrass(PixelCanvas& scene, int top, int bottom, int seed) {
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < SCENE_WIDTH; ++x)
            PutPixel(scene, x, y, GrassAt(x, y, static_cast<std::uint32_t>(seed)));
    }
}

// A lily pad with a notch, and now and then a flower on it.
void DrawLilyPad(PixelCanvas& scene, int x, int y, bool flower) {
    PixelCanvas pad = MakeCanvas(SCENE_WIDTH, SCENE_HEIGHT);
    FillEllipse(pad, x, y, 3, 1, Pal(PAL_GRASS_MID));
    PutPixel(pad, x + 2, y, sf::Color::Transparent);
    PutPixel(pad, x + 3, y, sf::Color::Transparent);
    PlaceShadedLayer(scene, pad, 0, 0, {RAMP_GRASS});
    if (flower) {
        PutPixel(scene, x - 1, y - 1, Pal(PAL_CLOTH_LIGHT));
        PutPixel(scene, x, y - 1, Pal(PAL_WHITE));
    }
}

void DrawReeds(PixelCanvas& scene, int x, int y, int count) {
    PixelCanvas reeds = MakeCanvas(SCENE_WIDTH, SCENE_HEIGHT);
    for (int reed = 0; reed < count; ++reed) {
        const int rx = x + reed * 2, height = 8 + (reed * 5) % 6;
        DrawLine(reeds, rx, y, rx + (reed % 2), y - height,
                 Pal(reed % 2 == 0 ? PAL_GRASS_DARK : PAL_GRASS_MID));
        if (reed % 2 == 0) FillRect(reeds, rx, y - height - 1, 1, 3, Pal(PAL_WOOD_MID));  // a bulrush head
    }
    OutlineOpaque(reeds, Pal(PAL_OUTLINE));
    Blit(scene, reeds, 0, 0);
}

// The village pond by day: huts and round trees over the far bank, lilies on the water and the jetty
// the hero fishes from.
PixelCanvas VillagePond() {
    PixelCanvas scene = MakeCanvas(SCENE_WIDTH, SCENE_HEIGHT);
    Rng rng = MakeRng(0xF15D01u);
    PaintSky(scene, 40, false);
    DrawCloud(scene, 6, 6, 26, rng);
    DrawCloud(scene, 44, 14, 18, rng);
    FillRidge(scene, 36, 3, 14.0f, 0.4f, Pal(PAL_SKY_MID));
    PaintGrass(scene, 38, 52, 3);
    DrawGoblinHut(scene, 36, 44, 14, ROOF_THATCH, rng);
    DrawRoundTree(scene, 12, 46, 6, rng);
    DrawRoundTree(scene, 60, 47, 5, rng);
    PaintWater(scene, 50, 7);
    FillRect(scene, 0, 50, SCENE_WIDTH, 1, Pal(PAL_GRASS_DARK));
    for (int x = 0; x < SCENE_WIDTH; ++x)  // the far bank's reflection
        if (DitherOn(x, 51, 8)) PutPixel(scene, x, 51, Pal(PAL_WATER_DARK));
    DrawLilyPad(scene, 14, 62, true);
    DrawLilyPad(scene, 24, 70, false);
    DrawLilyPad(scene, 9, 78, false);
    // The jetty: planks on two posts, reaching out from the near right bank.
    PixelCanvas jetty = MakeCanvas(SCENE_WIDTH, SCENE_HEIGHT);
    FillPolygon(jetty, {{38, 66}, {SCENE_WIDTH, 62}, {SCENE_WIDTH, 76}, {34, 76}}, Pal(PAL_WOOD_MID));
    for (int x = 41; x < SCENE_WIDTH; x += 5)
        DrawLine(jetty, x, 65, x - 3, 75, Pal(PAL_WOOD_DARK));
    FillRect(jetty, 36, 76, 3, 6, Pal(PAL_WOOD_DARK));
    FillRect(jetty, 54, 76, 3, 5, Pal(PAL_WOOD_DARK));
    PlaceShadedLayer(scene, jetty, 0, 0, {RAMP_WOOD});
    DrawReeds(scene, 2, SCENE_HEIGHT - 2, 5);
    return scene;
}

// The river by the bridge by day: the stone arch across the stream, pines on the far bank, the current
// running towards the viewer between grassy banks.
PixelCanvas RiverBridge() {
    PixelCanvas scene = MakeCanvas(SCENE_WIDTH, SCENE_HEIGHT);
    Rng rng = MakeRng(0xF15D02u);
    PaintSky(scene, 34, false);
    DrawCloud(scene, 30, 4, 24, rng);
    FillRidge(scene, 28, 4, 12.0f, 1.1f, Pal(PAL_FOREST_DEEP));
    for (int x = -2; x < SCENE_WIDTH + 4; x += 5 + RandomRange(rng, 0, 2))
        DrawPineTree(scene, x, RidgeY(x, 28, 4, 12.0f, 1.1f) + 6, 9 + RandomRange(rng, 0, 4), rng);
    PaintWater(scene, 34, 3);
    // Grass banks narrowing into the distance on both sides.
    // Grass banks opening out towards the viewer, a lip of foam where the current brushes them.
    for (int y = 34; y < SCENE_HEIGHT; ++y) {
        const int bank = 19 - (y - 34) * 16 / (SCENE_HEIGHT - 34) + (y % 5 == 0 ? 1 : 0);
        for (int x = 0; x < SCENE_WIDTH; ++x)
            if (x < bank || x >= SCENE_WIDTH - bank) PutPixel(scene, x, y, GrassAt(x, y, 5));
        PutPixel(scene, bank - 1, y, Pal(PAL_GRASS_DARK));
        PutPixel(scene, SCENE_WIDTH - bank, y, Pal(PAL_GRASS_DARK));
        if (DitherOn(bank, y, 8)) PutPixel(scene, bank, y, Pal(PAL_WATER_FOAM));
        if (DitherOn(SCENE_WIDTH - bank - 1, y, 8))
            PutPixel(scene, SCENE_WIDTH - bank - 1, y, Pal(PAL_WATER_FOAM));
    }
    // The bridge: a stone arch with its parapet, the river flowing out from under it.
    PixelCanvas bridge = MakeCanvas(SCENE_WIDTH, SCENE_HEIGHT);
    FillRect(bridge, 0, 30, SCENE_WIDTH, 16, Pal(PAL_STONE_MID));
    FillEllipse(bridge, SCENE_WIDTH / 2, 47, 17, 11, sf::Color::Transparent);
    for (int y = 33; y < 46; y += 4) {
        for (int x = (y / 4) % 2 * 4; x < SCENE_WIDTH; x += 8) {
            if (PixelAt(bridge, x, y) == Pal(PAL_STONE_MID))
                FillRect(bridge, x, y, 1, 3, Pal(PAL_STONE_DARK));
        }
    }
    FillRect(bridge, 0, 27, SCENE_WIDTH, 3, Pal(PAL_STONE_LIGHT));
    PlaceShadedLayer(scene, bridge, 0, 0, {RAMP_STONE});
    for (int y = 38; y < 48; ++y) {  // the dark under the arch
        for (int x = 0; x < SCENE_WIDTH; ++x) {
            if (PixelAt(bridge, x, y).a == 0 && PixelAt(scene, x, y) != Pal(PAL_OUTLINE) &&
                DitherOn(x, y, 12 - (y - 38)))
                PutPixel(scene, x, y, Pal(PAL_WATER_DARK));
        }
    }
    for (int streak = 0; streak < 7; ++streak) {  // foam drawn along by the current
        const int x = 24 + streak * 4, y = 56 + (streak * 11) % 50;
        FillRect(scene, x, y, 1, 3, Pal(PAL_WATER_FOAM));
    }
    return scene;
}

// The forest lake at night: the moon over dark pines, its light broken on the water, fireflies.
PixelCanvas ForestLake() {
    PixelCanvas scene = MakeCanvas(SCENE_WIDTH, SCENE_HEIGHT);
    Rng rng = MakeRng(0xF15D03u);
    PaintSky(scene, 44, true);
    for (int star = 0; star < 22; ++star) {
        PutPixel(scene, RandomRange(rng, 1, SCENE_WIDTH - 2), RandomRange(rng, 1, 30),
                 Pal(star % 4 == 0 ? PAL_WHITE : PAL_SKY_LIGHT));
    }
    DrawBackdropMoon(scene, 50, 14, 6);
    PixelCanvas land = MakeCanvas(SCENE_WIDTH, SCENE_HEIGHT);
    FillRidge(land, 40, 3, 10.0f, 2.0f, Pal(PAL_FOREST_DEEP));
    for (int x = -2; x < SCENE_WIDTH + 4; x += 4 + RandomRange(rng, 0, 3))
        DrawPineTree(land, x, RidgeY(x, 40, 3, 10.0f, 2.0f) + 5, 10 + RandomRange(rng, 0, 6), rng);
    const int nearShore = SCENE_HEIGHT - 16;
    for (int y = 46; y < SCENE_HEIGHT; ++y) {
        for (int x = 0; x < SCENE_WIDTH; ++x) {
            const int shore = nearShore + static_cast<int>(std::lround(2.0f * std::sin(x * 0.2f)));
            PutPixel(land, x, y,
                     y < shore ? WaterAt(x + 11, y) : (y == shore ? Pal(PAL_GRASS_DARK) : GrassAt(x, y, 9)));
        }
    }
    DrawPineTree(land, 3, SCENE_HEIGHT - 3, 34, rng);  // pines on the near shore, framing the lake
    DrawPineTree(land, SCENE_WIDTH - 4, SCENE_HEIGHT - 2, 42, rng);
    for (int y = 0; y < SCENE_HEIGHT; ++y) {
        for (int x = 0; x < SCENE_WIDTH; ++x)
            PutPixel(land, x, y, NightColour(PixelAt(land, x, y)));
    }
    Blit(scene, land, 0, 0);
    for (int y = 48; y < SCENE_HEIGHT - 18; y += 2) {  // the moon's path on the lake
        for (int glint = 0; glint < 2; ++glint) {
            const int spread = 2 + (y - 48) / 5, length = RandomRange(rng, 2, 4);
            FillRect(scene, 50 + RandomRange(rng, -spread, spread) - length / 2, y, length, 1,
                     Pal(glint == 0 ? PAL_WATER_FOAM : PAL_WATER_LIGHT));
        }
    }
    for (int fly = 0; fly < 7; ++fly)
        PutPixel(scene, RandomRange(rng, 6, SCENE_WIDTH - 8), RandomRange(rng, 30, 60), Pal(PAL_GOLD_LIGHT));
    return scene;
}

struct FishingPost {
    const char* name;
    PixelCanvas (*paint)();
};

const FishingPost FISHING_POSTS[3] = {
    {"Village pond", VillagePond}, {"River", RiverBridge}, {"Forest lake", ForestLake}};

// The post's picture in a frame of the panels' own style, its name on a sunk plate under it; nothing
// else of the overlay is drawn, so the background shows through everywhere but the column.
PixelCanvas PostOverlay(const FishingPost& post) {
    PixelCanvas overlay = MakeCanvas(DEX_WIDTH, DEX_HEIGHT);
    DrawNineSlice(overlay, MakeFrameTile(PANEL_NAVY, false), POST_FRAME_X, POST_FRAME_Y, POST_FRAME_WIDTH,
                  POST_FRAME_HEIGHT);
    Blit(overlay, post.paint(), POST_FRAME_X + UI_BORDER, POST_FRAME_Y + UI_BORDER);
    const int plateY = POST_FRAME_Y + POST_FRAME_HEIGHT + 6, plateHeight = 15;
    FillRect(overlay, POST_FRAME_X, plateY, POST_FRAME_WIDTH, plateHeight, Pal(PAL_NIGHT));
    StrokeRect(overlay, POST_FRAME_X, plateY, POST_FRAME_WIDTH, plateHeight, Pal(PAL_OUTLINE));
    FillRect(overlay, POST_FRAME_X + 1, plateY + plateHeight - 1, POST_FRAME_WIDTH - 1, 1, Pal(PAL_NAVY_MID));
    TextStyle style;
    style.fill = Pal(PAL_PARCH_LIGHT);
    style.shadow = Pal(PAL_OUTLINE);
    DrawTextCentred(overlay, POST_FRAME_X + POST_FRAME_WIDTH / 2, plateY + plateHeight / 2, post.name, style);
    style.fill = Pal(PAL_GOLD_LIGHT);
    DrawTextCentred(overlay, POST_FRAME_X + POST_FRAME_WIDTH / 2, POST_FRAME_Y - 9, "Fishing post", style);
    return overlay;
}

}  // namespace

void GenerateFishdexArt(AssetWriter& writer) {
    WritePixelArt(writer, DEX_FOLDER + "Fishdex_Background.png", FishdexBackground(), DEX_FACTOR);
    for (int post = 0; post < 3; ++post) {
        WritePixelArt(writer, DEX_FOLDER + "FishingPost_" + std::to_string(post + 1) + ".png",
                      PostOverlay(FISHING_POSTS[post]), DEX_FACTOR);
    }
    WritePixelArt(writer, DEX_FOLDER + "Fishdex_Cursor.png", FishdexCursor(), DEX_FACTOR);
}
