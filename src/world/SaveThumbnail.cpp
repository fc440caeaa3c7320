#include "world/SaveThumbnail.h"

#include <SFML/Graphics/Texture.hpp>

#include "core/Screen.h"
#include "core/StateMachine.h"
#include "world/SaveFiles.h"

sf::Image CaptureWindowGameArea(sf::RenderWindow& window) {
    window.clear(sf::Color::Black);
    DrawGameScene(window);
    sf::Texture texture;
    sf::Image area;
    const sf::Vector2u size = window.getSize();
    if (!texture.create(size.x, size.y)) return area;
    texture.update(window);
    const sf::Image whole = texture.copyToImage();
    const sf::Vector2f origin = GameAreaOrigin(window);
    area.create(static_cast<unsigned>(gScreen.gameWidth), static_cast<unsigned>(gScreen.gameHeight));
    area.copy(whole, 0, 0,
              sf::IntRect(static_cast<int>(origin.x), static_cast<int>(origin.y),
                          static_cast<int>(gScreen.gameWidth), static_cast<int>(gScreen.gameHeight)));
    return area;
}

bool WriteSlotThumbnail(sf::RenderWindow& window) {
    const sf::Image capture = CaptureWindowGameArea(window);
    return capture.getSize().x > 0 && capture.saveToFile(SaveFolderPath() + "/capture.png");
}
