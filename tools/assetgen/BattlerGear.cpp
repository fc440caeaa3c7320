// Heads seen from the side and what the fighters carry. The head's features use the offsets of the
// roaming sheets' side view (a head of radius 6) scaled to the build, so Spriti's hat, Groto's tuft and the
// knights' helmets are the ones the player met on the map.

#include "BattlerParts.h"

#include <algorithm>
#include <cmath>

namespace {

const float ROAMING_HEAD = 6.0f;

bool Helmeted(const CharacterLook& look) {
    return look.head == HEAD_HELMET || look.head == HEAD_HORNED;
}

int Scaled(float length, float scale) {
    return std::max(1, static_cast<int>(std::lround(length * scale)));
}

void HeadRect(PixelCanvas& layer, RigPoint centre, float k, float dx, float dy, float width, float height,
              sf::Color colour) {
    const PixelPoint corner = HeadPoint(centre, k, dx, dy);
    FillRect(layer, corner.x, corner.y, Scaled(width, k), Scaled(height, k), colour);
}

void HeadShape(PixelCanvas& layer, RigPoint centre, float k, std::initializer_list<RigPoint> offsets,
               sf::Color colour) {
    std::vector<PixelPoint> points;
    for (const RigPoint& offset : offsets)
        points.push_back(HeadPoint(centre, k, offset.x, offset.y));
    FillPolygon(layer, points, colour);
}

// Pell's hood: the point falls back, his face and long nose peek out of the front.
void DrawHeroHead(PixelCanvas& layer, const BattlerLook& look, RigPoint c, float k, bool eyesClosed) {
    const sf::Color hood = Pal(look.body.cloth.mid), skin = Pal(look.body.skin.mid);
    FillEllipse(layer, Snap(c).x, Snap(c).y, Scaled(6, k), Scaled(6, k), hood);
    HeadShape(layer, c, k, {{-6, -3}, {-4, -8}, {1, -5}}, hood);
    HeadShape(layer, c, k, {{7, 2}, {11, 3}, {7, 4}}, skin);
    const PixelPoint face = HeadPoint(c, k, 4, 2);
    FillEllipse(layer, face.x, face.y, Scaled(3, k), Scaled(3, k), skin);
    HeadShape(layer, c, k, {{-2, 0}, {-11, -5}, {-9, -1}, {-2, 3}}, skin);
    const PixelPoint earFrom = HeadPoint(c, k, -9, -3), earTo = HeadPoint(c, k, -4, 0);
    DrawLine(layer, earFrom.x, earFrom.y, earTo.x, earTo.y, Pal(look.body.skin.light));
    HeadRect(layer, c, k, 2, -1, 4, 1, Pal(look.body.cloth.dark));  // the hood's shade on the brow
    HeadRect(layer, c, k, 5, eyesClosed ? 2 : 1, 1, eyesClosed ? 1 : 2, Pal(PAL_OUTLINE));
    const PixelPoint blush = HeadPoint(c, k, 6, 3);
    PutPixel(layer, blush.x, blush.y, Pal(PAL_CLOTH_LIGHT));
}

void DrawHelmet(PixelCanvas& layer, const BattlerLook& look, RigPoint c, float k, bool eyesClosed) {
    FillEllipse(layer, Snap(c).x, Snap(c).y, Scaled(7, k), Scaled(7, k), Pal(look.body.hat));
    if (look.body.head == HEAD_HELMET) {  // a red crest swept back
        HeadShape(layer, c, k, {{-1, -6}, {1, -10}, {-4, -11}, {-9, -9}, {-10, -5}, {-6, -6}},
                  Pal(look.body.trim));
    } else {
        HeadShape(layer, c, k, {{4, -4}, {10, -12}, {11, -9}, {7, -2}}, Pal(PAL_PARCH_MID));
        HeadShape(layer, c, k, {{-3, -5}, {-9, -12}, {-7, -4}, {-3, -1}}, Pal(PAL_PARCH_DARK));
    }
    HeadRect(layer, c, k, 1, 1, 6, 1.5f, Pal(PAL_OUTLINE));  // the visor's slit
    const PaletteIndex eye = look.body.head == HEAD_HORNED ? PAL_CLOTH_LIGHT : PAL_STONE_LIGHT;
    if (!eyesClosed) HeadRect(layer, c, k, 4, 1, 1.5f, 1, Pal(eye));
}

void DrawHeadwear(PixelCanvas& layer, const CharacterLook& look, RigPoint c, float k) {
    const sf::Color hat = Pal(look.hat);
    switch (look.head) {
        case HEAD_BARE:
            HeadRect(layer, c, k, -2, -7, 5, 2, Pal(PAL_OUTLINE));  // a dark tuft
            HeadRect(layer, c, k, 0, -8, 1, 1, Pal(PAL_OUTLINE));
            break;
        case HEAD_HOOD:
            HeadShape(layer, c, k, {{-6, -2}, {1, -9}, {6, -2}, {4, 2}, {-6, 3}}, hat);
            break;
        case HEAD_CAP:
            HeadRect(layer, c, k, -6, -7, 13, 5, hat);
            HeadRect(layer, c, k, 4, -3, 6, 2, Pal(PAL_WOOD_DARK));
            break;
        case HEAD_WIDE_HAT:
            HeadRect(layer, c, k, -5, -9, 11, 6, hat);
            HeadRect(layer, c, k, -10, -4, 21, 2, hat);
            HeadRect(layer, c, k, -5, -5, 11, 1, Pal(look.trim));
            break;
        case HEAD_POINTED:
            HeadShape(layer, c, k, {{-7, -3}, {8, -3}, {2, -11}, {-4, -13}}, hat);
            HeadRect(layer, c, k, -9, -3, 19, 2, hat);
            HeadRect(layer, c, k, -4, -13, 1, 1, Pal(PAL_GOLD_LIGHT));
            HeadRect(layer, c, k, -6, -5, 13, 1, Pal(look.trim));
            break;
        case HEAD_HELMET:
        case HEAD_HORNED:
            break;
    }
}

struct Blade {
    PaletteIndex steel;
    PaletteIndex edge;
    float width;  // in limb widths
};

void DrawBlade(PixelCanvas& layer, const BattlerBuild& build, RigPoint hand, int degrees, Blade blade) {
    const float unit = build.unit, length = static_cast<float>(build.weaponLength);
    const int width =
        std::max(1, static_cast<int>(std::lround(blade.width * static_cast<float>(build.limbWidth))));
    StampLine(layer, Along(hand, degrees, 1.5f * unit), Along(hand, degrees, length), width,
              Pal(blade.steel));
    StampLine(layer, Along(hand, degrees, 2.0f * unit), Along(hand, degrees, length - unit), 1,
              Pal(blade.edge));
    const RigPoint guard = Along(hand, degrees, 1.2f * unit);
    const float reach = std::max(1.5f, static_cast<float>(width) + 0.5f * unit);
    StampLine(layer, Along(guard, degrees + 90, reach), Along(guard, degrees - 90, reach),
              std::max(1, width - 1), Pal(PAL_GOLD_MID));
    StampLine(layer, Along(hand, degrees + 180, 1.5f * unit), hand, std::max(1, width - 1),
              Pal(PAL_WOOD_DARK));
    const PixelPoint tip = Snap(Along(hand, degrees, length));
    PutPixel(layer, tip.x, tip.y, Pal(PAL_WHITE));
}

void DrawStaff(PixelCanvas& layer, const BattlerBuild& build, const BattlerLook& look, RigPoint hand,
               int degrees, bool heavy) {
    const float unit = build.unit, length = static_cast<float>(build.weaponLength);
    const int width = heavy ? 2 : 1;
    StampLine(layer, Along(hand, degrees + 180, 4.0f * unit), Along(hand, degrees, length), width,
              Pal(PAL_WOOD_MID));
    const RigPoint top = Along(hand, degrees, length + (heavy ? 2.0f : 1.5f) * unit);
    if (heavy) {  // Groto's staff ends in a knot of roots clasping a big stone
        StampLine(layer, Along(top, degrees + 120, 2.5f * unit), Along(top, degrees - 120, 2.5f * unit), 1,
                  Pal(PAL_WOOD_DARK));
    } else {
        const PixelPoint band = Snap(Along(hand, degrees, length));
        PutPixel(layer, band.x, band.y, Pal(PAL_GOLD_MID));
    }
    const int radius = heavy ? 2 : 1;
    FillCircle(layer, Snap(top).x, Snap(top).y, radius, Pal(look.magic.mid));
    PutPixel(layer, Snap(top).x - radius / 2, Snap(top).y - radius / 2, Pal(PAL_WHITE));
}

void DrawAxe(PixelCanvas& layer, const BattlerBuild& build, RigPoint hand, int degrees) {
    const float unit = build.unit, length = static_cast<float>(build.weaponLength);
    StampLine(layer, Along(hand, degrees + 180, unit), Along(hand, degrees, length), 1, Pal(PAL_WOOD_MID));
    const RigPoint head = Along(hand, degrees, length - unit);
    const RigPoint back = Along(hand, degrees, length - 4.0f * unit);
    std::vector<PixelPoint> bit = {Snap(head), Snap(Along(head, degrees - 90, 3.0f * unit)),
                                   Snap(Along(Along(back, degrees - 90, 3.0f * unit), degrees, -unit)),
                                   Snap(back)};
    FillPolygon(layer, bit, Pal(PAL_STONE_MID));
    StampLine(layer, Along(head, degrees - 90, 3.0f * unit), Along(back, degrees - 90, 3.0f * unit), 1,
              Pal(PAL_WHITE));
}

}  // namespace

