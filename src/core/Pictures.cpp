#include "core/Pictures.h"

bool IsOpaqueArea(const sf::Image& image, const sf::IntRect& area) {
    const sf::Vector2u size = image.getSize();
    if (area.width <= 0 || area.height <= 0 || area.left < 0 || area.top < 0 ||
        static_cast<unsigned>(area.left + area.width) > size.x ||
        static_cast<unsigned>(area.top + area.height) > size.y) {
        return false;
    }
    const sf::Uint8* pixels = image.getPixelsPtr();
    for (int y = area.top; y < area.top + area.height; ++y) {
        const sf::Uint8* row =
            pixels + (static_cast<size_t>(y) * size.x + static_cast<size_t>(area.left)) * 4;
        for (int x = 0; x < area.width; ++x) {
            if (row[x * 4 + 3] != 255) return false;
        }
    }
    return true;
}

bool LoadPicture(sf::Texture& texture, const std::string& path) {
    sf::Image image;
    if (!image.loadFromFile(path)) return false;
    texture.loadFromImage(image);
    const sf::Vector2u size = image.getSize();
    return IsOpaqueArea(image, {0, 0, static_cast<int>(size.x), static_cast<int>(size.y)});
}

void CentreOrigin(sf::Sprite& sprite) {
    const sf::FloatRect bounds = sprite.getLocalBounds();
    sprite.setOrigin(bounds.width * 0.5f, bounds.height * 0.5f);
}
