// The inventory and the shop overlays. Both are placed at fixed pixels of the 1920 x 1080 screen, so their
// inner layout follows where the game puts the texts and the goods:
// - Inventory.png, 320 x 304 at (96, 720): the purse panel; the gold number is written at (160, 982).
// - Grid.png, 600 x 800 at (725, 165), unscaled: the 4 x 5 cells whose centres are the places of the
//   carried items, (815 + 140 column, 315 + 140 row), on a solid backdrop.
// - Full_Shop.png, 740 x 340 shown 1.8 times larger around (960, 450): the description box on the left,
//   two pedestals under the goods at (960, 520) and (1350, 520), the gold box where (1360, 215) is written.

#include "AssetGroups.h"
#include "AssetRegistry.h"
#include "ItemArt.h"
#include "PixelFont.h"
#include "UiFrame.h"

namespace {

const int OVERLAY_FACTOR = 4;
const int SHOP_FACTOR = 2;

TextStyle LabelStyle(PaletteIndex colour) {
    TextStyle style;
    style.fill = Pal(colour);
    style.shadow = Pal(PAL_OUTLINE);
    return style;
}

// A recessed place: dark floor, shadowed top-left edge, lit bottom-right edge.
void DrawSlot(PixelCanvas& canvas, int x, int y, int width, int height) {
    FillRect(canvas, x, y, width, height, Pal(PAL_NIGHT));
    StrokeRect(canvas, x, y, width, height, Pal(PAL_OUTLINE));
    FillRect(canvas, x + 1, y + height - 1, width - 1, 1, Pal(PAL_NAVY_MID));
    FillRect(canvas, x + width - 1, y + 1, 1, height - 1, Pal(PAL_NAVY_MID));
}

void DrawCoin(PixelCanvas& canvas, int x, int y, int radius) {
    FillCircle(canvas, x, y, radius + 1, Pal(PAL_OUTLINE));
    FillCircle(canvas, x, y, radius, Pal(PAL_GOLD_MID));
    FillCircle(canvas, x - 1, y - 1, radius / 2, Pal(PAL_GOLD_LIGHT));
    PutPixel(canvas, x + radius - 1, y + 1, Pal(PAL_GOLD_DARK));
}

PixelCanvas PursePanel() {
    PixelCanvas panel = MakePanel(80, 76, PANEL_NAVY);
    DrawTextCentred(panel, 40, 10, "GOLD", LabelStyle(PAL_GOLD_LIGHT));
    for (int coin = 0; coin < 5; ++coin)
        DrawCoin(panel, 26 + (coin % 3) * 12, 46 - (coin / 3) * 10 - coin % 2 * 2, 5);
    DrawSlot(panel, 10, 61, 60, 11);
    DrawCoin(panel, 63, 66, 2);
    return panel;
}

PixelCanvas ItemGrid() {
    PixelCanvas grid = MakePanel(150, 200, PANEL_NAVY);
    DrawTextCentred(grid, 75, 11, "INVENTORY", LabelStyle(PAL_PARCH_LIGHT));
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 4; ++column)
            DrawSlot(grid, 8 + column * 35, 23 + row * 35, 30, 30);
    }
    return grid;
}

PixelCanvas ShopFrame() {
    PixelCanvas frame = MakePanel(370, 170, PANEL_NAVY);
    DrawPanel(frame, 8, 44, 128, 116, PANEL_NAVY);
    DrawTextCentred(frame, 72, 24, "SHOP", LabelStyle(PAL_GOLD_LIGHT));
    const int centres[2] = {185, 293};
    const char* labels[2] = {"MANA", "HEALING"};
    for (int good = 0; good < 2; ++good) {
        DrawSlot(frame, centres[good] - 26, 78, 52, 52);
        DrawTextCentred(frame, centres[good], 142, labels[good], LabelStyle(PAL_PARCH_LIGHT));
    }
    DrawSlot(frame, 280, 13, 72, 20);
    DrawCoin(frame, 289, 23, 4);
    return frame;
}

PixelCanvas ShopCursor() {
    PixelCanvas cursor = MakeCanvas(28, 28);
    const int arm = 8, last = 28 - 2;
    for (int corner = 0; corner < 4; ++corner) {
        const int x = corner % 2 == 0 ? 1 : last - arm + 1, y = corner < 2 ? 1 : last - arm + 1;
        const int edgeX = corner % 2 == 0 ? 1 : last - 1, edgeY = corner < 2 ? 1 : last - 1;
        FillRect(cursor, x, edgeY, arm, 2, Pal(PAL_GOLD_LIGHT));
        FillRect(cursor, edgeX, y, 2, arm, Pal(PAL_GOLD_LIGHT));
    }
    OutlineOpaque(cursor, Pal(PAL_OUTLINE));
    return cursor;
}

}  // namespace

void GenerateInventoryArt(AssetWriter& writer) {
    WritePixelArt(writer, "Sprites/Items/Inventory/Inventory.png", PursePanel(), OVERLAY_FACTOR);
    WritePixelArt(writer, "Sprites/Items/Inventory/Grid.png", ItemGrid(), OVERLAY_FACTOR);
}

void GenerateShopArt(AssetWriter& writer) {
    WritePixelArt(writer, "Sprites/Shop/Hud/Full_Shop.png", ShopFrame(), SHOP_FACTOR);
    WritePixelArt(writer, "Sprites/Shop/Hud/Cursor.png", ShopCursor(), SHOP_FACTOR);
    WritePixelArt(writer, "Sprites/Shop/Items/Item1.png", DrawPotion(PAL_SKY_MID, PAL_SKY_LIGHT),
                  SHOP_FACTOR);
    WritePixelArt(writer, "Sprites/Shop/Items/Item2.png", DrawPotion(PAL_CLOTH_MID, PAL_CLOTH_LIGHT),
                  SHOP_FACTOR);
}
