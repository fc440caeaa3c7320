// The title picture: dawn over the goblin village, the river and its bridge, the dark forest on the hills,
// and the name of the game in gold. The right-hand column where the game draws its four buttons is kept
// quiet (sky and forest only) and sits in a soft dithered shadow so the buttons read well.

#include "AssetGroups.h"
#include "AssetRegistry.h"
#include "PixelFont.h"
#include "Scenery.h"
#include "UiFrame.h"

#include <algorithm>
#include <vector>

namespace {

const int TITLE_WIDTH = 480;  // 1920x1080 after the x4 enlargement
const int TITLE_HEIGHT = 270;
const int TITLE_SCALE = 4;
// The button column on the 480x270 canvas (x 1480-1860, y 380-770 on the reference screen), with room.
const int TITLE_COLUMN_LEFT = 374;
const int TITLE_COLUMN_RIGHT = 462;
const int TITLE_COLUMN_TOP = 93;
const int TITLE_COLUMN_BOTTOM = 194;
const int TITLE_COLUMN_FADE = 12;
const int TITLE_FOREST_Y = 150;
const int TITLE_MEADOW_Y = 176;

void DrawSky(PixelCanvas& scene, Rng& rng) {
    DitherGradient(scene, 0, 0, TITLE_WIDTH, 44, Pal(PAL_NIGHT), Pal(PAL_SKY_DEEP));
    DitherGradient(scene, 0, 44, TITLE_WIDTH, 44, Pal(PAL_SKY_DEEP), Pal(PAL_SKY_MID));
    DitherGradient(scene, 0, 88, TITLE_WIDTH, 30, Pal(PAL_SKY_MID), Pal(PAL_SKY_LIGHT));
    DitherGradient(scene, 0, 118, TITLE_WIDTH, 22, Pal(PAL_SKY_LIGHT), Pal(PAL_SKY_GLOW));
    FillRect(scene, 0, 140, TITLE_WIDTH, 20, Pal(PAL_SKY_GLOW));
    for (int star = 0; star < 40; ++star) {
        const int x = RandomRange(rng, 0, TITLE_WIDTH - 1), y = RandomRange(rng, 0, 40);
        PutPixel(scene, x, y, Pal(star % 5 == 0 ? PAL_WHITE : PAL_SKY_LIGHT));
    }
    // The sun rising behind the hills, left of the river's source.
    FillCircle(scene, 252, 128, 16, Pal(PAL_SKY_GLOW));
    FillCircle(scene, 252, 128, 12, Pal(PAL_GOLD_LIGHT));
    FillCircle(scene, 252, 128, 9, Pal(PAL_WHITE));
    const int cloudX[] = {300, 395, 40, 176, 318};
    const int cloudY[] = {30, 22, 98, 90, 66};
    const int cloudW[] = {38, 52, 30, 40, 26};
    for (int cloud = 0; cloud < 5; ++cloud)
        DrawCloud(scene, cloudX[cloud], cloudY[cloud], cloudW[cloud], rng);
}

void DrawHills(PixelCanvas& scene, Rng& rng) {
    FillRidge(scene, 132, 10, 38.0f, 0.4f, Pal(PAL_SKY_MID));
    FillRidge(scene, 144, 8, 26.0f, 2.1f, Pal(PAL_SKY_DEEP));
    FillRidge(scene, TITLE_FOREST_Y, 6, 30.0f, 1.0f, Pal(PAL_FOREST_DEEP));
    // Rows of pines climb the ridge; the back row is smaller and darker with distance.
    for (int row = 0; row < 3; ++row) {
        for (int x = -4 + row * 3; x < TITLE_WIDTH + 8; x += 7 + RandomRange(rng, 0, 3)) {
            const int foot = RidgeY(x, TITLE_FOREST_Y, 6, 30.0f, 1.0f) + 4 + row * 7;
            DrawPineTree(scene, x, foot, 12 + row * 4 + RandomRange(rng, 0, 4), rng);
        }
    }
}

void DrawMeadow(PixelCanvas& scene, Rng& rng) {
    FillRect(scene, 0, TITLE_MEADOW_Y, TITLE_WIDTH, TITLE_HEIGHT - TITLE_MEADOW_Y, Pal(PAL_GRASS_MID));
    DitherGradient(scene, 0, TITLE_MEADOW_Y, TITLE_WIDTH, 10, Pal(PAL_GRASS_DARK), Pal(PAL_GRASS_MID));
    DitherGradient(scene, 0, 236, TITLE_WIDTH, 34, Pal(PAL_GRASS_MID), Pal(PAL_GRASS_LIGHT));
    for (int tuft = 0; tuft < 260; ++tuft) {
        const int x = RandomRange(rng, 0, TITLE_WIDTH - 1),
                  y = RandomRange(rng, TITLE_MEADOW_Y + 6, TITLE_HEIGHT - 2);
        PutPixel(scene, x, y, Pal(PAL_GRASS_PALE));
        PutPixel(scene, x, y + 1, Pal(PAL_GRASS_DARK));
    }
}

// The river leaves the forest below the sun and widens towards the viewer, bending left.
int RiverCentre(int y) {
    return 262 - (y - TITLE_FOREST_Y) * 3 / 4;
}
int RiverHalfWidth(int y) {
    return 2 + (y - TITLE_FOREST_Y) * 2 / 7;
}

void DrawRiver(PixelCanvas& scene, Rng& rng) {
    for (int y = TITLE_FOREST_Y + 14; y < TITLE_HEIGHT; ++y) {
        const int centre = RiverCentre(y), half = RiverHalfWidth(y);
        FillRect(scene, centre - half - 1, y, 2 * half + 3, 1, Pal(PAL_OUTLINE));
        DitherRect(scene, centre - half, y, 2 * half + 1, 1, Pal(PAL_WATER_MID), Pal(PAL_WATER_DARK), 4);
        PutPixel(scene, centre - half, y, Pal(PAL_WATER_LIGHT));
        PutPixel(scene, centre + half + 2, y, Pal(PAL_GRASS_DARK));
    }
    // Ripples catch the dawn light.
    for (int ripple = 0; ripple < 45; ++ripple) {
        const int y = RandomRange(rng, TITLE_FOREST_Y + 18, TITLE_HEIGHT - 2);
        const int half = RiverHalfWidth(y), x = RiverCentre(y) + RandomRange(rng, -half + 2, half - 4);
        FillRect(scene, x, y, RandomRange(rng, 2, 4), 1,
                 Pal(ripple % 3 == 0 ? PAL_WATER_FOAM : PAL_WATER_LIGHT));
    }
}

// A humped stone bridge; its thin wooden rail is drawn after the outline so it stays a light line.
void DrawBridge(PixelCanvas& scene) {
    const int y = 214, centre = RiverCentre(y), half = RiverHalfWidth(y) + 10;
    PixelCanvas layer = MakeCanvas(2 * half + 8, 30);
    const int left = 4, right = left + 2 * half, deck = 12;
    std::vector<PixelPoint> outline{{left, deck + 12}, {left, deck + 3}};
    for (int step = 0; step <= 8; ++step) {
        const int x = left + (2 * half * step) / 8, rise = (step * (8 - step)) / 4;
        outline.push_back({x, deck + 3 - rise});
    }
    outline.push_back({right, deck + 3});
    outline.push_back({right, deck + 12});
    FillPolygon(layer, outline, Pal(PAL_STONE_MID));
    FillEllipse(layer, left + half, deck + 14, half - 8, 8,
                sf::Color::Transparent);  // the arch over the water
    for (int row = deck + 2; row < deck + 12; row += 3) {
        for (int column = left + 2 + (row % 2) * 2; column < right; column += 5) {
            if (PixelAt(layer, column, row) == Pal(PAL_STONE_MID))
                PutPixel(layer, column, row, Pal(PAL_STONE_DARK));
        }
    }
    const int placeX = centre - half - left, placeY = y - deck;
    PlaceShadedLayer(scene, layer, placeX, placeY, {RAMP_STONE});
    for (int step = 0; step <= 2 * half; ++step) {
        const int x = left + step, rise = ((step * 8 / (2 * half)) * (8 - step * 8 / (2 * half))) / 4;
        PutPixel(scene, placeX + x, placeY + deck - 1 - rise - 3, Pal(PAL_WOOD_LIGHT));
        PutPixel(scene, placeX + x, placeY + deck - 1 - rise - 2, Pal(PAL_WOOD_DARK));
        if (step % 5 == 0) FillRect(scene, placeX + x, placeY + deck - 1 - rise - 3, 1, 4, Pal(PAL_WOOD_MID));
    }
}

// The dirt track runs from the village over the bridge and on towards the huts across the river.
int PathY(int x) {
    if (x < 180) return 222 + (x - 40) / 12 - std::max(0, (x - 120) / 6);
    return 218 + (x - 240) / 5;
}

void DrawPath(PixelCanvas& scene) {
    const int bridgeLeft = RiverCentre(214) - RiverHalfWidth(214) - 8;
    const int bridgeRight = RiverCentre(214) + RiverHalfWidth(214) + 10;
    for (int x = 40; x < 400; ++x) {
        if (x >= bridgeLeft && x <= bridgeRight) continue;
        DitherRect(scene, x, PathY(x), 1, 5, Pal(PAL_PARCH_DARK), Pal(PAL_WOOD_LIGHT), 5);
        PutPixel(scene, x, PathY(x) - 1, Pal(PAL_GRASS_DARK));
    }
}

void DrawFence(PixelCanvas& scene, int x, int y, int length) {
    for (int step = 0; step < length; ++step) {
        PutPixel(scene, x + step, y - 3, Pal(PAL_WOOD_LIGHT));
        PutPixel(scene, x + step, y - 2, Pal(PAL_WOOD_DARK));
        if (step % 4 == 0) {
            FillRect(scene, x + step, y - 5, 1, 5, Pal(PAL_WOOD_MID));
            PutPixel(scene, x + step + 1, y - 4, Pal(PAL_OUTLINE));
        }
    }
}

// Thin smoke rises from a few chimneys and bends east with the morning breeze.
void DrawSmoke(PixelCanvas& scene, int x, int y, Rng& rng) {
    const int drift[] = {0, 0, 1, 1, 2, 2, 3, 4, 4, 5, 6, 7};
    for (int step = 0; step < 12; ++step) {
        if (step > 7 && RandomRange(rng, 0, 2) == 0) continue;  // it thins out as it climbs
        const PaletteIndex tone = step < 4 ? PAL_STONE_LIGHT : PAL_SKY_LIGHT;
        PutPixel(scene, x + drift[step], y - step, Pal(tone));
        if (step % 3 != 2) PutPixel(scene, x + drift[step] + 1, y - step, Pal(tone));
    }
}

void DrawVillage(PixelCanvas& scene, Rng& rng) {
    DrawRoundTree(scene, 150, 206, 8, rng);
    DrawRoundTree(scene, 8, 196, 7, rng);
    DrawGoblinHut(scene, 20, 200, 20, ROOF_THATCH, rng);
    DrawGoblinHut(scene, 56, 196, 14, ROOF_TILES, rng);
    DrawGoblinHut(scene, 88, 208, 18, ROOF_TILES, rng);
    DrawGoblinHut(scene, 128, 196, 14, ROOF_THATCH, rng);
    DrawSmoke(scene, 102, 184, rng);
    DrawFence(scene, 40, 216, 44);
    DrawRoundTree(scene, 66, 238, 10, rng);
    DrawGoblinHut(scene, 4, 268, 30, ROOF_TILES, rng);
    DrawGoblinHut(scene, 150, 262, 20, ROOF_TILES, rng);
    DrawGoblinHut(scene, 98, 274, 28, ROOF_THATCH, rng);
    DrawFence(scene, 300, 244, 36);
    DrawGoblinHut(scene, 320, 266, 24, ROOF_THATCH, rng);
    DrawGoblinHut(scene, 392, 240, 18, ROOF_TILES, rng);
    DrawSmoke(scene, 404, 222, rng);
    DrawRoundTree(scene, 446, 264, 12, rng);
    DrawRoundTree(scene, 300, 214, 7, rng);
}

// Darkens the button column in a soft dither that fades out over its edges.
void ShadeButtonColumn(PixelCanvas& scene) {
    const int fade = TITLE_COLUMN_FADE;
    for (int y = TITLE_COLUMN_TOP - fade; y < TITLE_COLUMN_BOTTOM + fade; ++y) {
        for (int x = TITLE_COLUMN_LEFT - fade; x < TITLE_COLUMN_RIGHT + fade; ++x) {
            const int edge = std::min({x - (TITLE_COLUMN_LEFT - fade), TITLE_COLUMN_RIGHT + fade - 1 - x,
                                       y - (TITLE_COLUMN_TOP - fade), TITLE_COLUMN_BOTTOM + fade - 1 - y});
            DitherShadow(scene, x, y, 1, 1, std::min(8, 1 + (edge * 8) / (2 * fade)));
        }
    }
}

void DrawTitleText(PixelCanvas& scene) {
    const PixelCanvas framed = RenderDisplayText("Velmoria", 5, RAMP_GOLD);
    PixelCanvas shadow = framed;
    for (int y = 0; y < shadow.height; ++y) {
        for (int x = 0; x < shadow.width; ++x)
            if (IsOpaque(shadow, x, y)) PutPixel(shadow, x, y, Pal(PAL_NIGHT));
    }
    const int x = 26, y = 24;
    Blit(scene, shadow, x + 3, y + 3);
    Blit(scene, framed, x, y);
    TextStyle subtitle;
    subtitle.fill = Pal(PAL_PARCH_LIGHT);
    subtitle.outline = Pal(PAL_OUTLINE);
    DrawText(scene, x + 6, y + framed.height + 6, "A tale of the goblin vale", subtitle);
}

// Dawn over the goblin village, the river and its bridge: the scene behind the title, the options and
// the credits.
PixelCanvas PaintDawnScene() {
    Rng rng = MakeRng(0x7E1A0);
    PixelCanvas scene = MakeCanvas(TITLE_WIDTH, TITLE_HEIGHT, Pal(PAL_SKY_DEEP));
    DrawSky(scene, rng);
    DrawHills(scene, rng);
    DrawMeadow(scene, rng);
    DrawRiver(scene, rng);
    DrawPath(scene);
    DrawBridge(scene);
    DrawVillage(scene, rng);
    return scene;
}

PixelCanvas PaintTitleBackground() {
    PixelCanvas scene = PaintDawnScene();
    ShadeButtonColumn(scene);
    DrawTitleText(scene);
    return scene;
}

// The credits: the same dawn over the village, quiet, with a parchment sheet where the game types its
// four blocks (x 600-1400, y 250-880 on the reference screen).
PixelCanvas PaintCreditsBackground() {
    PixelCanvas scene = PaintDawnScene();
    const int left = 144, top = 44, width = 212, height = 184;
    DrawPanel(scene, left, top, width, height, PANEL_PARCHMENT);
    TextStyle heading;
    heading.fill = Pal(PAL_GOLD_LIGHT);
    heading.outline = Pal(PAL_OUTLINE);
    DrawText(scene, left + (width - TextWidth("Credits")) / 2, top + 8, "Credits", heading);
    return scene;
}

// The options: the same dawn, with a navy panel behind the key rows (left) and one behind the three
// volume bars (right), where the game writes its white labels and titles.
PixelCanvas PaintOptionsBackground() {
    PixelCanvas scene = PaintDawnScene();
    DrawPanel(scene, 14, 40, 142, 176, PANEL_NAVY);  // key rows: x 56-624, y 160-864 on the reference
    DrawPanel(scene, 196, 8, 160, 196, PANEL_NAVY);  // volumes: x 784-1424, y 32-816
    return scene;
}

// The arrow that marks the current entry: gold, pointing left, lit from the top-left. It stands just
// right of the key-row buttons (64 pixels wide on the reference screen), never over them.
PixelCanvas PaintLeftArrow() {
    PixelCanvas arrow = MakeCanvas(12, 9);
    FillPolygon(arrow, {{1, 4}, {6, 0}, {6, 2}, {11, 2}, {11, 6}, {6, 6}, {6, 8}}, Pal(PAL_GOLD_MID));
    DrawLine(arrow, 2, 4, 6, 1, Pal(PAL_GOLD_LIGHT));
    DrawLine(arrow, 6, 3, 10, 3, Pal(PAL_GOLD_LIGHT));
    OutlineOpaque(arrow, Pal(PAL_OUTLINE));
    return arrow;
}

// A sunken groove with a tick every quarter: 0, 5, 10, 15 and 20.
PixelCanvas PaintSoundBar() {
    const int width = 100, height = 6;
    PixelCanvas bar = MakeCanvas(width, height, Pal(PAL_OUTLINE));
    FillRect(bar, 1, 1, width - 2, height - 2, Pal(PAL_NAVY_DARK));
    FillRect(bar, 1, 1, width - 2, 1, Pal(PAL_NIGHT));
    for (int tick = 0; tick <= 4; ++tick)
        FillRect(bar, 1 + tick * (width - 3) / 4, 2, 1, 2, Pal(PAL_STONE_LIGHT));
    return bar;
}

PixelCanvas PaintSoundCursor() {
    PixelCanvas knob = MakeCanvas(6, 10);
    FillRect(knob, 1, 1, 4, 8, Pal(PAL_GOLD_MID));
    FillRect(knob, 1, 1, 1, 7, Pal(PAL_GOLD_LIGHT));
    FillRect(knob, 4, 2, 1, 7, Pal(PAL_GOLD_DARK));
    OutlineOpaque(knob, Pal(PAL_OUTLINE));
    return knob;
}

}  // namespace

