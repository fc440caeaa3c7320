// The battle's effect sheets: frames side by side, played once over the target at 8 frames a second (the
// targeting reticle at 16). The game draws them at scale 2 with the frame's bottom middle on the target's
// feet, so everything rises from the bottom edge; the body's middle sits about 28 art pixels above it.
// Light is drawn as light: no dark outline, palette colours whose alpha falls as an effect dies away.

#include "AssetGroups.h"
#include "AssetRegistry.h"
#include "BattleEffectKit.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

const float EFFECT_PI = 3.14159265f;

// One crescent stroke of the blade: an arc of an ellipse turned by `turn`, thickest in its middle.
struct SlashArc {
    float centreX, centreY, radiusX, radiusY, turn;
    float from, to;  // angles along the ellipse
};

void DrawSlashArc(PixelCanvas& frame, const SlashArc& arc, float reach, float thickness, std::uint8_t alpha) {
    const float cosTurn = std::cos(arc.turn), sinTurn = std::sin(arc.turn);
    // Three passes, darkest first, so the white edge of the blade runs unbroken down the middle.
    const PaletteIndex shades[] = {PAL_GOLD_MID, PAL_GOLD_LIGHT, PAL_WHITE};
    const float scales[] = {0.8f, 1.0f, 0.5f}, shifts[] = {0.7f, 0.0f, -0.3f};
    for (int pass = 0; pass < 3; ++pass) {
        for (float t = 0.0f; t <= reach; t += 0.01f) {
            const float angle = arc.from + (arc.to - arc.from) * t;
            const float ex = arc.radiusX * std::cos(angle), ey = arc.radiusY * std::sin(angle);
            const float x = arc.centreX + ex * cosTurn - ey * sinTurn,
                        y = arc.centreY + ex * sinTurn + ey * cosTurn;
            // Thickest mid-stroke, and a growing stroke stays sharp at its leading tip.
            const float width =
                thickness * std::sin(EFFECT_PI * t) * std::min(1.0f, (reach - t) * 4.0f + 0.3f);
            GlowDot(frame, x + shifts[pass] * 0.7f, y + shifts[pass], width * scales[pass],
                    Pal(shades[pass], alpha));
        }
    }
}

// Two strokes: the first sweeps down across the body, the second crosses it back; then both thin out
// while sparks fly from the cut.
PixelCanvas SlashFrame(int index) {
    PixelCanvas frame = MakeCanvas(32, 64);
    const SlashArc down{16, 36, 15, 7, -0.6f, 3.6f, 6.0f};
    const SlashArc back{16, 36, 14, 6, 0.55f, 3.5f, 5.9f};
    const float reach[] = {0.3f, 0.7f, 1.0f, 1.0f, 1.0f, 1.0f};
    const float thickness[] = {1.5f, 2.5f, 3.0f, 2.5f, 1.8f, 1.0f};
    const std::uint8_t alpha[] = {255, 255, 255, 255, 220, 120};
    DrawSlashArc(frame, down, reach[index], thickness[index], alpha[index]);
    if (index >= 3)
        DrawSlashArc(frame, back, index == 3 ? 0.6f : 1.0f, thickness[index] - 0.5f, alpha[index]);
    if (index >= 2) {
        Rng rng = MakeRng(0x51A5u);
        for (int spark = 0; spark < 8; ++spark) {
            const float angle = RandomUnit(rng) * 2.0f * EFFECT_PI, speed = 2.0f + RandomUnit(rng) * 3.0f;
            const float travel = speed * static_cast<float>(index - 1);
            PutGlow(frame, 16 + std::cos(angle) * travel, 36 + std::sin(angle) * travel * 0.8f,
                    Pal(spark % 2 == 0 ? PAL_WHITE : PAL_GOLD_LIGHT, alpha[index]));
        }
    }
    return frame;
}

// The orb falls from above the target, bursts on it and leaves motes drifting up.
void DrawMagicOrb(PixelCanvas& frame, float y, float radius) {
    for (int trail = 1; trail <= 4; ++trail) {
        GlowDot(frame, 16, y - trail * radius * 0.9f, radius * (1.0f - trail * 0.2f),
                Pal(PAL_SKY_MID, 180 - trail * 35));
    }
    WovenDisc(frame, 16, y, radius + 2.5f, PAL_CLOTH_MID, PAL_SKY_MID, 170);
    GlowDot(frame, 16, y, radius, Pal(PAL_SKY_MID));
    GlowDot(frame, 15.5f, y - 0.5f, radius * 0.65f, Pal(PAL_SKY_LIGHT));
    GlowDot(frame, 15, y - 1, radius * 0.3f, Pal(PAL_WHITE));
}

