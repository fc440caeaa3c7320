// The title menu's buttons and the battle HUD's information panel: both cut from the one UI frame.

#include "AssetGroups.h"
#include "AssetRegistry.h"
#include "UiFrame.h"

namespace {

const int MENU_ART_SCALE = 4;
const int MENU_BUTTON_WIDTH = 80;  // 320 pixels on the reference screen
const int MENU_BUTTON_HEIGHT = 19; // 76 pixels: the column's neighbours never touch
const char* const MENU_BUTTON_LABELS[] = {"Play", "Options", "Credits", "Quit"};

} // namespace

void GenerateMenuButtons(AssetWriter& writer) {
    for (const char* label : MENU_BUTTON_LABELS) {
        const std::string folder = std::string("Sprites/Menu/Button/") + label;
        WritePixelArt(writer, folder + " non appuy\xE9.png",
                      MakeButton(MENU_BUTTON_WIDTH, MENU_BUTTON_HEIGHT, label, BUTTON_NORMAL), MENU_ART_SCALE);
        WritePixelArt(writer, folder + " appuy\xE9.png",
                      MakeButton(MENU_BUTTON_WIDTH, MENU_BUTTON_HEIGHT, label, BUTTON_HIGHLIGHTED), MENU_ART_SCALE);
    }
}

void GenerateBattleHudPanels(AssetWriter& writer) {
    // The battle HUD writes names and bars over it, so the interior stays empty.
    WritePixelArt(writer, "Sprites/battle/BattleHUD/InfoBackground.png", MakePanel(320, 40, PANEL_NAVY), MENU_ART_SCALE);
}
