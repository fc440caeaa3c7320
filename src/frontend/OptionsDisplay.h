#pragma once
// The options' lower right: the row that chooses full screen or a window (the last entry of the volume
// column), and the legend of what the gamepad's buttons do.

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Text.hpp>

#include <array>

struct DisplayRow {
    DisplayRow() = default;  // not an aggregate: the shapes are made by their own constructors

    sf::RectangleShape box;
    sf::Text label;
    sf::RectangleShape legendBox;
    std::array<sf::Text, 2> legend;
};

// In game-area pixels, scaled like the rest of the screen.
void BuildDisplayRow(DisplayRow& row, const sf::Font& font);
// The label follows the settings: "Display: Full screen" or "Display: Window".
void RefreshDisplayRow(DisplayRow& row);
void DrawDisplayRow(sf::RenderWindow& window, const DisplayRow& row);
bool DisplayRowHit(const DisplayRow& row, sf::Vector2f pointer);
// Where the options' arrow points at the row.
sf::Vector2f DisplayArrowAt();
