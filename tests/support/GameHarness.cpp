#include "support/GameHarness.h"

#include <SFML/Graphics/Texture.hpp>

#include <unistd.h>
#include <algorithm>
#include <atomic>
#include <stdexcept>

#include "app/FrameLoop.h"
#include "app/Startup.h"
#include "core/Developer.h"
#include "core/Gamepad.h"
#include "core/Input.h"
#include "core/Random.h"
#include "core/Screen.h"
#include "core/Settings.h"
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
    gDisplay.unpaced = true;  // frames are stepped by the test with its own dt
    EnableDeveloperKeys(options_.developerKeys);
    ScriptPad(true);
    if (options_.padOnly) PlugPad(PadState{});
    if (options_.initialise) Init();
}

GameHarness::~GameHarness() {
    context_.reset();  // the program gone, as when the window closes: every screen let go unsaved
    gDisplay = DisplaySeam{};
    ScriptInput(false);
    ScriptPad(false);
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
}

namespace {

constexpr float STICK_PUSHED = 100.0f;

// The pad's button for a bound action key (as the game maps the pad's make), or -1.
int PadButtonOfKey(const PadState& pad, int32_t code) {
    const KeyBindings& keys = gSettings.keys;
    if (code == keys.enter) return PadButtonFor(pad, PAD_CONFIRM);
    if (code == keys.escape) return PadButtonFor(pad, PAD_BACK);
    if (code == keys.inventory) return PadButtonFor(pad, PAD_INVENTORY);
    if (code == sf::Keyboard::Space) return PadButtonFor(pad, PAD_HURRY);
    return -1;
}

}  // namespace

// Held on the scripted pad: the press is seen by the next frame's look at the pad.
bool GameHarness::PadHold(int32_t code, bool held) {
    if (!options_.padOnly || !gPad.pad) return false;
    PadState& pad = *gPad.pad;
    const KeyBindings& keys = gSettings.keys;
    const float push = held ? STICK_PUSHED : 0.0f;
    if (code == keys.up || code == keys.down) {
        pad.dpadY = code == keys.up ? -push : push;
    } else if (code == keys.left || code == keys.right) {
        pad.dpadX = code == keys.left ? -push : push;
    } else if (const int button = PadButtonOfKey(pad, code); button >= 0) {
        pad.buttons = held ? pad.buttons | 1u << button : pad.buttons & ~(1u << button);
    } else {
        return false;
    }
    return true;
}

// A press on the pad: held for one frame, let go for the next.
bool GameHarness::PadPress(int32_t code) {
    if (!PadHold(code, true)) return false;
    Advance(FRAME_DT);
    PadHold(code, false);
    Advance(FRAME_DT);
    return true;
}

void GameHarness::PressKey(int32_t code) {
    if (PadPress(code)) return;
    if (options_.padOnly) ++keysOffThePad_;
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

void GameHarness::SendEvent(const sf::Event& event) {
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
    if (PadHold(code, held)) return;
    if (options_.padOnly) keysOffThePad_ += held ? 1 : 0;
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
