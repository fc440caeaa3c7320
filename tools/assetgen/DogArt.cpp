// The knights' hound: a brown dog with a red collar, low and long from the side, a head over a chest from
// the front. It keeps the people's 32 x 32 frame and ground shadow so it stands on the same line.

#include "CharacterArt.h"

namespace {

const Ramp DOG_FUR{PAL_WOOD_DARK, PAL_WOOD_MID, PAL_WOOD_LIGHT};

void DrawDogSide(PixelCanvas& layer, const CharacterPose& pose) {
    const int y = pose.bob;
    const sf::Color fur = Pal(DOG_FUR.mid);
    const int legs[4] = {8 + pose.stride, 11 - pose.stride, 19 + pose.stride, 22 - pose.stride};
    for (int leg = 0; leg < 4; ++leg)
        FillRect(layer, legs[leg], 24, 2, 5, Pal(leg % 2 == 0 ? DOG_FUR.mid : DOG_FUR.dark));
    FillEllipse(layer, 15, 21 + y, 9, 4, fur);
    DrawLine(layer, 6, 19 + y, 3, 14 + y - pose.swing, fur);  // the tail, wagging with the step
    DrawLine(layer, 7, 19 + y, 4, 14 + y - pose.swing, fur);
    FillEllipse(layer, 24, 15 + y, 4, 4, fur);
    FillRect(layer, 26, 15 + y, 4, 3, Pal(DOG_FUR.light));  // the muzzle
    PutPixel(layer, 29, 15 + y, Pal(PAL_OUTLINE));
    FillPolygon(layer, {{21, 12 + y}, {23, 9 + y}, {24, 14 + y}}, Pal(DOG_FUR.dark));
    FillRect(layer, 20, 18 + y, 2, 3, Pal(PAL_CLOTH_MID));
    PutPixel(layer, 25, 14 + y, Pal(PAL_OUTLINE));
}

void DrawDogFront(PixelCanvas& layer, const CharacterPose& pose, bool back) {
    const int y = pose.bob;
    const sf::Color fur = Pal(DOG_FUR.mid);
    FillRect(layer, 12, 24 - pose.liftLeft, 3, 5, Pal(DOG_FUR.dark));
    FillRect(layer, 18, 24 - pose.liftRight, 3, 5, Pal(DOG_FUR.dark));
    FillEllipse(layer, 16, 22 + y, 6, 5, fur);
    if (back) {
        DrawLine(layer, 16, 19 + y, 16 + pose.swing, 13 + y, fur);
        FillEllipse(layer, 16, 13 + y, 5, 4, fur);
    } else {
        FillEllipse(layer, 16, 14 + y, 5, 4, fur);
        FillRect(layer, 14, 16 + y, 5, 3, Pal(DOG_FUR.light));
        PutPixel(layer, 16, 16 + y, Pal(PAL_OUTLINE));
        FillRect(layer, 14, 13 + y, 1, pose.blink ? 1 : 2, Pal(PAL_OUTLINE));
        FillRect(layer, 18, 13 + y, 1, pose.blink ? 1 : 2, Pal(PAL_OUTLINE));
    }
    FillPolygon(layer, {{11, 13 + y}, {9, 17 + y}, {12, 17 + y}}, Pal(DOG_FUR.dark));
    FillPolygon(layer, {{21, 13 + y}, {23, 17 + y}, {20, 17 + y}}, Pal(DOG_FUR.dark));
    FillRect(layer, 12, 18 + y, 9, 1, Pal(PAL_CLOTH_MID));
}

}  // namespace

PixelCanvas DrawDogFrame(const CharacterPose& pose) {
    PixelCanvas layer = MakeCanvas(CHARACTER_FRAME, CHARACTER_FRAME);
    if (pose.facing == FACE_DOWN || pose.facing == FACE_UP) {
        DrawDogFront(layer, pose, pose.facing == FACE_UP);
    } else {
        DrawDogSide(layer, pose);
    }
    ShadeFromTopLeft(layer, DOG_FUR);
    OutlineOpaque(layer, Pal(PAL_OUTLINE));
    if (pose.facing == FACE_LEFT) FlipHorizontal(layer);
    PixelCanvas frame = MakeCanvas(CHARACTER_FRAME, CHARACTER_FRAME);
    FillEllipse(frame, 16, 29, 8, 1, Pal(PAL_OUTLINE, 80));
    Blit(frame, layer, 0, 0);
    return frame;
}
