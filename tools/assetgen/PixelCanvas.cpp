#include "PixelCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

const int BAYER_4X4[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

bool IsBase(const PixelCanvas& canvas, int x, int y, sf::Color base) {
    const sf::Color colour = PixelAt(canvas, x, y);
    return colour.a > 0 && colour.r == base.r && colour.g == base.g && colour.b == base.b;
}

// Scanline crossings of one polygon edge with the row centre y + 0.5.
void AddCrossing(std::vector<float>& crossings, PixelPoint a, PixelPoint b, float rowY) {
    if ((a.y <= rowY && b.y > rowY) || (b.y <= rowY && a.y > rowY)) {
        const float t = (rowY - static_cast<float>(a.y)) / static_cast<float>(b.y - a.y);
        crossings.push_back(static_cast<float>(a.x) + t * static_cast<float>(b.x - a.x));
    }
}

}  // namespace

PixelCanvas MakeCanvas(int width, int height, sf::Color fill) {
    PixelCanvas canvas;
    canvas.width = width;
    canvas.height = height;
    canvas.image.create(static_cast<unsigned>(width), static_cast<unsigned>(height), fill);
    return canvas;
}

bool IsInside(const PixelCanvas& canvas, int x, int y) {
    return x >= 0 && y >= 0 && x < canvas.width && y < canvas.height;
}

void PutPixel(PixelCanvas& canvas, int x, int y, sf::Color colour) {
    if (IsInside(canvas, x, y))
        canvas.image.setPixel(static_cast<unsigned>(x), static_cast<unsigned>(y), colour);
}

sf::Color PixelAt(const PixelCanvas& canvas, int x, int y) {
    if (!IsInside(canvas, x, y)) return sf::Color::Transparent;
    return canvas.image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y));
}

bool IsOpaque(const PixelCanvas& canvas, int x, int y) {
    return PixelAt(canvas, x, y).a > 0;
}

void FillCanvas(PixelCanvas& canvas, sf::Color colour) {
    FillRect(canvas, 0, 0, canvas.width, canvas.height, colour);
}

void FillRect(PixelCanvas& canvas, int x, int y, int width, int height, sf::Color colour) {
    const int left = std::max(0, x), top = std::max(0, y);
    const int right = std::min(canvas.width, x + width), bottom = std::min(canvas.height, y + height);
    for (int row = top; row < bottom; ++row) {
        for (int column = left; column < right; ++column)
            PutPixel(canvas, column, row, colour);
    }
}

void StrokeRect(PixelCanvas& canvas, int x, int y, int width, int height, sf::Color colour) {
    FillRect(canvas, x, y, width, 1, colour);
    FillRect(canvas, x, y + height - 1, width, 1, colour);
    FillRect(canvas, x, y, 1, height, colour);
    FillRect(canvas, x + width - 1, y, 1, height, colour);
}

void DrawLine(PixelCanvas& canvas, int x0, int y0, int x1, int y1, sf::Color colour) {
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int stepX = x0 < x1 ? 1 : -1, stepY = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        PutPixel(canvas, x0, y0, colour);
        if (x0 == x1 && y0 == y1) return;
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x0 += stepX;
        }
        if (doubled <= dx) {
            error += dx;
            y0 += stepY;
        }
    }
}

void FillEllipse(PixelCanvas& canvas, int centreX, int centreY, int radiusX, int radiusY, sf::Color colour) {
    if (radiusX <= 0 || radiusY <= 0) {
        PutPixel(canvas, centreX, centreY, colour);
        return;
    }
    const float rx = static_cast<float>(radiusX) + 0.5f, ry = static_cast<float>(radiusY) + 0.5f;
    for (int dy = -radiusY; dy <= radiusY; ++dy) {
        for (int dx = -radiusX; dx <= radiusX; ++dx) {
            const float nx = static_cast<float>(dx) / rx, ny = static_cast<float>(dy) / ry;
            if (nx * nx + ny * ny <= 1.0f) PutPixel(canvas, centreX + dx, centreY + dy, colour);
        }
    }
}

void FillCircle(PixelCanvas& canvas, int centreX, int centreY, int radius, sf::Color colour) {
    FillEllipse(canvas, centreX, centreY, radius, radius, colour);
}

void FillPolygon(PixelCanvas& canvas, const std::vector<PixelPoint>& points, sf::Color colour) {
    if (points.size() < 3) return;
    int top = points[0].y, bottom = points[0].y;
    for (const PixelPoint& point : points) {
        top = std::min(top, point.y);
        bottom = std::max(bottom, point.y);
    }
    std::vector<float> crossings;
    for (int row = top; row <= bottom; ++row) {
        crossings.clear();
        const float rowY = static_cast<float>(row) + 0.5f;
        for (std::size_t i = 0; i < points.size(); ++i)
            AddCrossing(crossings, points[i], points[(i + 1) % points.size()], rowY);
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            for (int column = static_cast<int>(std::floor(crossings[i] + 0.5f));
                 column < static_cast<int>(std::floor(crossings[i + 1] + 0.5f)); ++column)
                PutPixel(canvas, column, row, colour);
        }
    }
}

