// The things the hero carries: each a 32 x 32 drawing doubled to 64 x 64, outlined and lit from the
// top-left like the map's props, readable on grass and in the inventory's cells alike.

#include "ItemArt.h"
#include "AssetGroups.h"
#include "AssetRegistry.h"

namespace {

const int ITEM_ART = 32;

void Finish(PixelCanvas& art, const Ramp& ramp) {
    ShadeFromTopLeft(art, ramp);
    OutlineOpaque(art, Pal(PAL_OUTLINE));
}

PixelCanvas Rope() {
    PixelCanvas art = MakeCanvas(ITEM_ART, ITEM_ART);
    FillEllipse(art, 16, 18, 12, 8, Pal(PAL_PARCH_MID));
    FillEllipse(art, 16, 17, 5, 3, Pal(PAL_WOOD_DARK));  // the hole through the coil
    for (int twist = 0; twist < 12; ++twist) {           // the strands' twist runs round the coil
        const int x = 6 + twist * 2, y = twist % 2 == 0 ? 12 : 23;
        DrawLine(art, x, y, x + 1, y + 2, Pal(PAL_PARCH_DARK));
    }
    DrawLine(art, 24, 23, 29, 29, Pal(PAL_PARCH_MID));  // the loose end
    DrawLine(art, 25, 23, 30, 29, Pal(PAL_PARCH_MID));
    Finish(art, RAMP_PARCH);
    return art;
}

PixelCanvas Stick() {
    PixelCanvas art = MakeCanvas(ITEM_ART, ITEM_ART);
    for (int width = 0; width < 3; ++width)
        DrawLine(art, 5, 26 + width, 26, 5 + width, Pal(PAL_WOOD_MID));
    DrawLine(art, 15, 16, 13, 9, Pal(PAL_WOOD_MID));  // a twig
    FillEllipse(art, 12, 8, 2, 1, Pal(PAL_GRASS_MID));
    Finish(art, RAMP_WOOD);
    return art;
}

PixelCanvas Straw() {
    PixelCanvas art = MakeCanvas(ITEM_ART, ITEM_ART);
    FillPolygon(art, {{8, 6}, {24, 6}, {27, 28}, {5, 28}}, Pal(PAL_GOLD_MID));
    for (int x = 8; x < 26; x += 3)
        DrawLine(art, x, 7, x - 1 + (x % 2), 27, Pal(PAL_GOLD_LIGHT));
    FillRect(art, 6, 16, 20, 2, Pal(PAL_WOOD_DARK));  // the tie around the bundle
    Finish(art, RAMP_GOLD);
    return art;
}

PixelCanvas Bucket(bool full) {
    PixelCanvas art = MakeCanvas(ITEM_ART, ITEM_ART);
    FillPolygon(art, {{7, 11}, {25, 11}, {22, 28}, {10, 28}}, Pal(PAL_WOOD_MID));
    FillRect(art, 8, 15, 17, 2, Pal(PAL_STONE_MID));
    FillRect(art, 9, 23, 14, 2, Pal(PAL_STONE_MID));
    FillEllipse(art, 16, 11, 9, 2, Pal(full ? PAL_WATER_MID : PAL_WOOD_DARK));
    if (full) DrawLine(art, 11, 11, 15, 10, Pal(PAL_WATER_FOAM));
    Finish(art, RAMP_WOOD);
    for (int x = 7; x <= 25; ++x) {
        const int dx = x - 16;
        PutPixel(art, x, 10 - (81 - dx * dx) / 12, Pal(PAL_STONE_DARK));  // the handle's arc
    }
    return art;
}

PixelCanvas Pumpkin() {
    PixelCanvas art = MakeCanvas(ITEM_ART, ITEM_ART);
    FillEllipse(art, 16, 19, 11, 8, Pal(PAL_CLOTH_LIGHT));
    DrawLine(art, 12, 12, 11, 26, Pal(PAL_CLOTH_MID));
    DrawLine(art, 20, 12, 21, 26, Pal(PAL_CLOTH_MID));
    DrawLine(art, 16, 11, 16, 27, Pal(PAL_CLOTH_MID));
    Finish(art, RAMP_CLOTH);
    PixelCanvas stem = MakeCanvas(ITEM_ART, ITEM_ART);
    FillRect(stem, 15, 7, 3, 5, Pal(PAL_GRASS_MID));
    FillEllipse(stem, 21, 8, 3, 1, Pal(PAL_GRASS_LIGHT));
    Finish(stem, RAMP_GRASS);
    Blit(art, stem, 0, 0);
    return art;
}

PixelCanvas Paint() {
    PixelCanvas art = MakeCanvas(ITEM_ART, ITEM_ART);
    FillRect(art, 8, 12, 16, 16, Pal(PAL_STONE_MID));
    FillEllipse(art, 16, 12, 8, 2, Pal(PAL_CLOTH_MID));
    FillRect(art, 8, 12, 5, 8, Pal(PAL_CLOTH_MID));  // a red drip down the side
    FillRect(art, 9, 20, 3, 2, Pal(PAL_CLOTH_MID));
    Finish(art, RAMP_STONE);
    PixelCanvas brush = MakeCanvas(ITEM_ART, ITEM_ART);
    DrawLine(brush, 20, 11, 27, 2, Pal(PAL_WOOD_MID));
    FillRect(brush, 18, 10, 3, 3, Pal(PAL_CLOTH_MID));
    Finish(brush, RAMP_WOOD);
    Blit(art, brush, 0, 0);
    return art;
}

PixelCanvas Burse() {
    PixelCanvas art = MakeCanvas(ITEM_ART, ITEM_ART);
    FillEllipse(art, 16, 20, 10, 8, Pal(PAL_CLOTH_MID));
    FillPolygon(art, {{11, 8}, {21, 8}, {18, 13}, {14, 13}}, Pal(PAL_CLOTH_MID));
    FillRect(art, 12, 12, 9, 2, Pal(PAL_GOLD_MID));
    Finish(art, RAMP_CLOTH);
    FillCircle(art, 16, 21, 3, Pal(PAL_GOLD_MID));  // the stitched coin on its side
    PutPixel(art, 15, 20, Pal(PAL_GOLD_LIGHT));
    return art;
}

PixelCanvas FishingRod() {
    PixelCanvas art = MakeCanvas(ITEM_ART, ITEM_ART);
    DrawLine(art, 4, 28, 27, 3, Pal(PAL_WOOD_MID));
    DrawLine(art, 5, 28, 28, 3, Pal(PAL_WOOD_MID));
    FillRect(art, 6, 23, 4, 4, Pal(PAL_STONE_MID));  // the reel
    Finish(art, RAMP_WOOD);
    DrawLine(art, 28, 4, 28, 22, Pal(PAL_PARCH_LIGHT));
    FillRect(art, 27, 22, 3, 2, Pal(PAL_CLOTH_LIGHT));
    PutPixel(art, 28, 24, Pal(PAL_WHITE));
    return art;
}

PixelCanvas Decoy() {
    PixelCanvas art = MakeCanvas(ITEM_ART, ITEM_ART);
    DrawLine(art, 16, 12, 16, 30, Pal(PAL_WOOD_MID));
    DrawLine(art, 6, 16, 26, 16, Pal(PAL_WOOD_MID));
    FillPolygon(art, {{11, 14}, {21, 14}, {23, 26}, {9, 26}}, Pal(PAL_GOLD_MID));
    Finish(art, RAMP_GOLD);
    PixelCanvas head = MakeCanvas(ITEM_ART, ITEM_ART);
    FillEllipse(head, 16, 8, 6, 5, Pal(PAL_CLOTH_LIGHT));
    Finish(head, RAMP_CLOTH);
    PutPixel(head, 14, 7, Pal(PAL_OUTLINE));
    PutPixel(head, 18, 7, Pal(PAL_OUTLINE));
    DrawLine(head, 14, 10, 18, 10, Pal(PAL_OUTLINE));
    Blit(art, head, 0, 0);
    return art;
}

}  // namespace

