#pragma once
// The game's own 5x8 bitmap font for text painted into art (the title, button labels, contact sheet
// labels). Text is 8-bit: byte 0xE9 is é, as in every file name of the game.

#include "PixelCanvas.h"

#include <string>

inline constexpr int FONT_CELL_HEIGHT = 8;  // seven rows above the baseline, one for descenders
inline constexpr int FONT_CAP_HEIGHT = 7;
inline constexpr int FONT_SPACING = 1;

struct TextStyle {
    sf::Color fill = Pal(PAL_WHITE);
    sf::Color outline = sf::Color::Transparent;  // a ring around every letter when opaque
    sf::Color shadow = sf::Color::Transparent;   // a copy one (scaled) pixel down and right when opaque
    int scale = 1;
};

bool HasGlyph(unsigned char character);
int GlyphWidth(unsigned char character);
// Width in canvas pixels of the text's letters only (outline and shadow add one scaled pixel each side).
int TextWidth(const std::string& text, int scale = 1);

// The letters alone on a transparent canvas with a one-pixel margin for an outline, at the given scale.
PixelCanvas RenderTextLayer(const std::string& text, sf::Color colour, int scale = 1);

// Large display lettering (titles, logos): the font enlarged with its diagonal steps smoothed into slopes,
// coloured down the ramp (light top, dark foot), lit from the top-left and ringed with a double dark line.
// The letters start three pixels in from the canvas' top-left corner.
PixelCanvas RenderDisplayText(const std::string& text, int scale, const Ramp& ramp);

// Draws text with its letters' top-left at (x, y); outline and shadow sit outside that box.
void DrawText(PixelCanvas& canvas, int x, int y, const std::string& text, const TextStyle& style);
// Draws text centred on (centreX, capCentreY), centring the capital height so labels sit optically level.
void DrawTextCentred(PixelCanvas& canvas, int centreX, int capCentreY, const std::string& text,
                     const TextStyle& style);
