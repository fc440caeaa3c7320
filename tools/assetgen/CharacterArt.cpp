// Villagers, the merchant, the companions and the knights: one body drawn in the hero's proportions, dressed
// by a look. Front and back share the legs and tunic; the side view is drawn facing right and mirrored.

#include "CharacterArt.h"

#include <algorithm>
#include <cmath>

namespace {

const float CHARACTER_TWO_PI = 6.2831853f;

void DrawLegs(PixelCanvas& layer, const CharacterPose& pose, const CharacterLook& look) {
    const int lifts[2] = {pose.liftLeft, pose.liftRight};
    const int xs[2] = {12 - look.girth / 2, 18 + look.girth / 2};
    const PaletteIndex legs =
        look.head == HEAD_HELMET || look.head == HEAD_HORNED ? look.cloth.dark : PAL_WOOD_MID;
    for (int leg = 0; leg < 2; ++leg) {
        const int foot = 30 - lifts[leg];
        FillRect(layer, xs[leg], 24, 3, foot - 25, Pal(legs));
        FillRect(layer, xs[leg] - (leg == 0 ? 1 : 0), foot - 1, 4, 2, Pal(PAL_WOOD_DARK));
    }
}

void DrawHeadwearFront(PixelCanvas& layer, const CharacterLook& look, int x, int y, bool back) {
    const sf::Color hat = Pal(look.hat);
    switch (look.head) {
        case HEAD_BARE:
            FillRect(layer, 14 + x, 3 + y, 5, 2, Pal(PAL_OUTLINE));  // a dark tuft
            PutPixel(layer, 16 + x, 2 + y, Pal(PAL_OUTLINE));
            break;
        case HEAD_HOOD:
            FillEllipse(layer, 16 + x, 8 + y, 7, 5, hat);
            FillPolygon(layer, {{12 + x, 5 + y}, {17 + x, 1 + y}, {20 + x, 5 + y}}, hat);
            break;
        case HEAD_CAP:
            FillRect(layer, 10 + x, 3 + y, 13, 5, hat);
            if (!back) FillRect(layer, 9 + x, 7 + y, 15, 2, Pal(PAL_WOOD_DARK));
            break;
        case HEAD_WIDE_HAT:
            FillRect(layer, 11 + x, 1 + y, 11, 6, hat);
            FillRect(layer, 6 + x, 6 + y, 21, 2, hat);
            FillRect(layer, 11 + x, 5 + y, 11, 1, Pal(look.trim));
            break;
        case HEAD_POINTED:
            FillPolygon(layer, {{9 + x, 7 + y}, {24 + x, 7 + y}, {19 + x, -1 + y}}, hat);
            FillRect(layer, 7 + x, 7 + y, 19, 2, hat);
            PutPixel(layer, 19 + x, 0 + y, Pal(PAL_GOLD_LIGHT));
            break;
        case HEAD_HELMET:
        case HEAD_HORNED:
            FillEllipse(layer, 16 + x, 10 + y, 7, 7, hat);
            if (!back) FillRect(layer, 11 + x, 11 + y, 11, 2, Pal(PAL_OUTLINE));
            if (look.head == HEAD_HELMET) {
                FillRect(layer, 15 + x, 0 + y, 3, 4, Pal(look.trim));
            } else {
                FillPolygon(layer, {{10 + x, 7 + y}, {4 + x, 1 + y}, {6 + x, 7 + y}, {10 + x, 10 + y}},
                            Pal(PAL_PARCH_MID));
                FillPolygon(layer, {{23 + x, 7 + y}, {29 + x, 1 + y}, {27 + x, 7 + y}, {23 + x, 10 + y}},
                            Pal(PAL_PARCH_MID));
            }
            break;
    }
}

bool Helmeted(const CharacterLook& look) {
    return look.head == HEAD_HELMET || look.head == HEAD_HORNED;
}

void DrawFrontHead(PixelCanvas& layer, const CharacterLook& look, const CharacterPose& pose, bool back) {
    const int y = pose.bob, x = 0;
    const sf::Color skin = Pal(look.skin.mid);
    if (look.goblin && !Helmeted(look)) {
        FillPolygon(layer, {{10, 10 + y}, {3, 6 + y}, {5, 10 + y}, {10, 14 + y}}, skin);
        FillPolygon(layer, {{23, 10 + y}, {30, 6 + y}, {28, 10 + y}, {23, 14 + y}}, skin);
    }
    FillEllipse(layer, 16, 10 + y, 7, 6, skin);
    DrawHeadwearFront(layer, look, x, y, back);
    if (back || Helmeted(look)) {
        if (Helmeted(look) && !back) {
            const PaletteIndex eyes = look.head == HEAD_HORNED ? PAL_CLOTH_LIGHT : PAL_OUTLINE;
            PutPixel(layer, 14, 11 + y, Pal(eyes));
            PutPixel(layer, 18, 11 + y, Pal(eyes));
        }
        return;
    }
    const int eyeHeight = pose.blink ? 1 : 2, eyeY = pose.blink ? 12 + y : 11 + y;
    FillRect(layer, 14, eyeY, 1, eyeHeight, Pal(PAL_OUTLINE));
    FillRect(layer, 18, eyeY, 1, eyeHeight, Pal(PAL_OUTLINE));
    PutPixel(layer, 16, 13 + y, Pal(look.skin.light));
    if (look.goblin) {
        DrawLine(layer, 5, 8 + y, 9, 11 + y, Pal(look.skin.light));
        DrawLine(layer, 27, 8 + y, 23, 11 + y, Pal(look.skin.light));
    }
}

void DrawFront(PixelCanvas& layer, const CharacterLook& look, const CharacterPose& pose, bool back) {
    DrawLegs(layer, pose, look);
    const int y = pose.bob, g = look.girth;
    if (look.cape && back) FillRect(layer, 10 - g, 16 + y, 13 + 2 * g, 12, Pal(PAL_CLOTH_DARK));
    FillRect(layer, 11 - g, 17 + y, 11 + 2 * g, 6, Pal(look.cloth.mid));
    FillRect(layer, 10 - g, 23 + y, 13 + 2 * g, 3, Pal(look.cloth.mid));
    FillRect(layer, 11 - g, 22 + y, 11 + 2 * g, 1, Pal(look.trim));
    if (look.apron && !back) FillRect(layer, 13, 19 + y, 7, 7, Pal(PAL_PARCH_LIGHT));
    const PaletteIndex hand = Helmeted(look) ? look.cloth.dark : look.skin.mid;
    FillRect(layer, 8 - g, 18 + y, 3, 5 + pose.swing, Pal(look.cloth.mid));
    FillRect(layer, 8 - g, 23 + y + pose.swing, 3, 2, Pal(hand));
    FillRect(layer, 22 + g, 18 + y, 3, 5 - pose.swing, Pal(look.cloth.mid));
    FillRect(layer, 22 + g, 23 + y - pose.swing, 3, 2, Pal(hand));
    if (look.cape && !back) {
        FillRect(layer, 7 - g, 16 + y, 2, 10, Pal(PAL_CLOTH_DARK));
        FillRect(layer, 24 + g, 16 + y, 2, 10, Pal(PAL_CLOTH_DARK));
    }
    DrawFrontHead(layer, look, pose, back);
}

void DrawSide(PixelCanvas& layer, const CharacterLook& look, const CharacterPose& pose) {
    const int y = pose.bob, g = look.girth;
    const int far = 14 - pose.stride, near = 16 + pose.stride;
    FillRect(layer, far, 24, 3, 5, Pal(PAL_WOOD_DARK));
    FillRect(layer, far, 28, 4, 2, Pal(PAL_OUTLINE));
    FillRect(layer, near, 24, 3, 5, Pal(Helmeted(look) ? look.cloth.dark : PAL_WOOD_MID));
    FillRect(layer, near, 29, 4, 2, Pal(PAL_WOOD_DARK));
    if (look.cape) FillPolygon(layer, {{11, 16 + y}, {7, 27 + y}, {13, 27 + y}}, Pal(PAL_CLOTH_DARK));
    FillRect(layer, 12 - g / 2, 17 + y, 9 + g, 6, Pal(look.cloth.mid));
    FillRect(layer, 11 - g / 2, 23 + y, 11 + g, 3, Pal(look.cloth.mid));
    FillRect(layer, 12 - g / 2, 22 + y, 9 + g, 1, Pal(look.trim));
    if (look.apron) FillRect(layer, 19 + g / 2, 19 + y, 2, 7, Pal(PAL_PARCH_LIGHT));
    const sf::Color skin = Pal(look.skin.mid);
    if (!Helmeted(look)) {
        if (look.goblin) {
            FillPolygon(layer, {{22, 12 + y}, {26, 13 + y}, {22, 14 + y}}, skin);
            FillPolygon(layer, {{13, 10 + y}, {4, 5 + y}, {6, 9 + y}, {13, 13 + y}}, skin);
        }
        FillEllipse(layer, 16, 10 + y, 6, 6, skin);
    }
    CharacterLook sideLook = look;
    DrawHeadwearFront(layer, sideLook, 0, y, true);
    if (!Helmeted(look)) {
        FillRect(layer, 20, 11 + y, 1, pose.blink ? 1 : 2, Pal(PAL_OUTLINE));
    } else {
        FillRect(layer, 18, 11 + y, 5, 1, Pal(PAL_OUTLINE));
        PutPixel(layer, 21, 11 + y, Pal(look.head == HEAD_HORNED ? PAL_CLOTH_LIGHT : PAL_OUTLINE));
    }
    const int armX = 15 - pose.stride / 2;
    FillRect(layer, armX, 18 + y, 3, 5, Pal(look.cloth.mid));
    FillRect(layer, armX, 23 + y, 3, 2, Pal(Helmeted(look) ? look.cloth.dark : look.skin.mid));
}

}  // namespace

