// The battle HUD: the party panel, the information box, the command menu, the skill list, the dagger
// cursor, the life and mana fills, and the speed timeline's tiles. The game draws every piece at scale 2,
// so the art is enlarged twice and keeps the title screen's grain of 4 screen pixels an art pixel.
//
// Where the game writes over the panels (screen pixels, 1920 x 1080):
// - HPBackground, bottom-left at (10, 1070): portraits at x 70 + 364 i, y 760, their bars at y 996 and 1026;
// - InfoBackground, top-right at (1437, 734): lines of text from (20, 10) inside it, the mana cost at 200;
// - ActionsBackground, bottom-right at (1910, 1070): three words centred at 50, 150 and 250 below its top;
// - SkillBackground, bottom-left at (10, 1070): four names at x 110 and 710, y 770 and 920, the info box
//   over its middle and a portrait with its bars at x 1520-1740.

#include "AssetGroups.h"
#include "AssetRegistry.h"
#include "UiFrame.h"

#include <string>
#include <vector>

namespace {

const int HUD_FACTOR = 2;
const int HUD_PANEL_HEIGHT = 85;  // 170 on disk, the 340-pixel bottom band on screen
const std::string HUD_FOLDER = "Sprites/Battle/BattleHUD/";

// Enlarges the art and, for a file of odd width, drops one column from the middle of the plain interior.
PixelCanvas EnlargeToWidth(const PixelCanvas& art, int width) {
    PixelCanvas big = Upscale(art, HUD_FACTOR);
    if (big.width == width) return big;
    PixelCanvas trimmed = MakeCanvas(width, big.height);
    const int cut = big.width / 2, dropped = big.width - width;
    for (int y = 0; y < big.height; ++y) {
        for (int x = 0; x < width; ++x)
            PutPixel(trimmed, x, y, PixelAt(big, x < cut ? x : x + dropped, y));
    }
    return trimmed;
}

void WriteHudPicture(AssetWriter& writer, const std::string& path, const PixelCanvas& art, int fileWidth) {
    WritePicture(writer, path, EnlargeToWidth(art, fileWidth));
}

// A carved groove splitting a panel's interior: a dark cut with its lit lip on the right, a gold stud at
// each end like the frame's corners.
void DrawDivider(PixelCanvas& panel, int x) {
    const int top = UI_BORDER + 2, bottom = panel.height - UI_BORDER - 2;
    FillRect(panel, x, top, 1, bottom - top, Pal(PAL_OUTLINE));
    FillRect(panel, x + 1, top, 1, bottom - top, Pal(PAL_NAVY_MID));
    for (int y : {top - 1, bottom - 1}) {
        FillRect(panel, x - 1, y, 3, 2, Pal(PAL_GOLD_MID));
        PutPixel(panel, x - 1, y, Pal(PAL_GOLD_LIGHT));
        PutPixel(panel, x + 1, y + 1, Pal(PAL_GOLD_DARK));
    }
}

// Three columns, one a party member: the dividers fall midway between the portraits.
PixelCanvas PartyPanel() {
    PixelCanvas panel = MakePanel(268, HUD_PANEL_HEIGHT, PANEL_NAVY);
    DrawDivider(panel, 87);
    DrawDivider(panel, 178);
    return panel;
}

// The list on the left, the info box over the middle, the chosen member's portrait on the right; the
// groove sets the portrait apart just past the info box.
PixelCanvas ListPanel() {
    PixelCanvas panel = MakePanel(475, HUD_PANEL_HEIGHT, PANEL_NAVY);
    DrawDivider(panel, 364);
    return panel;
}

// Points right: the tip's two rows are the middle of the right edge, where the game aims it at a word.
PixelCanvas DaggerCursor() {
    PixelCanvas dagger = MakeCanvas(12, 6);
    // clang-format off
    DrawPixelMap(dagger, 0, 0,
                 {"...oo.......",
                  "oo.oGoooo...",
                  "wWoGgSSSSoo.",
                  "wwogglllllSo",
                  "oo.ogoooooo.",
                  "...oo......."},
                 {{'o', Pal(PAL_OUTLINE)}, {'w', Pal(PAL_WOOD_MID)}, {'W', Pal(PAL_WOOD_LIGHT)},
                  {'g', Pal(PAL_GOLD_MID)}, {'G', Pal(PAL_GOLD_LIGHT)}, {'S', Pal(PAL_WHITE)},
                  {'l', Pal(PAL_STONE_LIGHT)}});
    // clang-format on
    return dagger;
}

// A bar's fill, 160 x 9 at its own size: lit top row, body, shadowed bottom rows. Columns past the
// game's 80 show only when mana overflows, so those are brighter there.
PixelCanvas BarFill(const Ramp& ramp, const Ramp& overflow) {
    PixelCanvas bar = MakeCanvas(160, 9);
    for (int half = 0; half < 2; ++half) {
        const Ramp& look = half == 0 ? ramp : overflow;
        const int left = half * 80;
        FillRect(bar, left, 0, 80, 9, Pal(look.mid));
        FillRect(bar, left, 0, 80, 1, LighterInRamp(Pal(look.light)));
        DitherRect(bar, left, 1, 80, 2, Pal(look.light), Pal(look.mid), 8);
        FillRect(bar, left, 7, 80, 2, Pal(look.dark));
        // A glint every sixteen pixels keeps a long bar from reading as a flat stripe.
        for (int x = left + 6; x < left + 80; x += 16)
            FillRect(bar, x, 1, 3, 1, Pal(look.light));
    }
    return bar;
}

struct TimelineLook {
    const char* colour;  // the file's name: TimelineCyan...
    Ramp ring;
    PaletteIndex weave;  // purple has no ramp of its own: the ring weaves wine with this blue
    bool enemy;
    std::vector<const char*> emblem;  // 6 x 6 on the dark face: E emblem, a an accent
    PaletteIndex emblemColour;
    PaletteIndex accent;
};

// clang-format off
const std::vector<TimelineLook>& TimelineLooks() {
    static const std::vector<TimelineLook> looks{
        {"Cyan", {PAL_WATER_MID, PAL_WATER_LIGHT, PAL_WATER_FOAM}, PAL_COUNT, false,  // Pell's sword
         {"..EE..", "..EE..", "..EE..", "aaaaaa", "..EE..", "..aa.."}, PAL_WHITE, PAL_GOLD_LIGHT},
        {"Green", RAMP_GRASS, PAL_COUNT, false,  // Spriti's leaf
         {"..EEEE", ".EEEEE", "EEEaEE", "EEaEE.", "EaEE..", "a....."}, PAL_GRASS_LIGHT, PAL_GRASS_PALE},
        {"Purple", {PAL_CLOTH_DARK, PAL_CLOTH_DARK, PAL_CLOTH_MID}, PAL_SKY_DEEP, false,  // Groto's star
         {"..EE..", "..EE..", "EEEEEE", ".EEEE.", ".E..E.", "E....E"}, PAL_GOLD_LIGHT, PAL_GOLD_LIGHT},
        {"Blue", {PAL_SKY_DEEP, PAL_SKY_MID, PAL_SKY_LIGHT}, PAL_COUNT, false,  // the fourth companion's shield
         {"EEEEEE", "EEaaEE", "EaaaaE", "EEaaEE", ".EaaE.", "..EE.."}, PAL_STONE_LIGHT, PAL_SKY_MID},
        {"Red", RAMP_CLOTH, PAL_COUNT, true,  // the knight's helmet
         {".EEEE.", "EEEEEE", "EaaaaE", "EEEaEE", "EEEaEE", ".E..E."}, PAL_STONE_LIGHT, PAL_OUTLINE},
        {"Orange", {PAL_CLOTH_MID, PAL_CLOTH_LIGHT, PAL_GOLD_LIGHT}, PAL_COUNT, true,  // the boss's crown
         {"E.EE.E", "E.EE.E", "EEEEEE", "EaEEaE", "EEEEEE", "......"}, PAL_GOLD_LIGHT, PAL_CLOTH_MID},
        {"Yellow", RAMP_GOLD, PAL_COUNT, true,  // the dog's paw
         {"E.EE.E", "E.EE.E", "......", ".EEEE.", "EEEEEE", ".EEEE."}, PAL_PARCH_LIGHT, PAL_PARCH_LIGHT},
    };
    return looks;
}
// clang-format on

// The ring's shade at (x, y): lit along the top and left, shadowed along the bottom and right.
sf::Color RingShade(const TimelineLook& look, int x, int y) {
    PaletteIndex shade = look.ring.mid;
    if (y <= 1 || x <= 1) shade = look.ring.light;
    if (y >= 12 || x >= 12) shade = look.ring.dark;
    if (look.weave != PAL_COUNT && (x + y) % 2 == 0)
        shade = shade == look.ring.light ? PAL_SKY_MID : look.weave;
    return Pal(shade);
}

// A coloured ring around a dark face carrying the emblem. Party tiles are rounded squares with gold
// studs in the corners, like the UI frame; enemy tiles are cut into octagons over a blood-dark face, so
// the two sides read apart even before their colours do.
PixelCanvas TimelineTile(const TimelineLook& look) {
    PixelCanvas tile = MakeCanvas(14, 14);
    for (int y = 1; y < 13; ++y) {
        for (int x = 1; x < 13; ++x)
            PutPixel(tile, x, y, RingShade(look, x, y));
    }
    FillRect(tile, 3, 3, 8, 8, Pal(PAL_OUTLINE));
    FillRect(tile, 4, 4, 6, 6, Pal(look.enemy ? PAL_WOOD_DARK : PAL_NAVY_DARK));
    DrawPixelMap(tile, 4, 4, look.emblem, {{'E', Pal(look.emblemColour)}, {'a', Pal(look.accent)}});
    for (int corner = 0; corner < 4; ++corner) {
        const int x = corner % 2 == 0 ? 1 : 12, y = corner < 2 ? 1 : 12;
        const int inward = corner % 2 == 0 ? 1 : -1, downward = corner < 2 ? 1 : -1;
        PutPixel(tile, x, y, look.enemy ? sf::Color::Transparent : Pal(PAL_GOLD_LIGHT));
        PutPixel(tile, x + inward, y, look.enemy ? sf::Color::Transparent : Pal(PAL_GOLD_MID));
        PutPixel(tile, x, y + downward, look.enemy ? sf::Color::Transparent : Pal(PAL_GOLD_MID));
    }
    OutlineOpaque(tile, Pal(PAL_OUTLINE));
    return tile;
}

// The glow over the tile whose turn it is: a bright ring on the rim and a softer one just inside and
// outside it; the face stays clear so the emblem shows through while the game pulses the alpha.
PixelCanvas TimelineHighlight() {
    PixelCanvas ring = MakeCanvas(14, 14);
    StrokeRect(ring, 0, 0, 14, 14, Pal(PAL_WHITE, 150));
    StrokeRect(ring, 1, 1, 12, 12, Pal(PAL_WHITE));
    StrokeRect(ring, 2, 2, 10, 10, Pal(PAL_WHITE, 110));
    for (int corner = 0; corner < 4; ++corner)
        PutPixel(ring, corner % 2 == 0 ? 0 : 13, corner < 2 ? 0 : 13, sf::Color::Transparent);
    return ring;
}

}  // namespace

