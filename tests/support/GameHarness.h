#pragma once
// Runs the real game in a real window (under Xvfb in CI) inside a fresh working directory, with the
// keyboard, the pointer, the frame time, the random seed and the debug log under the test's control.

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Event.hpp>
#include <SFML/Window/Keyboard.hpp>
#include <SFML/Window/Mouse.hpp>

#include <filesystem>
#include <string>

#include "app/Startup.h"
#include "core/Log.h"
#include "core/Screens.h"

class GameSession;
struct MapScene;

// A temporary working directory whose Assets/ links to the built asset tree, except Assets/Config,
// which is a folder of its own so that each test writes its own settings. Restores the old directory.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // Replaces the link Assets/<relative> by a real copy, so a test can change or remove files in it.
    void DetachAssetFolder(const std::string& relative);

private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};

// The bindings of a new Config.txt, as a player finds them (Z S D Q, Return, Escape, Tab).
namespace DefaultKeys {
inline constexpr int32_t UP = sf::Keyboard::Z;
inline constexpr int32_t DOWN = sf::Keyboard::S;
inline constexpr int32_t RIGHT = sf::Keyboard::D;
inline constexpr int32_t LEFT = sf::Keyboard::Q;
inline constexpr int32_t ENTER = sf::Keyboard::Return;
inline constexpr int32_t ESCAPE = sf::Keyboard::Escape;
inline constexpr int32_t INVENTORY = sf::Keyboard::Tab;
}  // namespace DefaultKeys

// One frame at 60 frames a second, the pace the scripted player plays at.
inline constexpr float FRAME_DT = 1.0f / 60.0f;

struct HarnessOptions {
    unsigned desktopWidth = 1920;
    unsigned desktopHeight = 1080;
    unsigned seed = 1;
    bool initialise = true;  // false: the test calls Init() itself (to prepare files first)
    // Every how many frames one is drawn. A long scripted play that looks at the game's state, not at
    // its pixels, draws one frame in a few: software rendering of a large window is most of its time.
    int drawEvery = 1;
    bool developerKeys = true;  // the developer's keys, as --developer gives them
    // Every bound key the test presses or holds is played on a scripted gamepad instead (ENTER the
    // south button, ESCAPE the east, the inventory the north, directions the d-pad); the keyboard is
    // left alone. Other keys still go to the keyboard and are counted (KeysOffThePad).
    bool padOnly = false;
};

class GameHarness {
public:
    explicit GameHarness(HarnessOptions options = {});
    ~GameHarness();
    GameHarness(const GameHarness&) = delete;
    GameHarness& operator=(const GameHarness&) = delete;

    void Init();
    sf::RenderWindow& Window() { return *context_->window; }
    // The game being played (the roaming screen's session and the map on screen).
    GameSession& Session();
    MapScene& Scene();
    ScratchFolder& Folder() { return folder_; }

    // The screen stack: what is on it, and requests made the way a screen makes them (applied at once).
    ScreenStack& Stack() { return *context_->stack; }
    const ScreenStack& Stack() const { return *context_->stack; }
    ScreenContext Context() { return context_->stack->Context(); }
    ScreenRequests& Requests() { return context_->stack->Requests(); }
    void Apply() { context_->stack->ApplyRequests(); }
    GameMode Mode() const { return context_->stack->Mode(); }
    // The top screen's kind, and the top-most screen of a type (nullptr when there is none).
    ScreenKind Top() const { return context_->stack->Top()->Kind(); }
    template <typename T>
    T* Find() const;
    // Whether the screen is on the stack, anywhere.
    bool Shows(ScreenKind kind) const;

    // Events through the frame loop's own dispatch.
    void PressKey(int32_t code);
    void ReleaseKey(int32_t code);
    void Click(sf::Vector2i windowPixels, sf::Mouse::Button button = sf::Mouse::Left);
    void CloseWindow();
    // Any other event the window may send (the focus lost or gained, a resize).
    void SendEvent(const sf::Event& event);
    // Live state seen by the handlers' keyboard and pointer queries.
    void HoldKey(int32_t code, bool held = true);

    // Frames: an update with dt, then a draw, like the loop.
    void Step(float dt, int frames = 1);
    // An update without a draw, for simulations that look at no pixel.
    void Advance(float dt);
    // A key pressed, then `frames` frames played: the moment a person leaves between two presses.
    void Press(int32_t code, int frames = 2);
    // The key held down for `frames` frames, then let go.
    void HoldFor(int32_t code, int frames);
    // ENTER pressed with `frames` frames (half a second) between presses until done() holds (at most
    // `limit` presses); returns the presses it took.
    template <typename Done>
    int PressEnterUntil(Done done, int limit = 40, int frames = 30);
    // Draws the current frame and reads the window back.
    sf::Image Capture();

    // The keys pressed on the keyboard in a pad-only game because the pad has no button for them.
    int KeysOffThePad() const { return keysOffThePad_; }

    std::string Log() const { return log_.text; }
    void ClearLog() { log_.text.clear(); }

private:
    bool PadPress(int32_t code);
    bool PadHold(int32_t code, bool held);

    HarnessOptions options_;
    int keysOffThePad_ = 0;
    long framesPlayed_ = 0;
    ScratchFolder folder_;
    LogCapture log_;
    std::unique_ptr<GameContext> context_;
};

template <typename T>
T* GameHarness::Find() const {
    const std::vector<Screen*> screens = context_->stack->Screens();
    for (size_t i = screens.size(); i-- > 0;) {
        if (T* screen = dynamic_cast<T*>(screens[i])) return screen;
    }
    return nullptr;
}

template <typename Done>
int GameHarness::PressEnterUntil(Done done, int limit, int frames) {
    int presses = 0;
    for (; !done() && presses < limit; ++presses)
        Press(sf::Keyboard::Return, frames);
    return presses;
}

// Pixel of an image at a point given in game-area coordinates (adds the letterbox offset).
sf::Color GamePixel(const sf::Image& image, float x, float y);
