#include "frontend/OptionsDisplay.h"

#include "core/Screen.h"
#include "core/Settings.h"

namespace {

// Reference pixels, under the audio panel.
const sf::FloatRect ROW_BOX(800.0f, 835.0f, 620.0f, 64.0f);
const sf::FloatRect LEGEND_BOX(800.0f, 925.0f, 620.0f, 110.0f);
constexpr float LABEL_SIZE = 32.0f;
constexpr float LEGEND_SIZE = 22.0f;
constexpr float FRAME = 4.0f;
constexpr float PADDING = 16.0f;
const sf::Vector2f ARROW_AT(1460.0f, 867.0f);
const sf::Color PANEL(24, 26, 48, 235);
const sf::Color FRAME_COLOUR(122, 82, 44);
const sf::Color LEGEND_COLOUR(225, 215, 190);

constexpr const char* LEGEND_LINES[2] = {
    "Pad: A/Cross confirms, B/Circle goes back, Start pauses,",
    "Y/Triangle: inventory, X/Square hurries a battle.",
};

void BuildBox(sf::RectangleShape& box, const sf::FloatRect& place) {
    const float s = gScreen.scale;
    box.setPosition(place.left * s, place.top * s);
    box.setSize({place.width * s, place.height * s});
    box.setFillColor(PANEL);
    box.setOutlineColor(FRAME_COLOUR);
    box.setOutlineThickness(FRAME * s);
}

}  // namespace

void BuildDisplayRow(DisplayRow& row, const sf::Font& font) {
    const float s = gScreen.scale;
    BuildBox(row.box, ROW_BOX);
    BuildBox(row.legendBox, LEGEND_BOX);
    row.label = sf::Text("", font, static_cast<unsigned>(LABEL_SIZE * s));
    row.label.setPosition((ROW_BOX.left + PADDING) * s, (ROW_BOX.top + PADDING * 0.5f) * s);
    for (size_t line = 0; line < row.legend.size(); ++line) {
        row.legend[line] = sf::Text(LEGEND_LINES[line], font, static_cast<unsigned>(LEGEND_SIZE * s));
        row.legend[line].setFillColor(LEGEND_COLOUR);
        const float y = LEGEND_BOX.top + PADDING + static_cast<float>(line) * LEGEND_SIZE * 1.8f;
        row.legend[line].setPosition((LEGEND_BOX.left + PADDING) * s, y * s);
    }
    RefreshDisplayRow(row);
}

void RefreshDisplayRow(DisplayRow& row) {
    row.label.setString(gSettings.windowed ? "Display: Window" : "Display: Full screen");
}

void DrawDisplayRow(sf::RenderWindow& window, const DisplayRow& row) {
    window.draw(row.box);
    window.draw(row.label);
    window.draw(row.legendBox);
    for (const sf::Text& line : row.legend)
        window.draw(line);
}

bool DisplayRowHit(const DisplayRow& row, sf::Vector2f pointer) {
    return row.box.getGlobalBounds().contains(pointer);
}

sf::Vector2f DisplayArrowAt() {
    return ARROW_AT * gScreen.scale;
}