CharacterPose PoseForCell(int row, int column) {
    CharacterPose pose;
    const Facing facings[4] = {FACE_DOWN, FACE_LEFT, FACE_RIGHT, FACE_UP};
    pose.facing = facings[row % 4];
    if (row < 4) {
        pose.bob = column >= 2 && column <= 4 ? 1 : 0;
        pose.blink = row != 3 && column == 5;
        return pose;
    }
    const float s = std::sin(CHARACTER_TWO_PI * static_cast<float>(column) / CHARACTER_COLUMNS);
    pose.liftLeft = std::max(0, static_cast<int>(std::lround(2.0f * s)));
    pose.liftRight = std::max(0, static_cast<int>(std::lround(-2.0f * s)));
    pose.stride = static_cast<int>(std::lround(2.0f * s));
    pose.swing = static_cast<int>(std::lround(s));
    pose.bob = std::fabs(s) < 0.5f ? 0 : 1;
    return pose;
}

PixelCanvas DrawCharacterFrame(const CharacterLook& look, const CharacterPose& pose) {
    PixelCanvas layer = MakeCanvas(CHARACTER_FRAME, CHARACTER_FRAME);
    if (pose.facing == FACE_DOWN || pose.facing == FACE_UP) {
        DrawFront(layer, look, pose, pose.facing == FACE_UP);
    } else {
        DrawSide(layer, look, pose);
    }
    ShadeFromTopLeft(layer, look.cloth);
    ShadeFromTopLeft(layer, look.skin);
    ShadeFromTopLeft(layer, RAMP_WOOD);
    OutlineOpaque(layer, Pal(PAL_OUTLINE));
    if (pose.facing == FACE_LEFT) FlipHorizontal(layer);
    PixelCanvas frame = MakeCanvas(CHARACTER_FRAME, CHARACTER_FRAME);
    FillEllipse(frame, 16, 30, 6 + look.girth, 1, Pal(PAL_OUTLINE, 80));
    Blit(frame, layer, 0, 0);
    return frame;
}

