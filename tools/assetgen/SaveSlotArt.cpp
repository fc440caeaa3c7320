// The save-slot menu: the slot buttons match the title's (same frame, size and lettering) and a square
// delete button with a red cross sits beside each.

#include "AssetGroups.h"
#include "AssetRegistry.h"
#include "UiFrame.h"

namespace {

const int SLOT_ART_SCALE = 4;
const int SLOT_BUTTON_WIDTH = 80;  // 320 x 76, as the title buttons
const int SLOT_BUTTON_HEIGHT = 19;
const int DELETE_BUTTON_SIZE = 19;  // 76 x 76: as high as the slot button it serves

PixelCanvas DeleteButton(ButtonState state) {
    PixelCanvas button = MakeButton(DELETE_BUTTON_SIZE, DELETE_BUTTON_SIZE, "", state);
    PixelCanvas cross = MakeCanvas(DELETE_BUTTON_SIZE, DELETE_BUTTON_SIZE);
    const int press = state == BUTTON_HIGHLIGHTED ? 1 : 0, low = 6 + press, high = 12 + press;
    for (int step = 0; step <= 6; ++step) {
        FillRect(cross, low + step, low + step, 2, 1, Pal(PAL_CLOTH_MID));
        FillRect(cross, high - step, low + step, 2, 1, Pal(PAL_CLOTH_MID));
    }
    OutlineOpaque(cross, Pal(PAL_OUTLINE));
    Blit(button, cross, 0, 0);
    return button;
}

}  // namespace

void GenerateSaveSlotButtons(AssetWriter& writer) {
    const std::string folder = "Sprites/Menu/Button/";
    WritePixelArt(writer, folder + "New Save.png",
                  MakeButton(SLOT_BUTTON_WIDTH, SLOT_BUTTON_HEIGHT, "New Save", BUTTON_NORMAL),
                  SLOT_ART_SCALE);
    WritePixelArt(writer, folder + "New Save appuy\xE9_.png",
                  MakeButton(SLOT_BUTTON_WIDTH, SLOT_BUTTON_HEIGHT, "New Save", BUTTON_HIGHLIGHTED),
                  SLOT_ART_SCALE);
    for (int slot = 1; slot <= 3; ++slot) {
        const std::string label = "Save " + std::to_string(slot);
        WritePixelArt(writer, folder + label + ".png",
                      MakeButton(SLOT_BUTTON_WIDTH, SLOT_BUTTON_HEIGHT, label, BUTTON_NORMAL),
                      SLOT_ART_SCALE);
        WritePixelArt(writer, folder + label + " appuy\xE9.png",
                      MakeButton(SLOT_BUTTON_WIDTH, SLOT_BUTTON_HEIGHT, label, BUTTON_HIGHLIGHTED),
                      SLOT_ART_SCALE);
    }
    WritePixelArt(writer, folder + "Supprim\xE9 save.png", DeleteButton(BUTTON_NORMAL), SLOT_ART_SCALE);
    WritePixelArt(writer, folder + "Supprim\xE9 save appuy\xE9.png", DeleteButton(BUTTON_HIGHLIGHTED),
                  SLOT_ART_SCALE);
}
