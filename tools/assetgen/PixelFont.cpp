#include "PixelFont.h"

#include <array>
#include <cstring>

namespace {

struct GlyphSource {
    unsigned char character;
    const char* rows;  // eight rows of five cells, '#' for ink, separated by spaces
};

const GlyphSource FONT_GLYPHS[] = {
    {'A', ".###. #...# #...# ##### #...# #...# #...# ....."},
    {'B', "####. #...# #...# ####. #...# #...# ####. ....."},
    {'C', ".###. #...# #.... #.... #.... #...# .###. ....."},
    {'D', "####. #...# #...# #...# #...# #...# ####. ....."},
    {'E', "##### #.... #.... ####. #.... #.... ##### ....."},
    {'F', "##### #.... #.... ####. #.... #.... #.... ....."},
    {'G', ".###. #...# #.... #.### #...# #...# .#### ....."},
    {'H', "#...# #...# #...# ##### #...# #...# #...# ....."},
    {'I', "###.. .#... .#... .#... .#... .#... ###.. ....."},
    {'J', "..### ...#. ...#. ...#. ...#. #..#. .##.. ....."},
    {'K', "#...# #..#. #.#.. ##... #.#.. #..#. #...# ....."},
    {'L', "#.... #.... #.... #.... #.... #.... ##### ....."},
    {'M', "#...# ##.## #.#.# #.#.# #...# #...# #...# ....."},
    {'N', "#...# ##..# #.#.# #..## #...# #...# #...# ....."},
    {'O', ".###. #...# #...# #...# #...# #...# .###. ....."},
    {'P', "####. #...# #...# ####. #.... #.... #.... ....."},
    {'Q', ".###. #...# #...# #...# #.#.# #..#. .##.# ....."},
    {'R', "####. #...# #...# ####. #.#.. #..#. #...# ....."},
    {'S', ".#### #.... #.... .###. ....# ....# ####. ....."},
    {'T', "##### ..#.. ..#.. ..#.. ..#.. ..#.. ..#.. ....."},
    {'U', "#...# #...# #...# #...# #...# #...# .###. ....."},
    {'V', "#...# #...# #...# #...# #...# .#.#. ..#.. ....."},
    {'W', "#...# #...# #...# #.#.# #.#.# ##.## #...# ....."},
    {'X', "#...# #...# .#.#. ..#.. .#.#. #...# #...# ....."},
    {'Y', "#...# #...# .#.#. ..#.. ..#.. ..#.. ..#.. ....."},
    {'Z', "##### ....# ...#. ..#.. .#... #.... ##### ....."},
    {'a', "..... ..... .###. ....# .#### #...# .#### ....."},
    {'b', "#.... #.... ####. #...# #...# #...# ####. ....."},
    {'c', "..... ..... .###. #.... #.... #.... .###. ....."},
    {'d', "....# ....# .#### #...# #...# #...# .#### ....."},
    {'e', "..... ..... .###. #...# ##### #.... .###. ....."},
    {'f', "..##. .#... ###.. .#... .#... .#... .#... ....."},
    {'g', "..... ..... .#### #...# #...# .#### ....# .###."},
    {'h', "#.... #.... ####. #...# #...# #...# #...# ....."},
    {'i', ".#... ..... ##... .#... .#... .#... ###.. ....."},
    {'j', "..#.. ..... .##.. ..#.. ..#.. ..#.. ..#.. ##..."},
    {'k', "#.... #.... #..#. #.#.. ##... #.#.. #..#. ....."},
    {'l', "##... .#... .#... .#... .#... .#... ###.. ....."},
    {'m', "..... ..... ##.#. #.#.# #.#.# #.#.# #.#.# ....."},
    {'n', "..... ..... ####. #...# #...# #...# #...# ....."},
    {'o', "..... ..... .###. #...# #...# #...# .###. ....."},
    {'p', "..... ..... ####. #...# #...# ####. #.... #...."},
    {'q', "..... ..... .#### #...# #...# .#### ....# ....#"},
    {'r', "..... ..... #.##. ##... #.... #.... #.... ....."},
    {'s', "..... ..... .#### #.... .###. ....# ####. ....."},
    {'t', ".#... .#... ###.. .#... .#... .#... ..##. ....."},
    {'u', "..... ..... #...# #...# #...# #..## .##.# ....."},
    {'v', "..... ..... #...# #...# #...# .#.#. ..#.. ....."},
    {'w', "..... ..... #...# #...# #.#.# #.#.# .#.#. ....."},
    {'x', "..... ..... #...# .#.#. ..#.. .#.#. #...# ....."},
    {'y', "..... ..... #...# #...# #...# .#### ....# .###."},
    {'z', "..... ..... ##### ...#. ..#.. .#... ##### ....."},
    {0xE9, "...#. ..#.. .###. #...# ##### #.... .###. ....."},
    {'0', ".###. #...# #..## #.#.# ##..# #...# .###. ....."},
    {'1', ".#... ##... .#... .#... .#... .#... ###.. ....."},
    {'2', ".###. #...# ....# ...#. ..#.. .#... ##### ....."},
    {'3', "####. ....# ....# .###. ....# ....# ####. ....."},
    {'4', "...#. ..##. .#.#. #..#. ##### ...#. ...#. ....."},
    {'5', "##### #.... ####. ....# ....# #...# .###. ....."},
    {'6', ".###. #.... #.... ####. #...# #...# .###. ....."},
    {'7', "##### ....# ...#. ..#.. .#... .#... .#... ....."},
    {'8', ".###. #...# #...# .###. #...# #...# .###. ....."},
    {'9', ".###. #...# #...# .#### ....# ....# .###. ....."},
    {'.', "..... ..... ..... ..... ..... ..... #.... ....."},
    {',', "..... ..... ..... ..... ..... ..... .#... #...."},
    {'!', "#.... #.... #.... #.... #.... ..... #.... ....."},
    {'?', ".###. #...# ....# ..##. ..#.. ..... ..#.. ....."},
    {':', "..... ..... #.... ..... ..... #.... ..... ....."},
    {';', "..... ..... .#... ..... ..... .#... #.... ....."},
    {'\'', "#.... #.... ..... ..... ..... ..... ..... ....."},
    {'"', "#.#.. #.#.. ..... ..... ..... ..... ..... ....."},
    {'-', "..... ..... ..... ####. ..... ..... ..... ....."},
    {'+', "..... ..#.. ..#.. ##### ..#.. ..#.. ..... ....."},
    {'/', "....# ....# ...#. ..#.. .#... #.... #.... ....."},
    {'(', ".#... #.... #.... #.... #.... #.... .#... ....."},
    {')', "#.... .#... .#... .#... .#... .#... #.... ....."},
    {'&', ".##.. #..#. #.#.. .#... #.#.# #..#. .##.# ....."},
    {'_', "..... ..... ..... ..... ..... ..... ..... #####"},
    {'%', "##..# ##.#. ...#. ..#.. .#... .#.## #..## ....."},
    {'*', "..... #.#.# .###. ##### .###. #.#.# ..... ....."},
    {'=', "..... ..... ####. ..... ####. ..... ..... ....."},
};

struct Glyph {
    std::uint8_t rows[FONT_CELL_HEIGHT] = {};
    int width = 0;
    bool present = false;
};

Glyph ParseGlyph(const char* rows) {
    Glyph glyph;
    glyph.present = true;
    for (int row = 0; row < FONT_CELL_HEIGHT; ++row) {
        for (int column = 0; column < 5; ++column) {
            if (rows[row * 6 + column] == '#') {
                glyph.rows[row] |= static_cast<std::uint8_t>(1u << column);
                if (column + 1 > glyph.width) glyph.width = column + 1;
            }
        }
    }
    return glyph;
}

const std::array<Glyph, 256>& GlyphTable() {
    static const std::array<Glyph, 256> table = [] {
        std::array<Glyph, 256> built{};
        for (const GlyphSource& source : FONT_GLYPHS)
            if (source.rows != nullptr) built[source.character] = ParseGlyph(source.rows);
        built[' '].present = true;
        built[' '].width = 3;
        return built;
    }();
    return table;
}

// Letters we have no glyph for show as '?' so a missing one is seen on the contact sheet, not skipped.
const Glyph& GlyphFor(unsigned char character) {
    const Glyph& glyph = GlyphTable()[character];
    return glyph.present ? glyph : GlyphTable()['?'];
}

void DrawGlyph(PixelCanvas& canvas, int x, int y, const Glyph& glyph, sf::Color colour, int scale) {
    for (int row = 0; row < FONT_CELL_HEIGHT; ++row) {
        for (int column = 0; column < glyph.width; ++column) {
            if (glyph.rows[row] & (1u << column))
                FillRect(canvas, x + column * scale, y + row * scale, scale, scale, colour);
        }
    }
}

void DrawLetters(PixelCanvas& canvas, int x, int y, const std::string& text, sf::Color colour, int scale) {
    for (char character : text) {
        const Glyph& glyph = GlyphFor(static_cast<unsigned char>(character));
        DrawGlyph(canvas, x, y, glyph, colour, scale);
        x += (glyph.width + FONT_SPACING) * scale;
    }
}

// Fills the half of cell (cellX, cellY) on one side of its diagonal; which half is picked by the corner the
// two touching neighbours share.
enum HalfCell { HALF_LOWER_LEFT, HALF_UPPER_RIGHT, HALF_LOWER_RIGHT, HALF_UPPER_LEFT };

void FillHalfCell(PixelCanvas& canvas, int cellX, int cellY, int scale, HalfCell half, sf::Color colour) {
    for (int j = 0; j < scale; ++j) {
        for (int i = 0; i < scale; ++i) {
            const bool inside = half == HALF_LOWER_LEFT    ? i <= j
                                : half == HALF_UPPER_RIGHT ? i >= j
                                : half == HALF_LOWER_RIGHT ? i + j >= scale - 1
                                                           : i + j <= scale - 1;
            if (inside) PutPixel(canvas, cellX * scale + i, cellY * scale + j, colour);
        }
    }
}

// Enlarges the letters and turns each lone diagonal step into a slope, so a big V or a big a reads as
// drawn lettering rather than stacked blocks.
PixelCanvas EnlargeSmoothed(const PixelCanvas& small, int scale, sf::Color colour) {
    PixelCanvas big = MakeCanvas(small.width * scale, small.height * scale);
    for (int y = 0; y < small.height; ++y) {
        for (int x = 0; x < small.width; ++x) {
            if (IsOpaque(small, x, y)) FillRect(big, x * scale, y * scale, scale, scale, colour);
            const bool a = IsOpaque(small, x, y), b = IsOpaque(small, x + 1, y);
            const bool c = IsOpaque(small, x, y + 1), d = IsOpaque(small, x + 1, y + 1);
            if (a && d && !b && !c) {
                FillHalfCell(big, x + 1, y, scale, HALF_LOWER_LEFT, colour);
                FillHalfCell(big, x, y + 1, scale, HALF_UPPER_RIGHT, colour);
            }
            if (b && c && !a && !d) {
                FillHalfCell(big, x, y, scale, HALF_LOWER_RIGHT, colour);
                FillHalfCell(big, x + 1, y + 1, scale, HALF_UPPER_LEFT, colour);
            }
        }
    }
    return big;
}

}  // namespace