void DrawMagicBurst(PixelCanvas& frame, int step) {
    const float radius = 6.0f + step * 3.0f;
    const std::uint8_t alpha = static_cast<std::uint8_t>(255 - step * 40);
    GlowRing(frame, 16, 40, radius, radius * 0.8f, 1.5f, Pal(PAL_SKY_LIGHT, alpha));
    GlowRing(frame, 16, 40, radius - 2, (radius - 2) * 0.8f, 1.0f, Pal(PAL_CLOTH_MID, alpha));
    for (int shard = 0; shard < 8; ++shard) {
        const float angle = shard * EFFECT_PI / 4 + 0.3f;
        const float inner = radius + 1, outer = radius + 3 + step;
        GlowLine(frame, 16 + std::cos(angle) * inner, 40 + std::sin(angle) * inner * 0.8f,
                 16 + std::cos(angle) * outer, 40 + std::sin(angle) * outer * 0.8f,
                 Pal(shard % 2 == 0 ? PAL_WHITE : PAL_SKY_LIGHT, alpha));
    }
}

PixelCanvas MagicFrame(int index) {
    PixelCanvas frame = MakeCanvas(32, 64);
    if (index < 7) {
        const float fall = static_cast<float>(index) / 6.0f;
        DrawMagicOrb(frame, 8 + 32 * fall * fall, 4.0f + fall * 1.5f);
    } else if (index == 7) {
        WovenDisc(frame, 16, 40, 12, PAL_CLOTH_MID, PAL_SKY_MID, 220);
        GlowDot(frame, 16, 40, 9, Pal(PAL_SKY_LIGHT));
        GlowDot(frame, 16, 40, 6, Pal(PAL_WHITE));
    } else if (index < 12) {
        DrawMagicBurst(frame, index - 8);
        GlowDot(frame, 16, 40, 6 - (index - 8) * 1.5f, Pal(PAL_SKY_LIGHT, 200));
    } else {
        Rng rng = MakeRng(0x3A61u);
        const int age = index - 11;
        for (int mote = 0; mote < 10; ++mote) {
            const float x = 4 + RandomUnit(rng) * 24, y = 30 + RandomUnit(rng) * 20 - age * 4.0f;
            PutGlow(frame, x, y, Pal(mote % 3 == 0 ? PAL_CLOTH_LIGHT : PAL_SKY_LIGHT, 230 - age * 55));
        }
    }
    return frame;
}

// A bolt wrapping round the body for a stretch at one height, its kinks jumping up and down; a short fork
// drops from its middle kink.
void DrawZigzag(PixelCanvas& frame, Rng& rng, float start, float sweep, float height, std::uint8_t alpha) {
    std::vector<PixelPoint> path;
    for (int step = 0; step <= 5; ++step) {
        const float angle = start + sweep * static_cast<float>(step) / 5.0f;
        const float kink = (step % 2 == 0 ? -2.0f : 2.0f) + static_cast<float>(RandomRange(rng, -1, 1));
        path.push_back({static_cast<int>(std::lround(16 + std::cos(angle) * 12)),
                        static_cast<int>(std::lround(height + std::sin(angle) * 4 + kink))});
    }
    DrawLightningBolt(frame, path, alpha);
    const PixelPoint fork = path[3];
    DrawLightningBolt(frame, {fork, {fork.x + 2, fork.y + 3}, {fork.x, fork.y + 6}}, alpha);
}

// Bolts crackle around the body at several heights; a fresh pattern every frame, fewer and fainter at the
// end.
PixelCanvas ParalysisFrame(int index) {
    PixelCanvas frame = MakeCanvas(32, 64);
    Rng rng = MakeRng(0xE1EC7u + static_cast<std::uint32_t>(index) * 7919u);
    const int bolts = index < 7 ? 3 : 9 - index;
    const std::uint8_t alpha = index < 7 ? 255 : static_cast<std::uint8_t>(255 - (index - 6) * 55);
    for (int bolt = 0; bolt < bolts; ++bolt) {
        const float start = RandomUnit(rng) * 2.0f * EFFECT_PI, sweep = 1.8f + RandomUnit(rng) * 1.2f;
        DrawZigzag(frame, rng, start, sweep,
                   20.0f + bolt * 12.0f + static_cast<float>(RandomRange(rng, -3, 3)), alpha);
    }
    for (int spark = 0; spark < 6; ++spark)
        PutGlow(frame, 4 + RandomUnit(rng) * 24, 14 + RandomUnit(rng) * 44, Pal(PAL_GOLD_LIGHT, alpha));
    return frame;
}

}  // namespace

void GenerateBattleEffects(AssetWriter& writer) {
    const std::string folder = "Sprites/Battle/Fx/";
    WriteEffectSheet(writer, folder + "Slash_1-Sheet.png", 64, 6, SlashFrame);
    WriteEffectSheet(writer, folder + "Heal-Sheet.png", 32, 11, HealFrame);
    WriteEffectSheet(writer, folder + "Mana-Sheet.png", 32, 11, ManaFrame);
    WriteEffectSheet(writer, folder + "Magic-Sheet.png", 64, 15, MagicFrame);
    WriteEffectSheet(writer, folder + "Revive-Sheet.png", 64, 13, ReviveFrame);
    WriteEffectSheet(writer, folder + "Target-Sheet.png", 64, 21, TargetFrame);
    WriteEffectSheet(writer, folder + "Paralysis-Sheet.png", 64, 10, ParalysisFrame);
}
