#include "support/GameHarness.h"

#include <SFML/Graphics/Texture.hpp>

#include <unistd.h>
#include <algorithm>
#include <atomic>
#include <stdexcept>

#include "app/FrameLoop.h"
#include "app/Startup.h"
#include "core/Developer.h"
#include "core/Input.h"
#include "core/Random.h"
#include "core/Screen.h"
#include "frontend/RoamingScreen.h"

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder() {
    static std::atomic<int> counter{0};
    previous_ = fs::current_path();
    path_ = fs::temp_directory_path() /
            ("velmoria-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    fs::remove_all(path_);
    fs::create_directories(path_ / "Assets" / "Config");
    const fs::path built = VELMORIA_BUILT_ASSETS;
    for (const auto& entry : fs::directory_iterator(built)) {
        if (entry.path().filename() == "Config") continue;
        fs::create_directory_symlink(entry.path(), path_ / "Assets" / entry.path().filename());
    }
    fs::current_path(path_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code error;
    fs::current_path(previous_, error);
    // Folders a test made read-only must be writable again before they can be removed.
    for (auto it = fs::recursive_directory_iterator(path_, error); !error && it != fs::end(it);
         it.increment(error)) {
        if (!it->is_symlink())
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, error);
    }
    fs::remove_all(path_, error);
}

void ScratchFolder::DetachAssetFolder(const std::string& relative) {
    const fs::path top = path_ / "Assets" / fs::path(relative).begin()->string();
    if (fs::is_symlink(top)) {
        const fs::path target = fs::read_symlink(top);
        fs::remove(top);
        fs::copy(target, top, fs::copy_options::recursive);
    }
}

GameHarness::GameHarness(HarnessOptions options)
    : options_(options), context_(std::make_unique<GameContext>()) {
    gDisplay = DisplaySeam{};
    ScriptInput(true);
    SeedRandom(options_.seed);
    gDisplay.desktopOverride = DesktopMode{options_.desktopWidth, options_.desktopHeight, 32};
    gDisplay.borderless = true;
    EnableDeveloperKeys(options_.developerKeys);
    if (options_.initialise) Init();
}

GameHarness::~GameHarness() {
    context_.reset();  // the program gone, as when the window closes: every screen let go unsaved
    gDisplay = DisplaySeam{};
    ScriptInput(false);
    EnableDeveloperKeys(false);
}

bool GameHarness::Shows(ScreenKind kind) const {
    for (const Screen* screen : context_->stack->Screens()) {
        if (screen->Kind() == kind) return true;
    }
    return false;
}

GameSession& GameHarness::Session() {
    return Find<RoamingScreen>()->Session();
}

MapScene& GameHarness::Scene() {
    return Find<RoamingScreen>()->Scene();
}

void GameHarness::Init() {
    InitGame(*context_);
    // Frames are stepped by the test with its own dt: no need to wait for the 144 Hz limit or vsync.
    context_->window->setFramerateLimit(0);
    context_->window->setVerticalSyncEnabled(false);
}

void GameHarness::PressKey(int32_t code) {
    sf::Event event{};
    event.type = sf::Event::KeyPressed;
    event.key.code = static_cast<sf::Keyboard::Key>(code);
    HandleWindowEvent(*context_, event);
}

void GameHarness::ReleaseKey(int32_t code) {
    ::HoldKey(code, false);
    sf::Event event{};
    event.type = sf::Event::KeyReleased;
    event.key.code = static_cast<sf::Keyboard::Key>(code);
    HandleWindowEvent(*context_, event);
}

void GameHarness::Click(sf::Vector2i windowPixels, sf::Mouse::Button button) {
    PlacePointer(windowPixels);
    sf::Event event{};
    event.type = sf::Event::MouseButtonPressed;
    event.mouseButton.button = button;
    event.mouseButton.x = windowPixels.x;
    event.mouseButton.y = windowPixels.y;
    HandleWindowEvent(*context_, event);
}

void GameHarness::CloseWindow() {
    sf::Event event{};
    event.type = sf::Event::Closed;
    HandleWindowEvent(*context_, event);
}

void GameHarness::HoldKey(int32_t code, bool held) {
    if (held) {
        ::HoldKey(code, true);
    } else {
        ReleaseKey(code);
    }
}

void GameHarness::Step(float dt, int frames) {
    for (int i = 0; i < frames && Window().isOpen(); ++i) {
        AdvanceFrame(*context_, dt);
        if (++framesPlayed_ % std::max(options_.drawEvery, 1) == 0) DrawFrame(*context_);
    }
}

void GameHarness::Advance(float dt) {
    AdvanceFrame(*context_, dt);
}

void GameHarness::Press(int32_t code, int frames) {
    PressKey(code);
    Step(FRAME_DT, frames);
}

void GameHarness::HoldFor(int32_t code, int frames) {
    HoldKey(code);
    Step(FRAME_DT, frames);
    HoldKey(code, false);
}

sf::Image GameHarness::Capture() {
    sf::RenderWindow& window = Window();
    RenderFrame(*context_);
    sf::Texture texture;
    if (!texture.create(window.getSize().x, window.getSize().y))
        throw std::runtime_error("no texture for capture");
    texture.update(window);
    window.display();
    return texture.copyToImage();
}

sf::Color GamePixel(const sf::Image& image, float x, float y) {
    return image.getPixel(static_cast<unsigned>(x + gScreen.offsetX),
                          static_cast<unsigned>(y + gScreen.offsetY));
}