bool HasGlyph(unsigned char character) {
    return GlyphTable()[character].present;
}

int GlyphWidth(unsigned char character) {
    return GlyphFor(character).width;
}

int TextWidth(const std::string& text, int scale) {
    int width = 0;
    for (char character : text)
        width += (GlyphWidth(static_cast<unsigned char>(character)) + FONT_SPACING) * scale;
    return text.empty() ? 0 : width - FONT_SPACING * scale;
}

PixelCanvas RenderTextLayer(const std::string& text, sf::Color colour, int scale) {
    PixelCanvas layer = MakeCanvas(TextWidth(text, scale) + 2, FONT_CELL_HEIGHT * scale + 2);
    DrawLetters(layer, 1, 1, text, colour, scale);
    return layer;
}

void DrawText(PixelCanvas& canvas, int x, int y, const std::string& text, const TextStyle& style) {
    PixelCanvas layer = RenderTextLayer(text, style.fill, style.scale);
    if (style.outline.a > 0) OutlineOpaque(layer, style.outline);
    if (style.shadow.a > 0) {
        PixelCanvas shadow = layer;
        for (int row = 0; row < shadow.height; ++row) {
            for (int column = 0; column < shadow.width; ++column)
                if (IsOpaque(shadow, column, row)) PutPixel(shadow, column, row, style.shadow);
        }
        Blit(canvas, shadow, x - 1 + style.scale, y - 1 + style.scale);
    }
    Blit(canvas, layer, x - 1, y - 1);
}

