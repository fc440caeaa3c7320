#pragma once
// An item as a picture: lying on a map, or carried in an inventory place.

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <cstdint>
#include <memory>
#include <string>

struct MapItem {
    int32_t id = -1;  // its number in the map's content list; -1 for items the story hands out
    std::unique_ptr<sf::Texture> texture;  // behind a pointer: lists move records, the sprite stays aimed
    sf::Sprite sprite;
    sf::Vector2f position;  // map pixels, as the item file gives it
    sf::FloatRect bounds;   // where it was placed, at the picture's own size: the pick-up zone grows from it
    std::string name;       // also the picture's name
};