PixelCanvas DrawPotion(PaletteIndex liquid, PaletteIndex shine) {
    PixelCanvas art = MakeCanvas(ITEM_ART, ITEM_ART);
    FillCircle(art, 16, 20, 9, Pal(PAL_WATER_FOAM));
    FillEllipse(art, 16, 22, 8, 6, Pal(liquid));
    FillRect(art, 13, 6, 7, 6, Pal(PAL_WATER_FOAM));
    FillRect(art, 12, 3, 9, 4, Pal(PAL_WOOD_MID));  // the cork
    OutlineOpaque(art, Pal(PAL_OUTLINE));
    FillRect(art, 11, 15, 2, 3, Pal(PAL_WHITE));
    PutPixel(art, 19, 24, Pal(shine));
    PutPixel(art, 12, 22, Pal(shine));
    return art;
}

void GenerateItemPictures(AssetWriter& writer) {
    const std::pair<const char*, PixelCanvas> items[] = {
        {"Rope", Rope()},
        {"Stick", Stick()},
        {"Straw", Straw()},
        {"Bucket_Empty", Bucket(false)},
        {"Bucket_Full", Bucket(true)},
        {"Pumpkin", Pumpkin()},
        {"Paint", Paint()},
        {"Burse", Burse()},
        {"FishingRod", FishingRod()},
        {"Decoy", Decoy()},
        {"HP Potion", DrawPotion(PAL_CLOTH_MID, PAL_CLOTH_LIGHT)},
        {"Mana Potion", DrawPotion(PAL_SKY_MID, PAL_SKY_LIGHT)},
    };
    for (const auto& [name, art] : items)
        WritePixelArt(writer, std::string("Sprites/Items/") + name + ".png", art, 2);
}