void DrawSideHead(PixelCanvas& layer, const BattlerBuild& build, const BattlerLook& look, RigPoint c,
                  bool eyesClosed) {
    const float k = static_cast<float>(build.headRadius) / ROAMING_HEAD;
    if (look.heroHood) {
        DrawHeroHead(layer, look, c, k, eyesClosed);
        return;
    }
    if (Helmeted(look.body)) {
        DrawHelmet(layer, look, c, k, eyesClosed);
        return;
    }
    const sf::Color skin = Pal(look.body.skin.mid);
    if (look.body.goblin) {  // the long nose drawn a little longer than on the map, to read at this size
        HeadShape(layer, c, k, {{5, 1}, {12, 3}, {5, 5}}, skin);
        HeadShape(layer, c, k, {{-3, 0}, {-12, -5}, {-10, -1}, {-3, 3}}, skin);
    }
    FillEllipse(layer, Snap(c).x, Snap(c).y, Scaled(6, k), Scaled(6, k), skin);
    if (look.body.goblin) {
        const PixelPoint from = HeadPoint(c, k, -10, -3), to = HeadPoint(c, k, -5, 0);
        DrawLine(layer, from.x, from.y, to.x, to.y, Pal(look.body.skin.light));
    }
    DrawHeadwear(layer, look.body, c, k);
    if (look.headband) {
        HeadRect(layer, c, k, -6, -3, 12, 1.5f, Pal(PAL_CLOTH_MID));
        HeadShape(layer, c, k, {{-6, -3}, {-11, 0}, {-10, 2}, {-6, -1}}, Pal(PAL_CLOTH_MID));
    }
    HeadRect(layer, c, k, 3, eyesClosed ? 1.5f : 0, 1, eyesClosed ? 1 : 3, Pal(PAL_OUTLINE));
}

