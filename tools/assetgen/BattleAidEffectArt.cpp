// The effects a fighter casts on a friend, or to learn about a foe: healing crosses, mana motes, the
// pillar of revival and the targeting reticle. Frames are 32 art pixels wide, feet on the bottom row.

#include "BattleEffectKit.h"

#include <algorithm>
#include <cmath>

namespace {

const float AID_PI = 3.14159265f;

std::uint8_t FadeAfter(int index, int lastFull, int step) {
    return static_cast<std::uint8_t>(std::clamp(255 - std::max(0, index - lastFull) * step, 0, 255));
}

void DrawCross(PixelCanvas& frame, float x, float y, int arm, std::uint8_t alpha) {
    for (int step = 1; step <= arm; ++step) {
        const sf::Color colour = Pal(step == arm ? PAL_GRASS_LIGHT : PAL_GRASS_PALE, alpha);
        PutGlow(frame, x - step, y, colour);
        PutGlow(frame, x + step, y, colour);
        PutGlow(frame, x, y - step, colour);
        PutGlow(frame, x, y + step, colour);
    }
    PutGlow(frame, x, y, Pal(PAL_WHITE, alpha));
}

// A soft ring of light on the ground around the feet.
void DrawFootGlow(PixelCanvas& frame, float radius, PaletteIndex colour, std::uint8_t alpha) {
    GlowRing(frame, 16, static_cast<float>(frame.height) - 3, radius, std::max(1.0f, radius / 4), 1.0f,
             Pal(colour, alpha));
}

}  // namespace

// Crosses rise from the feet one after another among green and white twinkles.
PixelCanvas HealFrame(int index) {
    struct RisingCross {
        float x;
        int spawn;
        int arm;
    };
    const RisingCross crosses[] = {{16, 0, 2}, {8, 1, 1}, {24, 2, 2}, {12, 3, 1},
                                   {21, 4, 1}, {6, 5, 2}, {26, 6, 1}};
    PixelCanvas frame = MakeCanvas(EFFECT_FRAME_WIDTH, 32);
    if (index < 8)
        DrawFootGlow(frame, 4.0f + std::min(index, 4) * 2.0f, PAL_GRASS_LIGHT, FadeAfter(index, 4, 60));
    for (const RisingCross& cross : crosses) {
        const int age = index - cross.spawn;
        const std::uint8_t alpha = FadeAfter(age, 3, 55);
        if (age < 0 || alpha == 0) continue;
        DrawCross(frame, cross.x, 27.0f - static_cast<float>(age) * 3.0f, cross.arm, alpha);
    }
    Rng rng = MakeRng(0x4EA1u + static_cast<std::uint32_t>(index) * 131u);
    const std::uint8_t twinkle = FadeAfter(index, 7, 50);
    for (int spark = 0; spark < 4; ++spark) {
        DrawTwinkle(frame, 3 + RandomUnit(rng) * 26, 6 + RandomUnit(rng) * 22, spark % 2,
                    Pal(PAL_WHITE, twinkle), Pal(PAL_GRASS_PALE, twinkle));
    }
    return frame;
}

// Five motes wind up around the body; those passing in front are bright, those behind dim, each leaving
// a short trail.
PixelCanvas ManaFrame(int index) {
    PixelCanvas frame = MakeCanvas(EFFECT_FRAME_WIDTH, 32);
    if (index < 4) DrawFootGlow(frame, 5.0f + index * 2.0f, PAL_WATER_LIGHT, FadeAfter(index, 1, 70));
    const std::uint8_t alpha = FadeAfter(index, 7, 55);
    for (int mote = 0; mote < 5; ++mote) {
        for (int trail = 2; trail >= 0; --trail) {
            const float time = static_cast<float>(index) - trail * 0.5f;
            if (time < 0.0f) continue;
            const float angle = mote * 2.0f * AID_PI / 5 + time * 0.75f;
            const float radius = 10.0f - time * 0.6f, rise = time * 2.2f + mote * 0.8f;
            const float x = 16 + std::cos(angle) * radius, y = 28 - rise;
            const bool front = std::sin(angle) > 0.0f;
            const auto faded = static_cast<std::uint8_t>(alpha * (3 - trail) / 3);
            if (trail > 0) {
                PutGlow(frame, x, y, Pal(front ? PAL_WATER_LIGHT : PAL_WATER_MID, faded));
            } else if (front) {
                GlowDot(frame, x, y, 1.0f, Pal(PAL_WATER_FOAM, alpha));
                PutGlow(frame, x, y, Pal(PAL_WHITE, alpha));
            } else {
                GlowDot(frame, x, y, 0.6f, Pal(PAL_WATER_MID, alpha));
                PutGlow(frame, x, y, Pal(PAL_WATER_LIGHT, alpha));
            }
        }
    }
    return frame;
}

namespace {

// A vertical shaft of light: gold at the edges, white in the core, brighter bands sliding down it.
void DrawPillar(PixelCanvas& frame, float halfWidth, int bottom, int index, std::uint8_t alpha) {
    for (int y = 0; y < bottom; ++y) {
        for (int dx = -static_cast<int>(halfWidth); dx <= static_cast<int>(halfWidth); ++dx) {
            const float edge = std::abs(static_cast<float>(dx)) / std::max(1.0f, halfWidth);
            sf::Color colour = Pal(PAL_WHITE, alpha);
            if (edge > 0.66f) {
                colour = Pal(PAL_GOLD_MID, static_cast<std::uint8_t>(alpha * 5 / 9));
            } else if (edge > 0.3f) {
                colour = Pal((y + index * 5) % 9 == 0 ? PAL_PARCH_LIGHT : PAL_GOLD_LIGHT,
                             static_cast<std::uint8_t>(alpha * 6 / 7));
            }
            PutPixel(frame, 16 + dx, y, colour);
        }
    }
}

}  // namespace

