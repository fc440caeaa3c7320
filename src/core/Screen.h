#pragma once
// The game area: the largest 16:9 rectangle that fits the desktop, the scale from the 1920 x 1080
// reference to it, and the one shared camera (MainView).

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/View.hpp>
#include <SFML/Window/VideoMode.hpp>

#include <cstdint>
#include <optional>

inline constexpr float REFERENCE_WIDTH = 1920.0f;
inline constexpr float REFERENCE_HEIGHT = 1080.0f;

struct DesktopMode {
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t bitsPerPixel = 0;
};

struct ScreenMetrics {
    float scale = 0.0f;
    float offsetX = 0.0f;  // letterbox bands, desktop pixels
    float offsetY = 0.0f;
    float gameWidth = 0.0f;
    float gameHeight = 0.0f;
    float aspectRatio = 0.0f;
    DesktopMode desktopMode;
};

enum AspectCase { ASPECT_EXACT, ASPECT_TALLER, ASPECT_WIDER, ASPECT_NONE };

// Pure: the metrics of a desktop. A zero-size desktop (ratio not a number) leaves everything but the
// desktop mode and the ratio at zero.
ScreenMetrics ComputeScreenMetrics(const DesktopMode& desktop);
AspectCase ClassifyAspect(float aspectRatio);

extern ScreenMetrics gScreen;
extern sf::View gMainView;

// Where the real desktop comes from, and how the full screen is made; tests ask for any desktop size
// and play "full screen" in a borderless window of that size under Xvfb.
struct DisplaySeam {
    std::optional<DesktopMode> desktopOverride;
    bool borderless = false;
    bool unpaced = false;  // no frame limit and no vsync: the test steps frames at its own pace
};
extern DisplaySeam gDisplay;

DesktopMode QueryDesktopMode();

// MainView back to the whole game area, applied.
void ResetView(sf::RenderWindow& window);
// A view of rect, shown on the game area of the window.
sf::View MakeGameView(const sf::FloatRect& rect, const sf::RenderWindow& window);
// The screen-space view of the whole game area (what the screens call the window's default view).
void ApplyDefaultView(sf::RenderWindow& window);
void ApplyMainView(sf::RenderWindow& window);
// The game area as the window shows it, in window pixels: at its own size centred in a full-screen
// window, scaled to fit (keeping its shape, between black bands) in a window of any other size.
sf::FloatRect GameAreaRect(const sf::RenderWindow& window);
// Top-left corner of the game area inside the window, in window pixels (0, 0 when the window is the area).
sf::Vector2f GameAreaOrigin(const sf::RenderWindow& window);
// A window pixel in game-area pixels (the units the screens lay themselves out in, gScreen.gameWidth
// across), whatever the window's size.
sf::Vector2f WindowToGameArea(const sf::RenderWindow& window, sf::Vector2i pixel);

// Everything that lives on a map (tiles, walls, doors, decor, people, items, the hero, the clouds) is
// placed and moved in map pixels, the same on every desktop. The camera is the one transform from
// there to the screen: it shows MAP_VIEW_WIDTH x MAP_VIEW_HEIGHT map pixels (half the reference screen
// each way) stretched over the game area, so the world looks the same at every size.
inline constexpr float MAP_VIEW_WIDTH = REFERENCE_WIDTH * 0.5f;
inline constexpr float MAP_VIEW_HEIGHT = REFERENCE_HEIGHT * 0.5f;
sf::View MakeMapView(sf::Vector2f centre, const sf::RenderWindow& window);

// The reference screen (1920 x 1080) stretched over the game area: the overlays laid out in reference
// pixels (inventory grid, shop) are drawn in it so they keep their place at every size.
void ApplyReferenceView(sf::RenderWindow& window);

void ResetScreen();
