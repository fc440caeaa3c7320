#include "world/Camera.h"

#include "core/Screen.h"
#include "world/MapLoading.h"
#include "world/Player.h"

namespace {

constexpr int CAMERA_TILE = 64;

// The camera stays over the map; a map narrower (or lower) than the view sits in its middle, with the
// same dark edge on both sides.
float ClampAxis(float position, float viewSize, int32_t mapSize) {
    if (static_cast<float>(mapSize) <= viewSize) return static_cast<float>(mapSize) * 0.5f;
    if (viewSize * 0.5f > position) return viewSize * 0.5f;
    if (position > static_cast<float>(mapSize) - viewSize * 0.5f)
        return static_cast<float>(mapSize) - viewSize * 0.5f;
    return position;
}

}  // namespace

void UpdateCamera(const Camera& camera, const PlayerCharacter& hero, sf::RenderWindow& window) {
    const sf::Vector2f player = hero.sprite.getPosition();
    // Always the map camera's size, even after a menu reset the view to the whole game area.
    const sf::Vector2f size(MAP_VIEW_WIDTH, MAP_VIEW_HEIGHT);
    gMainView.setSize(size);
    gMainView.setCenter(ClampAxis(player.x, size.x, camera.mapPixelWidth),
                        ClampAxis(player.y, size.y, camera.mapPixelHeight));
    ApplyMainView(window);
}

void ComputeMapPixelSize(Camera& camera, const MapState& state) {
    const TiledMap* map = state.loadedMap.get();
    if (map == nullptr) return;
    camera.mapPixelHeight = map->height * CAMERA_TILE;
    camera.mapPixelWidth = map->width * CAMERA_TILE;
}
