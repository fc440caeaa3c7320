#include "app/WindowMode.h"

#include <algorithm>

#include "core/Settings.h"

namespace {

constexpr unsigned FRAME_RATE_LIMIT = 144;
constexpr const char* TITLE = "Velmoria";

}  // namespace

sf::Vector2u WindowedSize(const DesktopMode& desktop) {
    unsigned width = desktop.width * 2 / 3;
    unsigned height = width * 9 / 16;
    if (height > desktop.height * 2 / 3) {
        height = desktop.height * 2 / 3;
        width = height * 16 / 9;
    }
    return {std::max(width, 16u), std::max(height, 9u)};
}

void OpenGameWindow(sf::RenderWindow& window, bool windowed) {
    const DesktopMode& desktop = gScreen.desktopMode;
    if (windowed) {
        const sf::Vector2u size = WindowedSize(desktop);
        window.create(sf::VideoMode(size.x, size.y, desktop.bitsPerPixel), TITLE, sf::Style::Default);
        window.setPosition(
            {static_cast<int>(desktop.width - size.x) / 2, static_cast<int>(desktop.height - size.y) / 2});
    } else {
        const sf::VideoMode mode(desktop.width, desktop.height, desktop.bitsPerPixel);
        window.create(mode, TITLE, gDisplay.borderless ? sf::Style::None : sf::Style::Fullscreen);
        if (gDisplay.borderless) window.setPosition({0, 0});
    }
    window.setFramerateLimit(gDisplay.unpaced ? 0 : FRAME_RATE_LIMIT);
    window.setVerticalSyncEnabled(!gDisplay.unpaced);
    ApplyMainView(window);
}

bool IsWindowModeKey(const sf::Event::KeyEvent& key) {
    return key.code == sf::Keyboard::F11 || (key.alt && key.code == sf::Keyboard::Enter);
}

void SwitchWindowMode(sf::RenderWindow& window) {
    SaveWindowed(!gSettings.windowed);
    OpenGameWindow(window, gSettings.windowed);
}
