#include "world/Clouds.h"

#include "core/Random.h"
#include "core/Text.h"
#include "world/GameSession.h"
#include "world/MapLoading.h"
#include "world/MapNames.h"

CloudLayer gClouds;

namespace {

constexpr float CLOUD_SPEED = 30.0f;     // map pixels per second
constexpr float CLOUD_SPACING = 300.0f;  // between the rows the clouds drift along
// At night and over the burning village the white clouds are drawn as dark drifting smoke.
const sf::Color CLOUD_NIGHT_TINT(70, 72, 96, 190);

float MapPixelWidth() {
    const TiledMap* map = gMap.loadedMap.get();
    return map != nullptr
               ? static_cast<float>(static_cast<int>(static_cast<float>(map->width * map->tilewidth)))
               : 0.0f;
}

}  // namespace

void BuildCloudLayer() {
    ReleaseCloudLayer();
    const int width = static_cast<int>(MapPixelWidth());
    for (int i = 0; i < CLOUD_COUNT; ++i) {
        char path[100];
        FormatText(path, sizeof path, "Assets/Sprites/MapAnimations/Nuages%d.png", i % 8 + 1);
        gClouds.textures[static_cast<size_t>(i)].loadFromFile(path);
        sf::Sprite& sprite = gClouds.sprites[static_cast<size_t>(i)];
        sprite = sf::Sprite(gClouds.textures[static_cast<size_t>(i)]);
        if (MapHasSmoke(gSession.currentMapName)) sprite.setColor(CLOUD_NIGHT_TINT);
        const int x = width > 0 ? RandomValue() % width : 0;
        const int y = static_cast<int>(CLOUD_SPACING * static_cast<float>(i));
        sprite.setPosition(static_cast<float>(x), static_cast<float>(y));
    }
    gClouds.held = true;
}

// Even clouds drift right and odd ones left; each wraps around the map's width.
void UpdateCloudLayer(float dt) {
    if (!gClouds.held) return;
    const float width = MapPixelWidth();
    for (int i = 0; i < CLOUD_COUNT; ++i) {
        sf::Sprite& cloud = gClouds.sprites[static_cast<size_t>(i)];
        const float cloudWidth = cloud.getGlobalBounds().width;
        if (i % 2 == 0) {
            cloud.move(dt * CLOUD_SPEED, 0.0f);
            if (cloud.getPosition().x > width) cloud.move(-width - cloudWidth, 0.0f);
        } else {
            cloud.move(dt * -CLOUD_SPEED, 0.0f);
            if (cloud.getPosition().x - cloudWidth < 0.0f) cloud.move(width + cloudWidth, 0.0f);
        }
    }
}

void ReleaseCloudLayer() {
    gClouds = CloudLayer{};
}
