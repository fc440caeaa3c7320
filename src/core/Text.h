#pragma once
// Bounded formatting into caller-owned buffers: paths, labels and numbers shown on screen.

#include <SFML/Graphics/Text.hpp>

#include <cstddef>
#include <string>

// The one font of the game: dialogues, prompts, counters.
inline constexpr const char* GAME_FONT = "Assets/Fonts/Dialogues.ttf";

// Formats into buffer (bufferSize bytes), never past it. Returns the characters written, or -1 when
// the text does not fit or the format fails; the buffer then holds an empty string.
int FormatText(char* buffer, size_t bufferSize, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

// A white text for screens laid out in reference pixels: drawn at the desktop's own size, then scaled
// back, so it stays sharp on large desktops where a scaled-up small text would blur.
sf::Text SharpText(const sf::Font& font, const std::string& text, unsigned size);

// The text turns, scales and is placed about the middle of its glyphs.
void CentreOrigin(sf::Text& text);

// Shows a whole number in the text, as the gold counters do.
void ShowNumber(sf::Text& text, int value);

// True when haystack contains needle (both NUL-terminated): the map-name tests of the game.
bool Contains(const char* haystack, const char* needle);