PixelCanvas MakePortrait(const PixelCanvas& front, PanelInterior interior) {
    PixelCanvas portrait = MakePanel(PORTRAIT_ART, PORTRAIT_ART, interior);
    const int inner = UI_BORDER, span = PORTRAIT_ART - 2 * UI_BORDER;  // head and body to the hips
    for (int y = 0; y < span; ++y) {
        for (int x = 0; x < span; ++x) {
            const sf::Color colour = PixelAt(front, 2 + x / 2, y / 2);
            if (colour.a == 255) PutPixel(portrait, inner + x, inner + y, colour);
        }
    }
    return portrait;
}

CharacterLook DressedAs(Ramp skin, Ramp cloth, PaletteIndex trim, Headwear head, PaletteIndex hat) {
    CharacterLook look;
    look.skin = skin;
    look.cloth = cloth;
    look.trim = trim;
    look.head = head;
    look.hat = hat;
    return look;
}

CharacterLook SpritiLook() {
    return DressedAs(GOBLIN_SKIN, RAMP_SKY, PAL_GOLD_LIGHT, HEAD_POINTED, PAL_SKY_DEEP);
}

CharacterLook GrotoLook() {
    CharacterLook look = DressedAs(GOBLIN_SKIN_DEEP, RAMP_STONE, PAL_CLOTH_MID, HEAD_BARE, PAL_OUTLINE);
    look.girth = 2;
    return look;
}

CharacterLook KnightLook() {
    CharacterLook look = DressedAs(HUMAN_SKIN, RAMP_STONE, PAL_CLOTH_MID, HEAD_HELMET, PAL_STONE_MID);
    look.goblin = false;
    return look;
}

CharacterLook BossLook() {
    CharacterLook look = DressedAs(HUMAN_SKIN, ARMOUR_BLACK, PAL_GOLD_MID, HEAD_HORNED, PAL_NAVY_DARK);
    look.goblin = false;
    look.cape = true;
    look.girth = 2;
    return look;
}