void GenerateBattleHudArt(AssetWriter& writer) {
    WriteHudPicture(writer, HUD_FOLDER + "HPBackground.png", PartyPanel(), 535);
    // The info box lives in the older lower-case folder, where the game has always opened it.
    WriteHudPicture(writer, "Sprites/battle/BattleHUD/InfoBackground.png", MakePanel(88, HUD_PANEL_HEIGHT),
                    175);
    WriteHudPicture(writer, HUD_FOLDER + "ActionsBackground.png", MakePanel(105, HUD_PANEL_HEIGHT), 210);
    WriteHudPicture(writer, HUD_FOLDER + "SkillBackground.png", ListPanel(), 950);
    WritePixelArt(writer, HUD_FOLDER + "DaggerCursor.png", DaggerCursor(), HUD_FACTOR);
    WritePicture(writer, HUD_FOLDER + "LifeBar.png", BarFill(RAMP_CLOTH, RAMP_CLOTH));
    WritePicture(writer, HUD_FOLDER + "ManaBar.png",
                 BarFill(RAMP_WATER, Ramp{PAL_WATER_MID, PAL_WATER_LIGHT, PAL_WATER_FOAM}));
    for (const TimelineLook& look : TimelineLooks())
        WritePixelArt(writer, HUD_FOLDER + "Timeline" + look.colour + ".png", TimelineTile(look), HUD_FACTOR);
    WritePixelArt(writer, HUD_FOLDER + "TimelineSurbrillance.png", TimelineHighlight(), HUD_FACTOR);
}
