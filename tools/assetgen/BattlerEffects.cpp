// The light and dust around a fighter: a sword's white trail, a spell gathering in the hand and flying
// off, paralysis sparks, the black knight's healing motes, the shock wave of his slam and the dust of his
// charge. All of it is drawn in palette colours, a few of them translucent, over or under the body.

#include "BattlerParts.h"

#include <algorithm>
#include <cmath>

namespace {

int Steps(float length) {
    return std::max(1, static_cast<int>(std::lround(length)));
}

void Sparkle(PixelCanvas& frame, int x, int y, sf::Color colour) {
    PutPixel(frame, x - 1, y, colour);
    PutPixel(frame, x + 1, y, colour);
    PutPixel(frame, x, y - 1, colour);
    PutPixel(frame, x, y + 1, colour);
    PutPixel(frame, x, y, Pal(PAL_WHITE));
}

// The blade's trail: a crescent behind the blade, the way it came down.
void DrawSlash(PixelCanvas& frame, const BattlerPose& pose, const EffectPlace& place) {
    const float dx = place.focus.x - place.armRoot.x, dy = place.focus.y - place.armRoot.y;
    const int sweep = 50 + 30 * pose.power;
    // The arc stays on its frame: the game shows nothing past the frame's edge.
    const float room =
        std::min(static_cast<float>(frame.width - 2) - place.armRoot.x, place.armRoot.y - 1.0f);
    const float radius = std::min(std::sqrt(dx * dx + dy * dy), room);
    for (int step = 0; step <= sweep; step += 3) {
        const int degrees = pose.weapon + step;
        const float thickness =
            1.0f + static_cast<float>(pose.power) * (1.0f - static_cast<float>(step) / sweep);
        for (float inner = 0.0f; inner < thickness; inner += 1.0f) {
            const PixelPoint at = Snap(Along(place.armRoot, degrees, radius - inner));
            PutPixel(frame, at.x, at.y, Pal(inner < 1.0f ? PAL_WHITE : PAL_SKY_LIGHT));
        }
    }
}

void DrawGlowHalo(PixelCanvas& frame, const BattlerLook& look, const BattlerPose& pose,
                  const EffectPlace& place, float unit) {
    const PixelPoint at = Snap(place.focus);
    const int radius = Steps((2.0f + 1.5f * static_cast<float>(pose.power)) * unit);
    FillCircle(frame, at.x, at.y, radius, Pal(look.magic.light, 70));
    FillCircle(frame, at.x, at.y, radius * 2 / 3, Pal(look.magic.light, 130));
}

void DrawGlowCore(PixelCanvas& frame, const BattlerLook& look, const BattlerPose& pose,
                  const EffectPlace& place, float unit) {
    const PixelPoint at = Snap(place.focus);
    const int core = Steps(static_cast<float>(pose.power) * 0.5f * unit);
    FillCircle(frame, at.x, at.y, core, Pal(look.magic.mid));
    FillCircle(frame, at.x, at.y, std::max(0, core - 1), Pal(PAL_WHITE));
    const float distance = (3.0f + 1.5f * static_cast<float>(pose.power)) * unit;
    for (int mote = 0; mote < 4; ++mote) {
        const PixelPoint spark = Snap(Along(place.focus, 45 + mote * 90 + pose.power * 25, distance));
        Sparkle(frame, spark.x, spark.y, Pal(look.magic.light));
    }
}

// The spell let go: a flash at the tip that swells into a ring of rays.
void DrawBurst(PixelCanvas& frame, const BattlerLook& look, const BattlerPose& pose, const EffectPlace& place,
               float unit) {
    const PixelPoint at = Snap(place.focus);
    const int radius = Steps((0.5f + static_cast<float>(pose.power) * 0.7f) * unit);
    FillCircle(frame, at.x, at.y, radius + 1, Pal(look.magic.light, 140));
    FillCircle(frame, at.x, at.y, radius, Pal(look.magic.mid));
    FillCircle(frame, at.x, at.y, std::max(0, radius - 1), Pal(PAL_WHITE));
    const float inner = static_cast<float>(radius) + 1.5f * unit, outer = inner + 1.5f * unit;
    for (int degrees = 0; degrees < 360; degrees += 45) {
        const RigPoint from = Along(place.focus, degrees, inner), to = Along(place.focus, degrees, outer);
        StampLine(frame, from, to, 1, Pal(degrees % 90 == 0 ? PAL_WHITE : look.magic.light));
    }
}

// Small yellow bolts crackling round a paralysed body; the two frames swap their places.
void DrawSparks(PixelCanvas& frame, const BattlerPose& pose, const EffectPlace& place, float unit) {
    const int width = std::max(1, place.right - place.left), height = std::max(1, place.bottom - place.top);
    const int size = Steps(2.0f * unit);
    for (int bolt = 0; bolt < 3; ++bolt) {
        const int slot = bolt * 2 + (pose.power % 2);
        const int x = place.left + (width * (1 + slot * 3 % 7)) / 8;
        const int y = place.top + (height * (1 + slot * 5 % 6)) / 7;
        const PixelPoint points[4] = {
            {x, y}, {x + size, y + size}, {x, y + size * 2}, {x + size, y + size * 3}};
        for (int segment = 0; segment < 3; ++segment) {
            DrawLine(frame, points[segment].x, points[segment].y, points[segment + 1].x,
                     points[segment + 1].y, Pal(PAL_GOLD_LIGHT));
        }
        PutPixel(frame, points[1].x, points[1].y, Pal(PAL_WHITE));
        PutPixel(frame, points[2].x, points[2].y, Pal(PAL_WHITE));
    }
}

void DrawHealAura(PixelCanvas& frame, const BattlerPose& pose, const EffectPlace& place) {
    const int cx = (place.left + place.right) / 2, cy = (place.top + place.bottom) / 2;
    const int rx = (place.right - place.left) / 2 + 2 * pose.power,
              ry = (place.bottom - place.top) / 2 + pose.power;
    FillEllipse(frame, cx, cy, rx, ry, Pal(PAL_GRASS_PALE, static_cast<std::uint8_t>(25 + 15 * pose.power)));
}

// Motes of green and white light drift up round the body as the wounds close.
void DrawHealMotes(PixelCanvas& frame, const BattlerPose& pose, const EffectPlace& place, float unit) {
    const int width = std::max(1, place.right - place.left), height = std::max(1, place.bottom - place.top);
    const int rise = pose.power * Steps(4.0f * unit);
    for (int mote = 0; mote < 8; ++mote) {
        const int x = place.left - Steps(2.0f * unit) + (mote * 37) % (width + Steps(4.0f * unit));
        const int y = place.bottom - ((mote * 23 + rise) % height);
        Sparkle(frame, x, y, Pal(mote % 2 == 0 ? PAL_GRASS_PALE : PAL_GRASS_LIGHT));
    }
}

// The ground slam's wave: two crests running out along the ground from the blow, throwing up stones.
void DrawWave(PixelCanvas& frame, const BattlerPose& pose, const EffectPlace& place, float unit) {
    const int x = Snap(place.strike).x, ground = place.ground;
    const int reach = pose.power * Steps(7.0f * unit),
              height = Steps(static_cast<float>(6 - pose.power) * unit);
    if (height <= 0) return;
    for (int side : {-1, 1}) {
        const int crest = x + side * reach;
        FillEllipse(frame, crest, ground, Steps(3.0f * unit), height, Pal(PAL_PARCH_LIGHT, 150));
        FillEllipse(frame, crest, ground, Steps(1.5f * unit), std::max(1, height - Steps(unit)),
                    Pal(PAL_WHITE));
        for (int stone = 0; stone < 3; ++stone) {
            const int sx = crest - side * stone * Steps(2.0f * unit);
            const int sy = ground - height - Steps(static_cast<float>(stone + 1) * unit);
            FillRect(frame, sx, sy, Steps(unit), Steps(unit), Pal(stone == 1 ? PAL_STONE_MID : PAL_WOOD_MID));
        }
    }
    FillEllipse(frame, x, ground, Steps(static_cast<float>(pose.power) * 2.0f * unit), Steps(unit),
                Pal(PAL_GOLD_LIGHT, 180));
}

// A charge: puffs of dust left behind the heels and lines streaming off the back.
void DrawDust(PixelCanvas& frame, const BattlerPose& pose, const EffectPlace& place, float unit) {
    const int height = std::max(1, place.bottom - place.top);
    for (int puff = 0; puff < 3; ++puff) {
        const int x = place.left - Steps(static_cast<float>(puff * 4 + 2) * unit);
        const int radius = Steps(static_cast<float>(3 - puff) * unit);
        FillCircle(frame, x, place.ground - radius, radius, Pal(PAL_PARCH_MID, 170));
    }
    for (int line = 0; line < 4; ++line) {
        const int y = place.top + height * (line * 2 + 1) / 9;
        const int length = Steps(static_cast<float>(6 + (line * 5 + pose.power * 3) % 7) * unit);
        const int x = place.left - Steps(2.0f * unit);
        FillRect(frame, x - length, y, length, Steps(0.5f * unit), Pal(PAL_WHITE, 170));
    }
}

}  // namespace

