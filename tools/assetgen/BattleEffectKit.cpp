#include "BattleEffectKit.h"

#include <algorithm>
#include <cmath>

void PutGlow(PixelCanvas& frame, float x, float y, sf::Color colour) {
    PutPixel(frame, static_cast<int>(std::floor(x + 0.5f)), static_cast<int>(std::floor(y + 0.5f)), colour);
}

void GlowDot(PixelCanvas& frame, float x, float y, float radius, sf::Color colour) {
    if (radius < 0.0f) return;
    const int reach = static_cast<int>(std::ceil(radius)) + 1;
    const int centreX = static_cast<int>(std::floor(x + 0.5f)),
              centreY = static_cast<int>(std::floor(y + 0.5f));
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            const float px = static_cast<float>(centreX + dx) - x, py = static_cast<float>(centreY + dy) - y;
            if (px * px + py * py <= (radius + 0.5f) * (radius + 0.5f) || (dx == 0 && dy == 0))
                PutPixel(frame, centreX + dx, centreY + dy, colour);
        }
    }
}

void WovenDisc(PixelCanvas& frame, float x, float y, float radius, PaletteIndex first, PaletteIndex second,
               std::uint8_t alpha) {
    PixelCanvas disc = MakeCanvas(frame.width, frame.height);
    GlowDot(disc, x, y, radius, Pal(first, alpha));
    for (int row = 0; row < disc.height; ++row) {
        for (int column = 0; column < disc.width; ++column) {
            if (IsOpaque(disc, column, row) && (row + column) % 2 == 0)
                PutPixel(disc, column, row, Pal(second, alpha));
        }
    }
    Blit(frame, disc, 0, 0);
}

void GlowRing(PixelCanvas& frame, float x, float y, float radiusX, float radiusY, float thickness,
              sf::Color colour) {
    if (radiusX <= 0.0f || radiusY <= 0.0f) return;
    const int reachX = static_cast<int>(radiusX) + 1, reachY = static_cast<int>(radiusY) + 1;
    const float inner = std::max(0.0f, 1.0f - thickness / std::min(radiusX, radiusY));
    for (int dy = -reachY; dy <= reachY; ++dy) {
        for (int dx = -reachX; dx <= reachX; ++dx) {
            const float nx = static_cast<float>(dx) / (radiusX + 0.5f),
                        ny = static_cast<float>(dy) / (radiusY + 0.5f);
            const float distance = std::sqrt(nx * nx + ny * ny);
            if (distance <= 1.0f && distance >= inner) PutGlow(frame, x + dx, y + dy, colour);
        }
    }
}

void GlowLine(PixelCanvas& frame, float x0, float y0, float x1, float y1, sf::Color colour) {
    DrawLine(frame, static_cast<int>(std::lround(x0)), static_cast<int>(std::lround(y0)),
             static_cast<int>(std::lround(x1)), static_cast<int>(std::lround(y1)), colour);
}

void DrawLightningBolt(PixelCanvas& frame, const std::vector<PixelPoint>& path, std::uint8_t alpha) {
    const auto halo = static_cast<std::uint8_t>(alpha * 3 / 5);
    for (std::size_t i = 1; i < path.size(); ++i) {
        for (const PixelPoint& shift : {PixelPoint{1, 0}, PixelPoint{-1, 0}, PixelPoint{0, 1}}) {
            DrawLine(frame, path[i - 1].x + shift.x, path[i - 1].y + shift.y, path[i].x + shift.x,
                     path[i].y + shift.y, Pal(PAL_GOLD_MID, halo));
        }
    }
    for (std::size_t i = 1; i < path.size(); ++i)
        DrawLine(frame, path[i - 1].x, path[i - 1].y, path[i].x, path[i].y, Pal(PAL_GOLD_LIGHT, alpha));
    for (const PixelPoint& kink : path)
        PutPixel(frame, kink.x, kink.y, Pal(PAL_WHITE, alpha));
}

void DrawTwinkle(PixelCanvas& frame, float x, float y, int arm, sf::Color centre, sf::Color arms) {
    for (int step = 1; step <= arm; ++step) {
        PutGlow(frame, x - step, y, arms);
        PutGlow(frame, x + step, y, arms);
        PutGlow(frame, x, y - step, arms);
        PutGlow(frame, x, y + step, arms);
    }
    PutGlow(frame, x, y, centre);
}

void WriteEffectSheet(AssetWriter& writer, const std::string& path, int frameHeight, int frames,
                      EffectFramePainter paint) {
    PixelCanvas sheet = MakeCanvas(EFFECT_FRAME_WIDTH * frames, frameHeight);
    for (int index = 0; index < frames; ++index)
        Blit(sheet, paint(index), index * EFFECT_FRAME_WIDTH, 0);
    WritePixelArt(writer, path, sheet, EFFECT_FACTOR);
}
