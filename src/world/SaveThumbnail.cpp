#include "world/SaveThumbnail.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <cstdio>
#include <filesystem>
#include <future>
#include <string>

#include "core/Log.h"
#include "core/Screen.h"

namespace {

// What the capture keeps between saves (the GPU copies of the frame), and the write in flight.
struct ThumbnailWriter {
    sf::Texture frame;
    sf::RenderTexture small;
    std::future<void> pending;
};

ThumbnailWriter& Writer() {
    static ThumbnailWriter writer;
    return writer;
}

bool Fits(const sf::Texture& texture, sf::Vector2u size) {
    return texture.getSize().x >= size.x && texture.getSize().y >= size.y;
}

// Encodes beside the final file, then renames over it: a reader sees the old picture or the new one.
void EncodeAndPlace(const sf::Image& picture, const std::string& folder) {
    const std::string temporary = folder + "/" + THUMBNAIL_TEMPORARY_FILE;
    const std::string final = folder + "/" + THUMBNAIL_FILE;
    if (!picture.saveToFile(temporary) || std::rename(temporary.c_str(), final.c_str()) != 0) {
        std::remove(temporary.c_str());
    }
}

}  // namespace

sf::Image CaptureThumbnail(sf::RenderWindow& window, const SceneDrawing& drawScene) {
    ThumbnailWriter& writer = Writer();
    const sf::View before = window.getView();
    const sf::View mainBefore = gMainView;
    window.clear(sf::Color::Black);
    drawScene(window);
    gMainView = mainBefore;
    window.setView(before);
    const sf::Vector2u size = window.getSize();
    if (!Fits(writer.frame, size) && !writer.frame.create(size.x, size.y)) return {};
    if (writer.small.getSize() != sf::Vector2u(THUMBNAIL_WIDTH, THUMBNAIL_HEIGHT) &&
        !writer.small.create(THUMBNAIL_WIDTH, THUMBNAIL_HEIGHT)) {
        return {};
    }
    writer.frame.update(window);
    // Mipmaps make the shrink an average of the pixels each thumbnail pixel covers, not a sample of one.
    writer.frame.setSmooth(true);
    writer.frame.generateMipmap();
    const sf::FloatRect shown = GameAreaRect(window);
    sf::Sprite area(writer.frame, sf::IntRect(shown));
    area.setScale(THUMBNAIL_WIDTH / shown.width, THUMBNAIL_HEIGHT / shown.height);
    writer.small.clear(sf::Color::Black);
    writer.small.draw(area);
    writer.small.display();
    return writer.small.getTexture().copyToImage();
}

bool WriteSlotThumbnail(sf::RenderWindow& window, const std::string& folder, const SceneDrawing& drawScene) {
    const sf::Image picture = CaptureThumbnail(window, drawScene);
    window.setActive(true);
    if (picture.getSize().x == 0) return false;
    ThumbnailWriter& writer = Writer();
    FinishThumbnailWrites();  // one write at a time, in order
    // Only into a slot folder that is there: a thumbnail never makes one.
    if (!std::filesystem::is_directory(folder)) return false;
    writer.pending = std::async(std::launch::async, [picture, folder] { EncodeAndPlace(picture, folder); });
    return true;
}

void FinishThumbnailWrites() {
    std::future<void>& pending = Writer().pending;
    if (pending.valid()) pending.get();
}
