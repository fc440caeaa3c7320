#include "world/Clouds.h"

#include "core/Format.h"
#include "core/Random.h"
#include "world/MapLoading.h"

namespace {

constexpr float CLOUD_SPEED = 30.0f;     // map pixels per second
constexpr float CLOUD_SPACING = 300.0f;  // between the rows the clouds drift along
// At night and over the burning village the white clouds are drawn as dark drifting smoke.
const sf::Color CLOUD_NIGHT_TINT(70, 72, 96, 190);

float MapPixelWidth(const MapState& state) {
    const TiledMap* map = state.loadedMap.get();
    return map != nullptr
               ? static_cast<float>(static_cast<int>(static_cast<float>(map->width * map->tilewidth)))
               : 0.0f;
}

}  // namespace

void BuildCloudLayer(CloudLayer& clouds, const MapState& map) {
    const int width = static_cast<int>(MapPixelWidth(map));
    for (int picture = 0; picture < CLOUD_PICTURES; ++picture) {
        char path[100];
        FormatText(path, sizeof path, "Assets/Sprites/MapAnimations/Nuages%d.png", picture + 1);
        clouds.textures[static_cast<size_t>(picture)].loadFromFile(path);
    }
    for (int i = 0; i < CLOUD_COUNT; ++i) {
        sf::Sprite& sprite = clouds.sprites[static_cast<size_t>(i)];
        sprite = sf::Sprite(clouds.textures[static_cast<size_t>(i % CLOUD_PICTURES)]);
        if (map.look.smoke) sprite.setColor(CLOUD_NIGHT_TINT);
        const int x = width > 0 ? RandomValue() % width : 0;
        const int y = static_cast<int>(CLOUD_SPACING * static_cast<float>(i));
        sprite.setPosition(static_cast<float>(x), static_cast<float>(y));
    }
    clouds.held = true;
}

// Even clouds drift right and odd ones left; each wraps around the map's width.
void UpdateCloudLayer(CloudLayer& clouds, const MapState& map, float dt) {
    if (!clouds.held) return;
    const float width = MapPixelWidth(map);
    for (int i = 0; i < CLOUD_COUNT; ++i) {
        sf::Sprite& cloud = clouds.sprites[static_cast<size_t>(i)];
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