void GenerateOptionsArt(AssetWriter& writer) {
    WritePixelArt(writer, "Sprites/Menu/main_menu Option.png", PaintOptionsBackground(), TITLE_SCALE);
    WritePixelArt(writer, "Sprites/Menu/LeftArrow.png", PaintLeftArrow(), TITLE_SCALE);
    WritePixelArt(writer, "Sprites/Menu/Options/ButtonChangeKey.png", MakeButton(16, 10, "", BUTTON_NORMAL),
                  TITLE_SCALE);
    WritePixelArt(writer, "Sprites/Menu/Options/SoundBar.png", PaintSoundBar(), TITLE_SCALE);
    WritePixelArt(writer, "Sprites/Menu/Options/CursorSound.png", PaintSoundCursor(), TITLE_SCALE);
}

void GenerateTitleBackground(AssetWriter& writer) {
    WritePixelArt(writer, "Sprites/Menu/Background.png", PaintTitleBackground(), TITLE_SCALE);
}

void GenerateCreditsArt(AssetWriter& writer) {
    WritePixelArt(writer,
                  "Sprites/Menu/Cr\xE9"
                  "dits/Cr\xE9"
                  "dits.png",
                  PaintCreditsBackground(), TITLE_SCALE);
    const std::string back = "Sprites/Menu/Button/Retour arri\xE8re";
    WritePixelArt(writer, back + ".png", MakeButton(48, 19, "Back", BUTTON_NORMAL), TITLE_SCALE);
    WritePixelArt(writer, back + " survoll\xE9.png", MakeButton(48, 19, "Back", BUTTON_HIGHLIGHTED),
                  TITLE_SCALE);
}
