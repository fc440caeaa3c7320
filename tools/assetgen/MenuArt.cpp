// The title menu's buttons, cut from the one UI frame.

#include "AssetGroups.h"
#include "AssetRegistry.h"
#include "UiFrame.h"

namespace {

const int MENU_ART_SCALE = 4;
const int MENU_BUTTON_WIDTH = 80;   // 320 pixels on the reference screen
const int MENU_BUTTON_HEIGHT = 19;  // 76 pixels: the column's neighbours never touch
const char* const MENU_BUTTON_LABELS[] = {"Play", "Options", "Credits", "Quit"};

}  // namespace

void GenerateMenuButtons(AssetWriter& writer) {
    for (const char* label : MENU_BUTTON_LABELS) {
        const std::string folder = std::string("Sprites/Menu/Button/") + label;
        WritePixelArt(writer, folder + " non appuy\xE9.png",
                      MakeButton(MENU_BUTTON_WIDTH, MENU_BUTTON_HEIGHT, label, BUTTON_NORMAL),
                      MENU_ART_SCALE);
        WritePixelArt(writer, folder + " appuy\xE9.png",
                      MakeButton(MENU_BUTTON_WIDTH, MENU_BUTTON_HEIGHT, label, BUTTON_HIGHLIGHTED),
                      MENU_ART_SCALE);
    }
}

// The battle's information box is drawn with the rest of the battle HUD (BattleHudArt.cpp), so that one
// generator owns the file.
void GenerateBattleHudPanels(AssetWriter&) {}
