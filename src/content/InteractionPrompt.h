#pragma once
// The key-name bubble that stands over whatever friendly thing is in reach.

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>

inline constexpr const char* PROMPT_PICTURE = "Assets/Sprites/Dialogues/Interact.png";

struct InteractionPrompt {
    sf::Texture texture;
    sf::Sprite sprite;
    sf::Font font;
    sf::Text text;
    bool built = false;
};
