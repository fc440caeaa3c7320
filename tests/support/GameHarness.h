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

// Puts every game record back to its program-start values (no window needed).
void ResetGameRecords();

struct HarnessOptions {
    unsigned desktopWidth = 1920;
    unsigned desktopHeight = 1080;
    unsigned seed = 1;
    bool initialise = true;  // false: the test calls Init() itself (to prepare files first)
};

class GameHarness {
public:
    explicit GameHarness(HarnessOptions options = {});
    ~GameHarness();
    GameHarness(const GameHarness&) = delete;
    GameHarness& operator=(const GameHarness&) = delete;

    void Init();
    sf::RenderWindow& Window() { return *context_.window; }
    ScratchFolder& Folder() { return folder_; }

    // Events through the frame loop's own dispatch.
    void PressKey(int32_t code);
    void Click(sf::Vector2i windowPixels, sf::Mouse::Button button = sf::Mouse::Left);
    void CloseWindow();
    // Live state seen by the handlers' keyboard and pointer queries.
    void HoldKey(int32_t code, bool held = true);

    // Frames: an update with dt, then a draw, like the loop.
    void Step(float dt, int frames = 1);
    // Draws the current frame and reads the window back.
    sf::Image Capture();

    std::string Log() const { return log_.text; }
    void ClearLog() { log_.text.clear(); }

private:
    HarnessOptions options_;
    ScratchFolder folder_;
    LogCapture log_;
    GameContext context_;
};

// Pixel of an image at a point given in game-area coordinates (adds the letterbox offset).
sf::Color GamePixel(const sf::Image& image, float x, float y);
