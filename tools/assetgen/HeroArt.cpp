// Pell, the young goblin hero: green hood and tunic, a red scarf, big ears. Each frame is drawn at 32 x 32
// art pixels (doubled to 64 x 64) with the feet on the bottom rows and the body inside the middle half, where
// the game puts the foot box. Seven frames a row: idle breath, walk cycle, and the six fishing poses; the
// torch sheet is the same hero with a lit torch and its warm glow.

#include "AssetGroups.h"
#include "AssetRegistry.h"
#include "PixelCanvas.h"

PixelCanvas DrawHeroFront();

#include <cmath>

namespace {

const int HERO_FRAME = 32;
const int HERO_COLUMNS = 7;
const int HERO_ROWS = 14;
const float HERO_TWO_PI = 6.2831853f;

const Ramp HERO_CLOTH{PAL_GRASS_DARK, PAL_GRASS_MID, PAL_GRASS_LIGHT};
const Ramp HERO_SKIN{PAL_GRASS_LIGHT, PAL_GRASS_PALE, PAL_PARCH_LIGHT};
const PaletteIndex HOOD_COLOUR = PAL_GRASS_MID;
const PaletteIndex SKIN_COLOUR = PAL_GRASS_PALE;

enum Facing { FACE_DOWN, FACE_LEFT, FACE_RIGHT, FACE_UP };
enum RodPull { ROD_NONE, ROD_CALM, ROD_RIGHT, ROD_LEFT };

struct HeroPose {
    Facing facing = FACE_DOWN;
    int bob = 0;       // upper body lowered by this many pixels
    int liftLeft = 0;  // feet raised, seen from the front or the back
    int liftRight = 0;
    int stride = 0;  // seen from the side: near foot forward, far foot back
    int swing = 0;   // arms, -1..1
    bool blink = false;
    int lean = 0;  // the fishing pull tilts the body
    RodPull rod = ROD_NONE;
    int frame = 0;
    bool reeling = false;
};

void DrawFrontLegs(PixelCanvas& layer, const HeroPose& pose) {
    const int lifts[2] = {pose.liftLeft, pose.liftRight};
    const int xs[2] = {12, 18};
    for (int leg = 0; leg < 2; ++leg) {
        const int foot = 30 - lifts[leg];
        FillRect(layer, xs[leg], 24, 3, foot - 25, Pal(PAL_WOOD_MID));
        FillRect(layer, xs[leg] - (leg == 0 ? 1 : 0), foot - 1, 4, 2, Pal(PAL_WOOD_DARK));
    }
}

void DrawTunic(PixelCanvas& layer, int left, int width, int top, bool buckle) {
    FillRect(layer, left, top, width, 6, Pal(HOOD_COLOUR));
    FillRect(layer, left - 1, top + 6, width + 2, 3, Pal(HOOD_COLOUR));
    FillRect(layer, left, top + 5, width, 1, Pal(PAL_WOOD_DARK));
    if (buckle) FillRect(layer, left + width / 2 - 1, top + 5, 3, 1, Pal(PAL_GOLD_MID));
}

void DrawFrontHead(PixelCanvas& layer, const HeroPose& pose, bool back) {
    const int y = pose.bob + (pose.rod != ROD_NONE ? 1 : 0), x = pose.lean;
    FillPolygon(layer, {{10 + x, 10 + y}, {3 + x, 6 + y}, {5 + x, 10 + y}, {10 + x, 14 + y}},
                Pal(SKIN_COLOUR));
    FillPolygon(layer, {{23 + x, 10 + y}, {30 + x, 6 + y}, {28 + x, 10 + y}, {23 + x, 14 + y}},
                Pal(SKIN_COLOUR));
    FillEllipse(layer, 16 + x, 10 + y, 7, 6, Pal(HOOD_COLOUR));
    FillPolygon(layer, {{12 + x, 6 + y}, {17 + x, 2 + y}, {20 + x, 6 + y}}, Pal(HOOD_COLOUR));
    if (back) {
        DrawLine(layer, 16 + x, 5 + y, 16 + x, 14 + y, Pal(PAL_GRASS_DARK));
        FillRect(layer, 11 + x, 15 + y, 11, 3,
                 Pal(HOOD_COLOUR));  // the hood's little cape over the shoulders
        return;
    }
    FillEllipse(layer, 16 + x, 12 + y, 4, 3, Pal(SKIN_COLOUR));
    FillRect(layer, 13 + x, 9 + y, 7, 1, Pal(PAL_GRASS_DARK));  // the hood's shade on the brow
    const int eyeHeight = pose.blink ? 1 : 2, eyeY = pose.blink ? 12 + y : 11 + y;
    FillRect(layer, 14 + x, eyeY, 1, eyeHeight, Pal(PAL_OUTLINE));
    FillRect(layer, 18 + x, eyeY, 1, eyeHeight, Pal(PAL_OUTLINE));
    PutPixel(layer, 16 + x, 13 + y, Pal(PAL_GRASS_LIGHT));
    PutPixel(layer, 13 + x, 13 + y, Pal(PAL_CLOTH_LIGHT));
    PutPixel(layer, 19 + x, 13 + y, Pal(PAL_CLOTH_LIGHT));
    DrawLine(layer, 5 + x, 8 + y, 9 + x, 11 + y, Pal(PAL_GRASS_LIGHT));
    DrawLine(layer, 27 + x, 8 + y, 23 + x, 11 + y, Pal(PAL_GRASS_LIGHT));
}

void DrawFront(PixelCanvas& layer, const HeroPose& pose, bool back) {
    DrawFrontLegs(layer, pose);
    const int y = pose.bob, x = pose.lean;
    DrawTunic(layer, 11 + x, 11, 17 + y, !back);
    if (pose.rod == ROD_NONE) {
        FillRect(layer, 8 + x, 18 + y, 3, 5 + pose.swing, Pal(HOOD_COLOUR));
        FillRect(layer, 8 + x, 23 + y + pose.swing, 3, 2, Pal(SKIN_COLOUR));
        FillRect(layer, 22 + x, 18 + y, 3, 5 - pose.swing, Pal(HOOD_COLOUR));
        FillRect(layer, 22 + x, 23 + y - pose.swing, 3, 2, Pal(SKIN_COLOUR));
    } else {
        FillRect(layer, 9 + x, 18 + y, 3, 3, Pal(HOOD_COLOUR));  // both hands forward on the rod
        FillRect(layer, 12 + x, 20 + y, 6, 2, Pal(HOOD_COLOUR));
        FillRect(layer, 21 + x, 18 + y, 3, 3, Pal(HOOD_COLOUR));
        FillRect(layer, 18 + x, 20 + y, 4, 3, Pal(SKIN_COLOUR));
    }
    FillRect(layer, 11 + x, 16 + y, 11, 2, Pal(PAL_CLOTH_MID));
    if (!back) FillRect(layer, 18 + x, 18 + y, 2, 3, Pal(PAL_CLOTH_MID));
    DrawFrontHead(layer, pose, back);
    if (back) FillRect(layer, 15 + x, 16 + y, 3, 2, Pal(PAL_CLOTH_LIGHT));  // the scarf's knot
}

// Facing right; facing left is the mirror.
void DrawSide(PixelCanvas& layer, const HeroPose& pose) {
    const int y = pose.bob;
    const int far = 14 - pose.stride, near = 16 + pose.stride;
    FillRect(layer, far, 24, 3, 5, Pal(PAL_WOOD_DARK));
    FillRect(layer, far, 28 - (pose.stride < 0 ? 1 : 0), 4, 2, Pal(PAL_OUTLINE));
    FillRect(layer, near, 24, 3, 5 - (pose.stride > 1 ? 1 : 0), Pal(PAL_WOOD_MID));
    FillRect(layer, near, 29 - (pose.stride > 1 ? 1 : 0), 4, 2, Pal(PAL_WOOD_DARK));
    DrawTunic(layer, 12, 9, 17 + y, false);
    FillRect(layer, 10, 17 + y, 3, 3, Pal(PAL_CLOTH_MID));  // the scarf streams back
    FillRect(layer, 12, 16 + y, 9, 2, Pal(PAL_CLOTH_MID));
    FillEllipse(layer, 15, 10 + y, 6, 6, Pal(HOOD_COLOUR));
    FillPolygon(layer, {{9, 7 + y}, {11, 2 + y}, {16, 5 + y}}, Pal(HOOD_COLOUR));
    FillPolygon(layer, {{22, 12 + y}, {26, 13 + y}, {22, 14 + y}}, Pal(SKIN_COLOUR));  // a long goblin nose
    FillEllipse(layer, 19, 12 + y, 3, 3, Pal(SKIN_COLOUR));
    FillPolygon(layer, {{13, 10 + y}, {4, 5 + y}, {6, 9 + y}, {13, 13 + y}}, Pal(SKIN_COLOUR));
    DrawLine(layer, 6, 7 + y, 11, 10 + y, Pal(PAL_GRASS_LIGHT));
    FillRect(layer, 17, 9 + y, 4, 1, Pal(PAL_GRASS_DARK));
    FillRect(layer, 20, 11 + y, 1, pose.blink ? 1 : 2, Pal(PAL_OUTLINE));
    PutPixel(layer, 21, 13 + y, Pal(PAL_CLOTH_LIGHT));
    const int armX = 15 - pose.stride / 2;
    FillRect(layer, armX, 18 + y, 3, 5, Pal(HOOD_COLOUR));
    FillRect(layer, armX, 23 + y, 3, 2, Pal(SKIN_COLOUR));
}

struct RodShape {
    PixelPoint tip;
    PixelPoint bend;
};

RodShape RodFor(const HeroPose& pose) {
    const int bobble = pose.frame % 4 < 2 ? 0 : 1, shake = pose.reeling ? (pose.frame % 2) : 0;
    if (pose.rod == ROD_RIGHT) return {{30 - shake, 12 + bobble}, {27, 9}};
    if (pose.rod == ROD_LEFT) return {{9 + shake, 4 + bobble}, {14, 6}};
    return {{26, 4 + bobble}, {24, 10}};
}

void DrawRod(PixelCanvas& canvas, const HeroPose& pose) {
    const RodShape rod = RodFor(pose);
    const int handX = 20 + pose.lean, handY = 22 + pose.bob;
    DrawLine(canvas, handX, handY, rod.bend.x, rod.bend.y, Pal(PAL_WOOD_DARK));
    DrawLine(canvas, rod.bend.x, rod.bend.y, rod.tip.x, rod.tip.y, Pal(PAL_WOOD_LIGHT));
    const bool taut = pose.rod != ROD_CALM;
    const int floatX = taut ? (pose.rod == ROD_RIGHT ? 31 : 3) : rod.tip.x + 1;
    const int floatY = taut ? 27 : 24 + (pose.frame % 7 < 4 ? 0 : 1);
    DrawLine(canvas, rod.tip.x, rod.tip.y, floatX, floatY, Pal(PAL_PARCH_LIGHT, 200));
    if (!taut) {
        PutPixel(canvas, floatX, floatY, Pal(PAL_CLOTH_LIGHT));
        PutPixel(canvas, floatX, floatY + 1, Pal(PAL_WHITE));
    }
    if (pose.reeling) {
        const int knob[4][2] = {{1, -1}, {2, 0}, {1, 1}, {0, 0}};
        const auto& step = knob[pose.frame % 4];
        PutPixel(canvas, handX + step[0], handY + step[1] - 1, Pal(PAL_STONE_LIGHT));
    }
}

PixelCanvas DrawHeroLayer(const HeroPose& pose) {
    PixelCanvas layer = MakeCanvas(HERO_FRAME, HERO_FRAME);
    if (pose.facing == FACE_DOWN || pose.facing == FACE_UP) {
        DrawFront(layer, pose, pose.facing == FACE_UP);
    } else {
        DrawSide(layer, pose);
    }
    ShadeFromTopLeft(layer, HERO_CLOTH);
    ShadeFromTopLeft(layer, HERO_SKIN);
    ShadeFromTopLeft(layer, RAMP_WOOD);
    OutlineOpaque(layer, Pal(PAL_OUTLINE));
    if (pose.facing == FACE_LEFT) FlipHorizontal(layer);
    return layer;
}

struct Torch {
    PixelPoint hand;
    bool planted = false;  // stuck in the ground while the hero fishes
};

Torch TorchFor(const HeroPose& pose) {
    if (pose.rod != ROD_NONE) return {{5, 29}, true};
    if (pose.facing == FACE_DOWN) return {{9, 24 + pose.bob + pose.swing}, false};
    if (pose.facing == FACE_UP) return {{23, 24 + pose.bob - pose.swing}, false};
    const int x = 17 - pose.stride / 2;
    return {{pose.facing == FACE_RIGHT ? x + 2 : HERO_FRAME - 1 - x - 2, 24 + pose.bob}, false};
}

void DrawTorch(PixelCanvas& canvas, const HeroPose& pose, PixelCanvas& glow) {
    const Torch torch = TorchFor(pose);
    const int top = torch.hand.y - (torch.planted ? 12 : 9);
    const int flameY = top - 1, flicker = (pose.frame * 5) % 3 - 1, height = 4 + pose.frame % 3;
    FillCircle(glow, torch.hand.x, flameY - 1, 10, Pal(PAL_GOLD_LIGHT, 34));
    FillCircle(glow, torch.hand.x, flameY - 1, 6, Pal(PAL_GOLD_LIGHT, 60));
    PixelCanvas stick = MakeCanvas(HERO_FRAME, HERO_FRAME);
    FillRect(stick, torch.hand.x, top, 1, torch.hand.y - top + 1, Pal(PAL_WOOD_MID));
    FillRect(stick, torch.hand.x - 1, top, 3, 2, Pal(PAL_WOOD_DARK));
    OutlineOpaque(stick, Pal(PAL_OUTLINE));
    FillRect(stick, torch.hand.x - 1, flameY - height + 2, 3, height - 1, Pal(PAL_CLOTH_LIGHT));
    PutPixel(stick, torch.hand.x + flicker, flameY - height + 1, Pal(PAL_CLOTH_MID));
    FillRect(stick, torch.hand.x, flameY - height / 2, 1, height / 2 + 1, Pal(PAL_GOLD_LIGHT));
    PutPixel(stick, torch.hand.x, flameY, Pal(PAL_WHITE));
    Blit(canvas, stick, 0, 0);
}

PixelCanvas DrawFrame(const HeroPose& pose, bool torch) {
    PixelCanvas frame = MakeCanvas(HERO_FRAME, HERO_FRAME);
    FillEllipse(frame, 16, 30, 6, 1, Pal(PAL_OUTLINE, 80));  // a soft shadow on the ground
    PixelCanvas glow = MakeCanvas(HERO_FRAME, HERO_FRAME);
    PixelCanvas top = MakeCanvas(HERO_FRAME, HERO_FRAME);
    if (torch) DrawTorch(top, pose, glow);
    Blit(frame, glow, 0, 0);
    Blit(frame, DrawHeroLayer(pose), 0, 0);
    if (pose.rod != ROD_NONE) DrawRod(frame, pose);
    Blit(frame, top, 0, 0);
    return frame;
}

HeroPose PoseFor(int row, int column) {
    HeroPose pose;
    pose.frame = column;
    const float phase = HERO_TWO_PI * static_cast<float>(column) / HERO_COLUMNS;
    const Facing facings[4] = {FACE_DOWN, FACE_LEFT, FACE_RIGHT, FACE_UP};
    if (row < 8) {
        pose.facing = facings[row % 4];
        if (row < 4) {
            pose.bob = column >= 2 && column <= 4 ? 1 : 0;  // a slow breath
            pose.blink = row != 3 && column == 5;
            return pose;
        }
        const float s = std::sin(phase);
        pose.liftLeft = std::max(0, static_cast<int>(std::lround(2.0f * s)));
        pose.liftRight = std::max(0, static_cast<int>(std::lround(-2.0f * s)));
        pose.stride = static_cast<int>(std::lround(2.0f * s));
        pose.swing = static_cast<int>(std::lround(s));
        pose.bob = std::fabs(s) < 0.5f ? 0 : 1;
        return pose;
    }
    const RodPull pulls[3] = {ROD_CALM, ROD_RIGHT, ROD_LEFT};
    pose.rod = pulls[(row - 8) % 3];
    pose.reeling = row >= 11;
    pose.lean = pose.rod == ROD_RIGHT ? 1 : pose.rod == ROD_LEFT ? -1 : 0;
    pose.bob = pose.rod == ROD_CALM ? (column >= 3 && column <= 5 ? 1 : 0) : column % 2;
    return pose;
}

PixelCanvas DrawSheet(bool torch) {
    PixelCanvas sheet = MakeCanvas(HERO_COLUMNS * HERO_FRAME, HERO_ROWS * HERO_FRAME);
    for (int row = 0; row < HERO_ROWS; ++row) {
        for (int column = 0; column < HERO_COLUMNS; ++column)
            Blit(sheet, DrawFrame(PoseFor(row, column), torch), column * HERO_FRAME, row * HERO_FRAME);
    }
    return sheet;
}

}  // namespace

void GenerateHeroSheets(AssetWriter& writer) {
    WritePixelArt(writer, "Sprites/Characters/Player/Sheet_Pello.png", DrawSheet(false), 2);
    WritePixelArt(writer, "Sprites/Characters/Player/sheet_pello_torche Nuit.png", DrawSheet(true), 2);
}

// Pell's portrait is cut from his own first frame, so he looks the same in a dialogue as on the map.
PixelCanvas DrawHeroFront() {
    return DrawFrame(PoseFor(0, 0), false);
}