void DrawPixelMap(PixelCanvas& canvas, int x, int y, const std::vector<const char*>& rows,
                  const std::vector<PixelKey>& keys, int scale) {
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (int column = 0; rows[row][column] != '\0'; ++column) {
            for (const PixelKey& key : keys) {
                if (key.symbol == rows[row][column]) {
                    FillRect(canvas, x + column * scale, y + static_cast<int>(row) * scale, scale, scale,
                             key.colour);
                }
            }
        }
    }
}

void Blit(PixelCanvas& target, const PixelCanvas& source, int x, int y) {
    for (int row = 0; row < source.height; ++row) {
        for (int column = 0; column < source.width; ++column) {
            const sf::Color colour = PixelAt(source, column, row);
            if (colour.a > 0) PutPixel(target, x + column, y + row, colour);
        }
    }
}

void FlipHorizontal(PixelCanvas& canvas) {
    canvas.image.flipHorizontally();
}

void FlipVertical(PixelCanvas& canvas) {
    canvas.image.flipVertically();
}

void OutlineOpaque(PixelCanvas& canvas, sf::Color outline) {
    const PixelCanvas before = canvas;
    for (int row = 0; row < canvas.height; ++row) {
        for (int column = 0; column < canvas.width; ++column) {
            if (IsOpaque(before, column, row)) continue;
            if (IsOpaque(before, column - 1, row) || IsOpaque(before, column + 1, row) ||
                IsOpaque(before, column, row - 1) || IsOpaque(before, column, row + 1))
                PutPixel(canvas, column, row, outline);
        }
    }
}

void ShadeFromTopLeft(PixelCanvas& canvas, const Ramp& ramp) {
    const PixelCanvas before = canvas;
    const sf::Color base = Pal(ramp.mid);
    for (int row = 0; row < canvas.height; ++row) {
        for (int column = 0; column < canvas.width; ++column) {
            if (!IsBase(before, column, row, base)) continue;
            if (!IsOpaque(before, column + 1, row) || !IsOpaque(before, column, row + 1)) {
                PutPixel(canvas, column, row, Pal(ramp.dark));
            } else if (!IsOpaque(before, column - 1, row) || !IsOpaque(before, column, row - 1)) {
                PutPixel(canvas, column, row, Pal(ramp.light));
            }
        }
    }
}

bool DitherOn(int x, int y, int level) {
    return BAYER_4X4[((y % 4) + 4) % 4][((x % 4) + 4) % 4] < level;
}

void DitherRect(PixelCanvas& canvas, int x, int y, int width, int height, sf::Color first, sf::Color second,
                int level) {
    for (int row = y; row < y + height; ++row) {
        for (int column = x; column < x + width; ++column)
            PutPixel(canvas, column, row, DitherOn(column, row, level) ? second : first);
    }
}

void DitherGradient(PixelCanvas& canvas, int x, int y, int width, int height, sf::Color top,
                    sf::Color bottom) {
    for (int row = 0; row < height; ++row) {
        const int level = height <= 1 ? 0 : (row * 17) / height;
        DitherRect(canvas, x, y + row, width, 1, top, bottom, std::min(level, 16));
    }
}

void DitherShadow(PixelCanvas& canvas, int x, int y, int width, int height, int level) {
    for (int row = y; row < y + height; ++row) {
        for (int column = x; column < x + width; ++column) {
            if (IsOpaque(canvas, column, row) && DitherOn(column, row, level))
                PutPixel(canvas, column, row, DarkerInRamp(PixelAt(canvas, column, row)));
        }
    }
}

PixelCanvas Upscale(const PixelCanvas& canvas, int factor) {
    PixelCanvas big = MakeCanvas(canvas.width * factor, canvas.height * factor);
    std::vector<sf::Uint8> pixels(static_cast<std::size_t>(big.width) * big.height * 4);
    const sf::Uint8* source = canvas.image.getPixelsPtr();
    for (int row = 0; row < big.height; ++row) {
        for (int column = 0; column < big.width; ++column) {
            const std::size_t from =
                (static_cast<std::size_t>(row / factor) * canvas.width + column / factor) * 4;
            const std::size_t to = (static_cast<std::size_t>(row) * big.width + column) * 4;
            std::copy(source + from, source + from + 4, pixels.begin() + static_cast<long>(to));
        }
    }
    big.image.create(static_cast<unsigned>(big.width), static_cast<unsigned>(big.height), pixels.data());
    return big;
}