// The light comes down as a thin beam, widens into a pillar over the fallen friend, then narrows away.
PixelCanvas ReviveFrame(int index) {
    PixelCanvas frame = MakeCanvas(EFFECT_FRAME_WIDTH, 64);
    const float widths[] = {0.5f, 1, 1, 1.5f, 3, 4, 5, 6, 7, 6, 4, 2, 1};
    const std::uint8_t alpha = FadeAfter(index, 8, 45);
    const int bottom = index < 4 ? 16 * (index + 1) : 64;
    if (index >= 3) DrawFootGlow(frame, widths[index] + 5, PAL_GOLD_LIGHT, alpha);
    DrawPillar(frame, widths[index], bottom, index, alpha);
    if (index >= 4) {
        for (int spark = 0; spark < 5; ++spark) {
            const float y = 60.0f - static_cast<float>(((index - 4) * 7 + spark * 13) % 56);
            DrawTwinkle(frame, 16 + ((spark * 5) % 11 - 5) * widths[index] / 3.0f, y, 1,
                        Pal(PAL_WHITE, alpha), Pal(PAL_PARCH_LIGHT, alpha));
        }
    }
    return frame;
}

namespace {

const float TARGET_CENTRE_X = 16;
const float TARGET_CENTRE_Y = 34;

// Four corner brackets around the centre; `weight` pixels thick.
void DrawBrackets(PixelCanvas& frame, float halfWidth, float halfHeight, int weight, sf::Color colour) {
    const int arm = 4;
    for (int corner = 0; corner < 4; ++corner) {
        const float sideX = corner % 2 == 0 ? -1.0f : 1.0f, sideY = corner < 2 ? -1.0f : 1.0f;
        const float x = TARGET_CENTRE_X + sideX * halfWidth, y = TARGET_CENTRE_Y + sideY * halfHeight;
        for (int thick = 0; thick < weight; ++thick) {
            for (int step = 0; step < arm; ++step) {
                PutGlow(frame, x - sideX * step, y - sideY * thick, colour);
                PutGlow(frame, x - sideX * thick, y - sideY * step, colour);
            }
        }
    }
}

void DrawCrosshair(PixelCanvas& frame, sf::Color colour) {
    GlowRing(frame, TARGET_CENTRE_X, TARGET_CENTRE_Y, 3, 3, 1, colour);
    for (int step = 5; step <= 6; ++step) {
        PutGlow(frame, TARGET_CENTRE_X - step, TARGET_CENTRE_Y, colour);
        PutGlow(frame, TARGET_CENTRE_X + step, TARGET_CENTRE_Y, colour);
        PutGlow(frame, TARGET_CENTRE_X, TARGET_CENTRE_Y - step, colour);
        PutGlow(frame, TARGET_CENTRE_X, TARGET_CENTRE_Y + step, colour);
    }
}

}  // namespace

// The reticle closes in and locks with a flash, a scan line sweeps the body while readout ticks fill in
// beside it, then the reticle opens and fades.
PixelCanvas TargetFrame(int index) {
    PixelCanvas frame = MakeCanvas(EFFECT_FRAME_WIDTH, 64);
    const float lockWidth = 9, lockHeight = 17;
    if (index < 7) {
        const std::uint8_t alpha = static_cast<std::uint8_t>(150 + index * 15);
        DrawBrackets(frame, 15 - index, 29 - index * 2, 1, Pal(PAL_WATER_FOAM, alpha));
        return frame;
    }
    if (index < 9) {
        DrawBrackets(frame, lockWidth, lockHeight, index == 7 ? 2 : 1, Pal(PAL_WHITE));
        DrawCrosshair(frame, Pal(index == 7 ? PAL_WHITE : PAL_WATER_FOAM));
        return frame;
    }
    if (index < 18) {
        const int sweep = index - 9;
        DrawBrackets(frame, lockWidth, lockHeight, 1, Pal(PAL_WATER_FOAM));
        if (sweep % 2 == 0) DrawCrosshair(frame, Pal(PAL_WATER_LIGHT, 200));
        const float y = TARGET_CENTRE_Y - lockHeight + 2 + sweep * (2 * lockHeight - 4) / 8;
        GlowLine(frame, TARGET_CENTRE_X - lockWidth + 1, y - 1, TARGET_CENTRE_X + lockWidth - 1, y - 1,
                 Pal(PAL_WATER_LIGHT, 90));
        GlowLine(frame, TARGET_CENTRE_X - lockWidth + 1, y, TARGET_CENTRE_X + lockWidth - 1, y,
                 Pal(PAL_WATER_FOAM));
        for (int tick = 0; tick <= sweep; ++tick) {
            GlowLine(frame, TARGET_CENTRE_X + lockWidth + 2, TARGET_CENTRE_Y - lockHeight + 2 + tick * 3,
                     TARGET_CENTRE_X + lockWidth + 2 + (tick * 5) % 3 + 1,
                     TARGET_CENTRE_Y - lockHeight + 2 + tick * 3, Pal(PAL_WATER_LIGHT));
        }
        return frame;
    }
    const int opening = index - 17;
    DrawBrackets(frame, lockWidth + opening * 2, lockHeight + opening * 3, 1,
                 Pal(PAL_WATER_FOAM, static_cast<std::uint8_t>(230 - opening * 65)));
    return frame;
}