void DrawWeapon(PixelCanvas& layer, const BattlerBuild& build, const BattlerLook& look, RigPoint hand,
                int degrees) {
    switch (look.weapon) {
        case WEAPON_NONE:
            break;
        case WEAPON_SWORD:
            DrawBlade(layer, build, hand, degrees, {PAL_STONE_MID, PAL_STONE_LIGHT, 0.5f});
            break;
        case WEAPON_GREATSWORD:  // the black knight's blade, a red glow down its fuller
            DrawBlade(layer, build, hand, degrees, {PAL_NAVY_MID, PAL_CLOTH_MID, 0.6f});
            break;
        case WEAPON_STAFF:
        case WEAPON_CLUB:
            DrawStaff(layer, build, look, hand, degrees, look.weapon == WEAPON_CLUB);
            break;
        case WEAPON_AXE:
            DrawAxe(layer, build, hand, degrees);
            break;
    }
}

void DrawShield(PixelCanvas& layer, const BattlerBuild& build, RigPoint hand) {
    const float width = static_cast<float>(build.torsoWidth) * 0.35f;
    const float height = static_cast<float>(build.torsoLength);
    const RigPoint c{hand.x + build.unit, hand.y};
    FillPolygon(layer,
                {Snap({c.x - width, c.y - height * 0.45f}), Snap({c.x + width, c.y - height * 0.45f}),
                 Snap({c.x + width, c.y + height * 0.1f}), Snap({c.x, c.y + height * 0.6f}),
                 Snap({c.x - width, c.y + height * 0.1f})},
                Pal(PAL_CLOTH_MID));
    StampLine(layer, {c.x, c.y - height * 0.4f}, {c.x, c.y + height * 0.45f},
              std::max(1, build.limbWidth / 2), Pal(PAL_GOLD_MID));
    StampLine(layer, {c.x - width + 1, c.y - height * 0.15f}, {c.x + width - 1, c.y - height * 0.15f},
              std::max(1, build.limbWidth / 2), Pal(PAL_GOLD_MID));
}

void DrawPauldron(PixelCanvas& layer, const BattlerBuild& build, const BattlerLook& look, RigPoint root) {
    if (!look.pauldrons) return;
    const int radius = build.limbWidth;
    const PixelPoint at = Snap(root);
    FillEllipse(layer, at.x, at.y, radius, std::max(1, radius * 3 / 4), Pal(look.body.cloth.light));
    StampLine(layer, {root.x - static_cast<float>(radius), root.y + static_cast<float>(radius) * 0.6f},
              {root.x + static_cast<float>(radius), root.y + static_cast<float>(radius) * 0.6f}, 1,
              Pal(look.body.trim));
}
