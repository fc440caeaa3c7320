#pragma once
// Texts on screen: the game's font, sharp texts, centring, counters; and the bounded formatting they use.

#include <SFML/Graphics/Text.hpp>

#include <string>

#include "core/Format.h"

// The one font of the game: dialogues, prompts, counters.
inline constexpr const char* GAME_FONT = "Assets/Fonts/Dialogues.ttf";

// A white text for screens laid out in reference pixels: drawn at the desktop's own size, then scaled
// back, so it stays sharp on large desktops where a scaled-up small text would blur.
sf::Text SharpText(const sf::Font& font, const std::string& text, unsigned size);

// The text turns, scales and is placed about the middle of its glyphs.
void CentreOrigin(sf::Text& text);

// Shows a whole number in the text, as the gold counters do.
void ShowNumber(sf::Text& text, int value);
