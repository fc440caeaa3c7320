#pragma once
// A low-resolution drawing surface. Art is drawn pixel by pixel at a small size with palette colours and
// scaled up by a whole factor at the end, so every screen shares the same chunky pixel grid. Drawing
// replaces pixels (no blending): a blended pixel would leave the palette.

#include "Palette.h"

#include <SFML/Graphics/Image.hpp>

#include <vector>

struct PixelCanvas {
    sf::Image image;
    int width = 0;
    int height = 0;
};

struct PixelPoint {
    int x = 0;
    int y = 0;
};

PixelCanvas MakeCanvas(int width, int height, sf::Color fill = sf::Color::Transparent);

bool IsInside(const PixelCanvas& canvas, int x, int y);
void PutPixel(PixelCanvas& canvas, int x, int y, sf::Color colour);  // ignores points off the canvas
sf::Color PixelAt(const PixelCanvas& canvas, int x, int y);          // transparent off the canvas
bool IsOpaque(const PixelCanvas& canvas, int x, int y);

void FillCanvas(PixelCanvas& canvas, sf::Color colour);
void FillRect(PixelCanvas& canvas, int x, int y, int width, int height, sf::Color colour);
void StrokeRect(PixelCanvas& canvas, int x, int y, int width, int height, sf::Color colour);
void DrawLine(PixelCanvas& canvas, int x0, int y0, int x1, int y1, sf::Color colour);
void FillEllipse(PixelCanvas& canvas, int centreX, int centreY, int radiusX, int radiusY, sf::Color colour);
void FillCircle(PixelCanvas& canvas, int centreX, int centreY, int radius, sf::Color colour);
void FillPolygon(PixelCanvas& canvas, const std::vector<PixelPoint>& points, sf::Color colour);

// Small hand-placed sprites written as text rows: each character is looked up in the keys, others are
// left untouched ('.' by convention). Drawn at a whole scale.
struct PixelKey {
    char symbol;
    sf::Color colour;
};
void DrawPixelMap(PixelCanvas& canvas, int x, int y, const std::vector<const char*>& rows,
                  const std::vector<PixelKey>& keys, int scale = 1);

// Copies the opaque pixels of source with its top-left corner at (x, y).
void Blit(PixelCanvas& target, const PixelCanvas& source, int x, int y);
void FlipHorizontal(PixelCanvas& canvas);
void FlipVertical(PixelCanvas& canvas);

// Rings every opaque shape with a one-pixel line on its transparent neighbours (4-connected, so corners
// stay round in the pixel-art way).
void OutlineOpaque(PixelCanvas& canvas, sf::Color outline);

// Light comes from the top-left in every picture of the game: pixels of the ramp's base colour that touch
// a transparent pixel above or to the left become the highlight, those touching one below or to the right
// become the shadow.
void ShadeFromTopLeft(PixelCanvas& canvas, const Ramp& ramp);

// Ordered (4x4 Bayer) dither: level 0 gives all first colour, 16 all second.
void DitherRect(PixelCanvas& canvas, int x, int y, int width, int height, sf::Color first, sf::Color second,
                int level);
// A vertical gradient between two colours made of dither steps, top colour at y.
void DitherGradient(PixelCanvas& canvas, int x, int y, int width, int height, sf::Color top,
                    sf::Color bottom);
bool DitherOn(int x, int y, int level);

// Darkens the opaque pixels of a rectangle one ramp step where the dither pattern of the level says so.
void DitherShadow(PixelCanvas& canvas, int x, int y, int width, int height, int level);

// Nearest-neighbour enlargement by a whole factor.
PixelCanvas Upscale(const PixelCanvas& canvas, int factor);
