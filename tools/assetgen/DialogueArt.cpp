// The dialogue box. It is drawn 1.6 times larger in the game with the speaker's portrait standing on its
// top-left corner, so the box keeps its parchment clear for black text from 70 pixels in.

#include "AssetGroups.h"
#include "AssetRegistry.h"
#include "UiFrame.h"

namespace {

const int DIALOGUE_FRAME_WIDTH = 240;  // 960 x 200 pixels, 1536 x 320 on the reference screen
const int DIALOGUE_FRAME_HEIGHT = 50;
const int DIALOGUE_FRAME_FACTOR = 4;

PixelCanvas DialogueFrame() {
    return MakePanel(DIALOGUE_FRAME_WIDTH, DIALOGUE_FRAME_HEIGHT, PANEL_PARCHMENT);
}

}  // namespace

void GenerateDialogueArt(AssetWriter& writer) {
    WritePixelArt(writer, "Sprites/Dialogues/Frame.png", DialogueFrame(), DIALOGUE_FRAME_FACTOR);
}
