#include "world/Camera.h"

#include "core/Screen.h"
#include "world/MapLoading.h"
#include "world/Player.h"

Camera gCamera;

namespace {

constexpr int CAMERA_TILE = 64;

float ClampAxis(float position, float viewSize, int32_t mapSize) {
    if (viewSize * 0.5f > position) return viewSize * 0.5f;
    if (position > static_cast<float>(mapSize) - viewSize * 0.5f)
        return static_cast<float>(mapSize) - viewSize * 0.5f;
    return position;
}

}  // namespace

void UpdateCamera(sf::RenderWindow& window) {
    const sf::Vector2f player = gPlayer.sprite.getPosition();
    // Always the map camera's size, even after a menu reset the view to the whole game area.
    const sf::Vector2f size(MAP_VIEW_WIDTH, MAP_VIEW_HEIGHT);
    gMainView.setSize(size);
    gMainView.setCenter(ClampAxis(player.x, size.x, gCamera.mapPixelWidth),
                        ClampAxis(player.y, size.y, gCamera.mapPixelHeight));
    ApplyMainView(window);
}

void ComputeMapPixelSize() {
    const TiledMap* map = gMap.loadedMap.get();
    if (map == nullptr) return;
    gCamera.mapPixelHeight = map->height * CAMERA_TILE;
    gCamera.mapPixelWidth = map->width * CAMERA_TILE;
}

void ResetCamera() {
    gCamera = Camera{};
}
