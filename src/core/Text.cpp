#include "core/Text.h"

#include <cmath>

#include "core/Screen.h"

void ShowNumber(sf::Text& text, int value) {
    char number[16];
    FormatText(number, sizeof number, "%d", value);
    text.setString(number);
}

sf::Text SharpText(const sf::Font& font, const std::string& string, unsigned size) {
    const float fineness = gScreen.scale > 0.0f ? gScreen.scale : 1.0f;
    sf::Text text(sf::String::fromUtf8(string.begin(), string.end()), font,
                  static_cast<unsigned>(std::lround(static_cast<float>(size) * fineness)));
    text.setScale(1.0f / fineness, 1.0f / fineness);
    text.setFillColor(sf::Color::White);
    return text;
}

void CentreOrigin(sf::Text& text) {
    const sf::FloatRect bounds = text.getLocalBounds();
    text.setOrigin(bounds.left + bounds.width / 2, bounds.top + bounds.height / 2);
}