void DrawTextCentred(PixelCanvas& canvas, int centreX, int capCentreY, const std::string& text,
                     const TextStyle& style) {
    const int width = TextWidth(text, style.scale);
    const int capHeight = FONT_CAP_HEIGHT * style.scale;
    DrawText(canvas, centreX - width / 2, capCentreY - capHeight / 2, text, style);
}

PixelCanvas RenderDisplayText(const std::string& text, int scale, const Ramp& ramp) {
    const PixelCanvas small = RenderTextLayer(text, Pal(ramp.mid), 1);
    const PixelCanvas big = EnlargeSmoothed(small, scale, Pal(ramp.mid));
    PixelCanvas letters = MakeCanvas(big.width - 2 * scale + 6, big.height - 2 * scale + 6);
    for (int y = 0; y < letters.height; ++y) {
        for (int x = 0; x < letters.width; ++x) {
            const sf::Color colour = PixelAt(big, x + scale - 3, y + scale - 3);
            if (colour.a == 0) continue;
            const int band = ((y - 3) * 7) / (FONT_CAP_HEIGHT * scale);
            PutPixel(letters, x, y, Pal(band <= 1 ? ramp.light : (band >= 5 ? ramp.dark : ramp.mid)));
        }
    }
    ShadeFromTopLeft(letters, ramp);
    OutlineOpaque(letters, DarkerInRamp(Pal(ramp.dark)));
    OutlineOpaque(letters, Pal(PAL_OUTLINE));
    return letters;
}
