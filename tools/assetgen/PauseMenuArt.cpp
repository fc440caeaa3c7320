// The in-game pause menu: a dark backdrop stretched over the game and three buttons cut from the one UI
// frame, as the title's.

#include "AssetGroups.h"
#include "AssetRegistry.h"
#include "Palette.h"
#include "UiFrame.h"

namespace {

const int PAUSE_ART_SCALE = 4;
const int PAUSE_BUTTON_WIDTH = 96;  // 384 pixels on the reference screen: room for "Exit to menu"
const int PAUSE_BUTTON_HEIGHT = 19;
const int BACKDROP_WIDTH = 35;  // stretched 56 times by the game: a little more than 1920 x 1080
const int BACKDROP_HEIGHT = 20;

void WriteButtonPair(AssetWriter& writer, const std::string& normal, const std::string& pressed,
                     const std::string& label) {
    WritePixelArt(writer, normal, MakeButton(PAUSE_BUTTON_WIDTH, PAUSE_BUTTON_HEIGHT, label, BUTTON_NORMAL),
                  PAUSE_ART_SCALE);
    WritePixelArt(writer, pressed,
                  MakeButton(PAUSE_BUTTON_WIDTH, PAUSE_BUTTON_HEIGHT, label, BUTTON_HIGHLIGHTED),
                  PAUSE_ART_SCALE);
}

}  // namespace

void GeneratePauseMenuArt(AssetWriter& writer) {
    const std::string folder = "Sprites/MenuGame/";
    PixelCanvas backdrop = MakeCanvas(BACKDROP_WIDTH, BACKDROP_HEIGHT);
    FillRect(backdrop, 0, 0, BACKDROP_WIDTH, BACKDROP_HEIGHT, Pal(PAL_OUTLINE));
    WritePixelArt(writer, folder + "fondnoir.png", backdrop, 1);
    WriteButtonPair(writer, folder + "Continue.png", folder + "Continue appuy\xE9.png", "Continue");
    WriteButtonPair(writer, folder + "Options non appuy\xE9.png", folder + "Options appuy\xE9.png",
                    "Options");
    WriteButtonPair(writer, folder + "Exit to menu.png", folder + "Exit to menu appuy\xE9.png",
                    "Exit to menu");
}
