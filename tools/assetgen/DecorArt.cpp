// Small decor of the maps: the ground fire of the forest, bubbles where fish bite, the invisible picture
// the game gives every plain point, and the clouds that drift over the village and the bridge.

#include "AssetGroups.h"
#include "AssetRegistry.h"
#include "PixelCanvas.h"
#include "Rng.h"

#include <cmath>
#include <string>

namespace {

const int DECOR_FRAME = 32;  // art pixels; doubled to the 64-pixel frames the game cuts

// Tongues of flame over crossed logs; the base sits where the game pins the fire (2H/3.5 + 10).
PixelCanvas FireFrame(int frame) {
    PixelCanvas canvas = MakeCanvas(DECOR_FRAME, DECOR_FRAME);
    const int base =
        static_cast<int>(2.0f * DECOR_FRAME * 2 / 3.5f + 10.0f) / 2;  // art row of the pinned point
    FillEllipse(canvas, 16, base + 1, 12, 3, Pal(PAL_GOLD_LIGHT, 50));
    PixelCanvas logs = MakeCanvas(DECOR_FRAME, DECOR_FRAME);
    DrawLine(logs, 7, base + 2, 24, base - 1, Pal(PAL_WOOD_MID));
    DrawLine(logs, 7, base + 1, 24, base - 2, Pal(PAL_WOOD_MID));
    DrawLine(logs, 8, base - 2, 25, base + 2, Pal(PAL_WOOD_DARK));
    DrawLine(logs, 8, base - 1, 25, base + 3, Pal(PAL_WOOD_DARK));
    OutlineOpaque(logs, Pal(PAL_OUTLINE));
    Blit(canvas, logs, 0, 0);
    const int heights[3][5] = {{9, 15, 19, 13, 8}, {11, 18, 15, 17, 7}, {8, 14, 21, 12, 10}};
    PixelCanvas flames = MakeCanvas(DECOR_FRAME, DECOR_FRAME);
    for (int tongue = 0; tongue < 5; ++tongue) {
        const int x = 9 + tongue * 3 + (tongue > 2 ? 1 : 0), height = heights[frame][tongue];
        const int lean = (frame + tongue) % 3 - 1;
        FillPolygon(flames, {{x - 3, base}, {x + lean, base - height}, {x + 3, base}}, Pal(PAL_CLOTH_MID));
        FillPolygon(flames, {{x - 2, base}, {x + lean, base - height * 2 / 3}, {x + 2, base}},
                    Pal(PAL_CLOTH_LIGHT));
        FillPolygon(flames, {{x - 1, base}, {x, base - height / 3}, {x + 1, base}}, Pal(PAL_GOLD_LIGHT));
    }
    FillRect(flames, 13, base - 3, 6, 2, Pal(PAL_WHITE));
    OutlineOpaque(flames, Pal(PAL_CLOTH_DARK));
    Blit(canvas, flames, 0, 0);
    const int sparks[3][2] = {{12, 3}, {20, 5}, {15, 1}};
    PutPixel(canvas, sparks[frame][0], sparks[frame][1], Pal(PAL_GOLD_LIGHT));
    return canvas;
}

// Bubbles rise and pop over a widening ring; seven frames, the game loops the first six.
PixelCanvas BubbleFrame(int frame) {
    PixelCanvas canvas = MakeCanvas(DECOR_FRAME, DECOR_FRAME);
    const int ring = 3 + frame * 2;
    for (int angle = 0; angle < 48; ++angle) {
        const float a = 6.2831853f * static_cast<float>(angle) / 48.0f;
        const int x = 16 + static_cast<int>(std::lround(std::cos(a) * ring));
        const int y = 20 + static_cast<int>(std::lround(std::sin(a) * ring * 0.4f));
        PutPixel(canvas, x, y, Pal(PAL_WATER_FOAM, static_cast<std::uint8_t>(200 - frame * 25)));
    }
    const int starts[3][3] = {{14, 0, 2}, {19, 2, 1}, {11, 4, 1}};  // x, first frame, radius
    for (const auto& bubble : starts) {
        const int age = (frame - bubble[1] + 7) % 7;
        if (age > 3) continue;
        const int y = 18 - age * 3, radius = bubble[2];
        FillCircle(canvas, bubble[0], y, radius, Pal(PAL_WATER_LIGHT, 220));
        PutPixel(canvas, bubble[0] - radius / 2, y - radius / 2, Pal(PAL_WHITE));
        if (age == 3) FillCircle(canvas, bubble[0], y, radius, Pal(PAL_WHITE, 140));  // the pop
    }
    return canvas;
}

PixelCanvas Strip(PixelCanvas (*frameOf)(int), int frames) {
    PixelCanvas strip = MakeCanvas(DECOR_FRAME * frames, DECOR_FRAME);
    for (int frame = 0; frame < frames; ++frame)
        Blit(strip, frameOf(frame), frame * DECOR_FRAME, 0);
    return strip;
}

// A cloud from overlapping puffs; its density sets three soft levels of white, dithered into each other,
// with a faint blue belly. Nothing is outlined: clouds float above everything.
PixelCanvas Cloud(int width, std::uint32_t seed) {
    const int height = width / 2;
    PixelCanvas canvas = MakeCanvas(width, height);
    Rng rng = MakeRng(seed);
    struct Puff {
        float x, y, radius;
    };
    std::vector<Puff> puffs;
    const int count = 4 + width / 40;
    for (int index = 0; index < count; ++index) {
        const float t = (static_cast<float>(index) + 0.5f) / static_cast<float>(count);
        const float radius = static_cast<float>(height) * (0.28f + 0.2f * std::sin(t * 3.14159f)) +
                             RandomRange(rng, 0, height / 10);
        puffs.push_back({static_cast<float>(width) * (0.12f + 0.76f * t),
                         height * 0.62f - radius * 0.35f + RandomRange(rng, -3, 3), radius});
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            float density = 0.0f;
            for (const Puff& puff : puffs) {
                const float dx = (x - puff.x) / puff.radius, dy = (y - puff.y) / (puff.radius * 0.8f);
                density = std::max(density, 1.0f - std::sqrt(dx * dx + dy * dy));
            }
            if (y > height * 0.72f) density -= (y - height * 0.72f) / (height * 0.1f);  // a flatter base
            if (density <= 0.0f) continue;
            const int level = std::min(16, static_cast<int>(density * 40.0f));
            const bool belly = y > height * 0.6f && DitherOn(x, y, 8);
            const std::uint8_t alpha = level >= 12                 ? (DitherOn(x, y, level - 8) ? 150 : 120)
                                       : DitherOn(x, y, level + 2) ? 95
                                                                   : 55;
            PutPixel(canvas, x, y, Pal(belly ? PAL_SKY_LIGHT : PAL_WHITE, alpha));
        }
    }
    return canvas;
}

}  // namespace

void GenerateMapDecor(AssetWriter& writer) {
    WritePixelArt(writer, "Sprites/MapAnimations/Flamme sol-Sheet.png", Strip(FireFrame, 3), 2);
    WritePixelArt(writer, "Sprites/Fishing/Bulles_Spritesheet.png", Strip(BubbleFrame, 7), 2);
    WritePicture(writer, "Sprites/Setting/Collision.png", MakeCanvas(128, 128));
    const int widths[] = {100, 150, 120, 200, 110, 170, 136, 210};  // 200 to 420 pixels once doubled
    for (int index = 0; index < 8; ++index) {
        WritePixelArt(writer, "Sprites/MapAnimations/Nuages" + std::to_string(index + 1) + ".png",
                      Cloud(widths[index], static_cast<std::uint32_t>(index) * 17u + 5u), 2);
    }
}
