#pragma once
// The victory screen drawn over the won battle: the reward counted into the gold, and the way back to
// the map.

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <cstdint>

struct VictoryScreen {
    bool shown = false;
    sf::Texture texture;
    sf::Sprite background;
    sf::Font font;
    sf::Text moneyText, transferText, pressEnterText;
    int32_t shownGold = 0;       // the right-hand number of the count
    float transferTimer = 0.0f;  // seconds until the next step of the count
};

extern VictoryScreen gVictory;

// The reward goes into the gold at once; the screen only counts it across.
void ShowVictory(int32_t gold);
void UpdateVictory(float dt);
void DrawVictory(sf::RenderWindow& window);
// Back to the map the battle was fought on (also the way out of a battle that never started).
void LeaveVictory(sf::RenderWindow& window);
void ReleaseVictory();
