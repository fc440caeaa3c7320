#pragma once
// The people of Velmoria share the hero's build: 32 x 32 art pixels a frame, doubled on the sheet, feet on
// the bottom rows and the body in the middle half where the game puts the foot box. A look says what sets
// one character apart: skin, clothes, headwear and a few accessories.
#include "PixelCanvas.h"
#include "UiFrame.h"

enum Headwear { HEAD_BARE, HEAD_HOOD, HEAD_CAP, HEAD_WIDE_HAT, HEAD_POINTED, HEAD_HELMET, HEAD_HORNED };
enum Facing { FACE_DOWN, FACE_LEFT, FACE_RIGHT, FACE_UP };

struct CharacterLook {
    Ramp skin;
    Ramp cloth;
    PaletteIndex trim = PAL_GOLD_MID;  // belt, scarf or plume
    Headwear head = HEAD_BARE;
    PaletteIndex hat = PAL_WOOD_MID;
    bool goblin = true;  // long ears and nose
    bool apron = false;
    bool cape = false;
    int girth = 0;  // extra body width each side
};

struct CharacterPose {
    Facing facing = FACE_DOWN;
    int bob = 0;
    int liftLeft = 0;
    int liftRight = 0;
    int stride = 0;
    int swing = 0;
    bool blink = false;
};

// The skins of goblins and people, and the knights' black armour.
inline constexpr Ramp GOBLIN_SKIN{PAL_GRASS_LIGHT, PAL_GRASS_PALE, PAL_PARCH_LIGHT};
inline constexpr Ramp GOBLIN_SKIN_DEEP{PAL_GRASS_DARK, PAL_GRASS_MID, PAL_GRASS_LIGHT};
inline constexpr Ramp HUMAN_SKIN{PAL_SKIN_DARK, PAL_SKIN_MID, PAL_SKIN_LIGHT};
inline constexpr Ramp ARMOUR_BLACK{PAL_NIGHT, PAL_NAVY_DARK, PAL_NAVY_MID};

CharacterLook DressedAs(Ramp skin, Ramp cloth, PaletteIndex trim, Headwear head, PaletteIndex hat);
// Those met both on the maps and in battle: one look each, so the two show the same people.
CharacterLook SpritiLook();
CharacterLook GrotoLook();
CharacterLook KnightLook();
CharacterLook BossLook();

inline constexpr int CHARACTER_FRAME = 32;
inline constexpr int CHARACTER_COLUMNS = 7;
inline constexpr int CHARACTER_ROWS = 8;  // idle down, left, right, up; then walking the same ways

// The pose of one sheet cell: rows 0 to 3 breathe, rows 4 to 7 walk.
CharacterPose PoseForCell(int row, int column);
PixelCanvas DrawCharacterFrame(const CharacterLook& look, const CharacterPose& pose);
PixelCanvas DrawDogFrame(const CharacterPose& pose);
// The hero's own first frame, facing the viewer, for his portrait.
PixelCanvas DrawHeroFront();
// A portrait: the frame style around the bust of a 32 x 32 front frame, doubled. Doubled again on disk
// (128 x 128) and shown 1.6 times larger, it stands just above the dialogue box.
inline constexpr int PORTRAIT_ART = 64;
PixelCanvas MakePortrait(const PixelCanvas& front, PanelInterior interior);
