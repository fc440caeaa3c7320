#pragma once
// The credits: four blocks of text typing themselves out over a picture, and a back button.

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Vector2.hpp>

#include <array>

#include "content/Dialogue.h"

inline constexpr int CREDIT_BLOCK_COUNT = 4;

// One block: its own font and the typewriter reading its file.
struct CreditBlock {
    sf::Font font;
    TextReveal reveal;
};

struct CreditsScreen {
    std::array<CreditBlock, CREDIT_BLOCK_COUNT> blocks;  // programmers, graphic artists, sounds, musics
    sf::Texture backgroundTexture;
    sf::Sprite background;
    sf::Texture backTexture;
    sf::Sprite back;
    bool built = false;
};

extern CreditsScreen gCredits;

// Every visit starts the four blocks from the beginning of their files.
void LoadCreditsScreen();
void UpdateCreditsScreen(float dt);
void DrawCreditsScreen(sf::RenderWindow& window);
void UnloadCreditsScreen();
// True when the point (game-area pixels) lies on the back button.
bool CreditsBackButtonContains(sf::Vector2f point);