void DrawEffectBehind(PixelCanvas& frame, const BattlerLook& look, const BattlerPose& pose,
                      const EffectPlace& place, float unit) {
    if (pose.power <= 0) return;
    if (pose.effect == EFFECT_GLOW) DrawGlowHalo(frame, look, pose, place, unit);
    if (pose.effect == EFFECT_HEAL) DrawHealAura(frame, pose, place);
    if (pose.effect == EFFECT_DUST) DrawDust(frame, pose, place, unit);
}

void DrawEffectInFront(PixelCanvas& frame, const BattlerLook& look, const BattlerPose& pose,
                       const EffectPlace& place, float unit) {
    if (pose.power <= 0) return;
    switch (pose.effect) {
        case EFFECT_SLASH:
            DrawSlash(frame, pose, place);
            break;
        case EFFECT_GLOW:
            DrawGlowCore(frame, look, pose, place, unit);
            break;
        case EFFECT_BURST:
            DrawBurst(frame, look, pose, place, unit);
            break;
        case EFFECT_SPARKS:
            DrawSparks(frame, pose, place, unit);
            break;
        case EFFECT_HEAL:
            DrawHealMotes(frame, pose, place, unit);
            break;
        case EFFECT_WAVE:
            DrawWave(frame, pose, place, unit);
            break;
        case EFFECT_NONE:
        case EFFECT_DUST:
            break;
    }
}
