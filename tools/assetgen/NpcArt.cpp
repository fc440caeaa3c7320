// Everyone the hero meets: the village's goblins, the merchant, Spriti and Groto, the knights, their dogs
// and the black knight who leads them. Each sheet is 7 frames by 8 rows of 64 x 64 pixels (idle down,
// left, right, up; walking down, left, right, up), and each speaker has a 128 x 128 dialogue portrait.

#include "AssetGroups.h"
#include "AssetRegistry.h"
#include "CharacterArt.h"

namespace {

const int NPC_SHEET_FACTOR = 2;
const int PORTRAIT_FACTOR = 1;  // 64 x 64: drawn 1.6 times larger between the box and 250 pixels above it

struct NpcEntry {
    const char* name;
    CharacterLook look;
};

std::vector<NpcEntry> NpcEntries() {
    CharacterLook merchant =
        DressedAs(GOBLIN_SKIN_DEEP, RAMP_WOOD, PAL_GOLD_LIGHT, HEAD_WIDE_HAT, PAL_CLOTH_DARK);
    merchant.apron = true;
    merchant.girth = 1;
    return {
        {"Merchant", merchant},
        {"Villager1", DressedAs(GOBLIN_SKIN, RAMP_CLOTH, PAL_GOLD_MID, HEAD_BARE, PAL_OUTLINE)},
        {"Villager2", DressedAs(GOBLIN_SKIN_DEEP, RAMP_WATER, PAL_PARCH_LIGHT, HEAD_CAP, PAL_WATER_DARK)},
        {"Villager3", DressedAs(GOBLIN_SKIN, RAMP_GOLD, PAL_CLOTH_DARK, HEAD_HOOD, PAL_CLOTH_MID)},
        {"Villager4", DressedAs(GOBLIN_SKIN_DEEP, RAMP_PARCH, PAL_WOOD_DARK, HEAD_CAP, PAL_STONE_MID)},
        {"Spriti", SpritiLook()},
        {"Groto", GrotoLook()},
        {"Knight", KnightLook()},
        {"Boss", BossLook()},
    };
}

template <typename DrawCell>
PixelCanvas DrawSheet(DrawCell drawCell) {
    PixelCanvas sheet = MakeCanvas(CHARACTER_COLUMNS * CHARACTER_FRAME, CHARACTER_ROWS * CHARACTER_FRAME);
    for (int row = 0; row < CHARACTER_ROWS; ++row) {
        for (int column = 0; column < CHARACTER_COLUMNS; ++column)
            Blit(sheet, drawCell(PoseForCell(row, column)), column * CHARACTER_FRAME, row * CHARACTER_FRAME);
    }
    return sheet;
}

// The story's narrator: an open book on the panel, for the pop-ups that nobody in the world speaks.
PixelCanvas NarratorPortrait() {
    PixelCanvas portrait = MakePanel(PORTRAIT_ART, PORTRAIT_ART, PANEL_NAVY);
    PixelCanvas book = MakeCanvas(52, 52);
    FillPolygon(book, {{8, 18}, {25, 21}, {25, 42}, {8, 39}}, Pal(PAL_PARCH_MID));
    FillPolygon(book, {{27, 21}, {44, 18}, {44, 39}, {27, 42}}, Pal(PAL_PARCH_MID));
    FillRect(book, 25, 20, 2, 23, Pal(PAL_WOOD_DARK));
    for (int line = 0; line < 5; ++line) {
        DrawLine(book, 11, 24 + line * 3, 22, 26 + line * 3, Pal(PAL_PARCH_DARK));
        DrawLine(book, 30, 26 + line * 3, 41, 24 + line * 3, Pal(PAL_PARCH_DARK));
    }
    ShadeFromTopLeft(book, RAMP_PARCH);
    OutlineOpaque(book, Pal(PAL_OUTLINE));
    FillPolygon(book, {{34, 6}, {38, 4}, {29, 22}, {28, 21}}, Pal(PAL_WHITE));  // a quill at rest
    DrawLine(book, 36, 6, 29, 20, Pal(PAL_STONE_LIGHT));
    FillCircle(book, 12, 10, 1, Pal(PAL_GOLD_LIGHT));
    FillCircle(book, 42, 46, 1, Pal(PAL_GOLD_LIGHT));
    Blit(portrait, book, 6, 6);
    return portrait;
}

}  // namespace

void GenerateNpcSheets(AssetWriter& writer) {
    for (const NpcEntry& entry : NpcEntries()) {
        const CharacterLook look = entry.look;
        const PixelCanvas sheet =
            DrawSheet([&look](const CharacterPose& pose) { return DrawCharacterFrame(look, pose); });
        WritePixelArt(writer, std::string("Sprites/Characters/") + entry.name + ".png", sheet,
                      NPC_SHEET_FACTOR);
    }
    WritePixelArt(writer, "Sprites/Characters/Dog.png", DrawSheet(DrawDogFrame), NPC_SHEET_FACTOR);
}

void GeneratePortraits(AssetWriter& writer) {
    for (const NpcEntry& entry : NpcEntries()) {
        const PixelCanvas front = DrawCharacterFrame(entry.look, CharacterPose{});
        WritePixelArt(writer, std::string("Sprites/Characters/Portraits/") + entry.name + ".png",
                      MakePortrait(front, PANEL_NAVY), PORTRAIT_FACTOR);
    }
    WritePixelArt(writer, "Sprites/Characters/Portraits/Pell.png", MakePortrait(DrawHeroFront(), PANEL_NAVY),
                  PORTRAIT_FACTOR);
    WritePixelArt(writer, "Sprites/Characters/Portraits/Narrator.png", NarratorPortrait(), PORTRAIT_FACTOR);
}
