// The dialogue box. The game draws it 1.6 times larger and hangs it by a point 1.6 times its drawn
// height above its top, so a box h pixels high spans 1050 - 2.56 h to 1050 - 0.96 h on the reference
// screen. At 136 pixels that is 702 to 920, its parchment 727 to 894: room for three lines of black
// text from 760, and for the speaker's portrait above it.

#include "AssetGroups.h"
#include "AssetRegistry.h"
#include "UiFrame.h"

namespace {

const int DIALOGUE_FRAME_WIDTH = 240;  // 960 x 136 pixels, 1536 x 218 on the reference screen
const int DIALOGUE_FRAME_HEIGHT = 34;
const int DIALOGUE_FRAME_FACTOR = 4;

PixelCanvas DialogueFrame() {
    return MakePanel(DIALOGUE_FRAME_WIDTH, DIALOGUE_FRAME_HEIGHT, PANEL_PARCHMENT);
}

}  // namespace

void GenerateDialogueArt(AssetWriter& writer) {
    WritePixelArt(writer, "Sprites/Dialogues/Frame.png", DialogueFrame(), DIALOGUE_FRAME_FACTOR);
}
