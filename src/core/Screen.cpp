#include "core/Screen.h"

#include <algorithm>
#include <cmath>

ScreenMetrics gScreen;
sf::View gMainView;
DisplaySeam gDisplay;

namespace {

constexpr float SIXTEEN_NINTHS = 16.0f / 9.0f;

sf::FloatRect GameAreaViewport(const sf::RenderWindow& window) {
    const sf::Vector2u size = window.getSize();
    if (size.x == 0 || size.y == 0 || gScreen.gameWidth <= 0.0f || gScreen.gameHeight <= 0.0f) {
        return {0.0f, 0.0f, 1.0f, 1.0f};
    }
    const sf::FloatRect area = GameAreaRect(window);
    return {area.left / size.x, area.top / size.y, area.width / size.x, area.height / size.y};
}

}  // namespace

AspectCase ClassifyAspect(float aspectRatio) {
    if (aspectRatio == SIXTEEN_NINTHS) return ASPECT_EXACT;
    if (aspectRatio < SIXTEEN_NINTHS) return ASPECT_TALLER;
    if (aspectRatio > SIXTEEN_NINTHS) return ASPECT_WIDER;
    return ASPECT_NONE;
}

ScreenMetrics ComputeScreenMetrics(const DesktopMode& desktop) {
    ScreenMetrics metrics;
    metrics.desktopMode = desktop;
    const float width = static_cast<float>(desktop.width);
    const float height = static_cast<float>(desktop.height);
    metrics.aspectRatio = width / height;
    switch (ClassifyAspect(metrics.aspectRatio)) {
        case ASPECT_EXACT:
            metrics.gameWidth = width;
            metrics.gameHeight = height;
            metrics.scale = width / REFERENCE_WIDTH;
            break;
        case ASPECT_TALLER:
            metrics.gameWidth = width;
            metrics.scale = width / REFERENCE_WIDTH;
            metrics.gameHeight = metrics.scale * REFERENCE_HEIGHT;
            metrics.offsetY = (height - metrics.gameHeight) * 0.5f;
            break;
        case ASPECT_WIDER:
            metrics.gameHeight = height;
            metrics.scale = height / REFERENCE_HEIGHT;
            metrics.gameWidth = metrics.scale * REFERENCE_WIDTH;
            metrics.offsetX = (width - metrics.gameWidth) * 0.5f;
            break;
        case ASPECT_NONE:
            break;
    }
    return metrics;
}

DesktopMode QueryDesktopMode() {
    if (gDisplay.desktopOverride) return *gDisplay.desktopOverride;
    const sf::VideoMode mode = sf::VideoMode::getDesktopMode();
    return {mode.width, mode.height, mode.bitsPerPixel};
}

sf::FloatRect GameAreaRect(const sf::RenderWindow& window) {
    // Full screen, the window is the desktop and the area sits in it between black bands at its own
    // size. A window of any other size shows the whole area as large as it fits, between bands too.
    const sf::Vector2f size(window.getSize());
    if (gScreen.gameWidth <= 0.0f || gScreen.gameHeight <= 0.0f) return {0.0f, 0.0f, size.x, size.y};
    const float fit = std::min(size.x / gScreen.gameWidth, size.y / gScreen.gameHeight);
    const float width = std::floor(gScreen.gameWidth * fit), height = std::floor(gScreen.gameHeight * fit);
    return {std::floor(std::max((size.x - width) * 0.5f, 0.0f)),
            std::floor(std::max((size.y - height) * 0.5f, 0.0f)), width, height};
}

sf::Vector2f GameAreaOrigin(const sf::RenderWindow& window) {
    const sf::FloatRect area = GameAreaRect(window);
    return {area.left, area.top};
}

sf::Vector2f WindowToGameArea(const sf::RenderWindow& window, sf::Vector2i pixel) {
    const sf::FloatRect area = GameAreaRect(window);
    if (area.width <= 0.0f || area.height <= 0.0f) return {0.0f, 0.0f};
    return {(static_cast<float>(pixel.x) - area.left) * gScreen.gameWidth / area.width,
            (static_cast<float>(pixel.y) - area.top) * gScreen.gameHeight / area.height};
}

sf::View MakeGameView(const sf::FloatRect& rect, const sf::RenderWindow& window) {
    sf::View view(rect);
    view.setViewport(GameAreaViewport(window));
    return view;
}

void ResetView(sf::RenderWindow& window) {
    gMainView.setSize(gScreen.gameWidth, gScreen.gameHeight);
    gMainView.setCenter(gScreen.gameWidth * 0.5f, gScreen.gameHeight * 0.5f);
    ApplyMainView(window);
}

void ApplyDefaultView(sf::RenderWindow& window) {
    window.setView(MakeGameView({0.0f, 0.0f, gScreen.gameWidth, gScreen.gameHeight}, window));
}

void ApplyReferenceView(sf::RenderWindow& window) {
    window.setView(MakeGameView({0.0f, 0.0f, REFERENCE_WIDTH, REFERENCE_HEIGHT}, window));
}

sf::View MakeMapView(sf::Vector2f centre, const sf::RenderWindow& window) {
    sf::View view = MakeGameView({0.0f, 0.0f, MAP_VIEW_WIDTH, MAP_VIEW_HEIGHT}, window);
    view.setCenter(centre);
    return view;
}

void ApplyMainView(sf::RenderWindow& window) {
    gMainView.setViewport(GameAreaViewport(window));
    window.setView(gMainView);
}

void ResetScreen() {
    gScreen = ScreenMetrics{};
    gMainView = sf::View();
}
