#include "app/Startup.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "app/Modes.h"
#include "core/Log.h"
#include "core/Mixer.h"
#include "core/Music.h"
#include "core/Screen.h"
#include "core/Settings.h"
#include "core/SoundEffects.h"
#include "world/SaveThumbnail.h"

namespace {

constexpr unsigned FRAME_RATE_LIMIT = 144;
constexpr const char* ASPECT_LOG[] = {"16/9\n", "<16/9\n", ">16/9\n", ""};

void MeasureDesktop() {
    const DesktopMode desktop = QueryDesktopMode();
    gScreen = ComputeScreenMetrics(desktop);
    LogDebug("height : %d\n", static_cast<int>(desktop.height));
    LogDebug("width : %d\n", static_cast<int>(desktop.width));
    LogDebug("ratio : %f\n", static_cast<double>(gScreen.aspectRatio));
    LogDebug("%s", ASPECT_LOG[ClassifyAspect(gScreen.aspectRatio)]);
    LogDebug("scale: %f\n", static_cast<double>(gScreen.scale));
}

// The window covers the desktop; the game area sits in it at the letterbox offsets, between black bands
// that every frame clears (core/Screen.cpp gives each view that viewport).
std::unique_ptr<sf::RenderWindow> CreateGameWindow() {
    const DesktopMode& desktop = gScreen.desktopMode;
    const sf::VideoMode mode(desktop.width, desktop.height, desktop.bitsPerPixel);
    const sf::Uint32 style = gDisplay.windowed ? sf::Style::None : sf::Style::Fullscreen;
    auto window = std::make_unique<sf::RenderWindow>(mode, "Velmoria", style, sf::ContextSettings());
    if (gDisplay.windowed) window->setPosition({0, 0});
    window->setFramerateLimit(FRAME_RATE_LIMIT);
    window->setVerticalSyncEnabled(true);
    return window;
}

std::filesystem::path ExecutableFolder(const char* argv0) {
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error && argv0 != nullptr) self = std::filesystem::absolute(argv0, error);
    return self.parent_path();
}

}  // namespace

void InitGame(GameContext& context) {
    MeasureDesktop();
    context.window = CreateGameWindow();
    context.clock = std::make_unique<sf::Clock>();
    LoadSettings();
    ResetSoundEffectPool();
    ApplyVolumes();
    LogDebug("creat\n");
    gMainView = MakeGameView({0.0f, 0.0f, gScreen.gameWidth, gScreen.gameHeight}, *context.window);
    gMainView.setCenter(gScreen.gameWidth * 0.5f, gScreen.gameHeight * 0.5f);
    ApplyMainView(*context.window);
    context.stack = std::make_unique<ScreenStack>(*context.window, [&context](const ModeRequest& request) {
        return MakeModeScreen(context.stack->Context(), request);
    });
    context.stack->Requests().SetGameMode(MODE_SPLASH);
    context.stack->ApplyRequests();
}

GameContext::~GameContext() {
    if (stack) stack->Clear(Leaving::ABANDONING);
    stack.reset();
    FinishThumbnailWrites();  // the last picture handed over still reaches the disk
    ResetSoundEffectPool();
    ResetMusicPlayer();
    window.reset();
}

bool EnterAssetTree(const char* argv0) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path here = fs::current_path(error);
    if (fs::is_directory("Assets", error)) return true;
    const fs::path beside = ExecutableFolder(argv0);
    if (!beside.empty() && fs::is_directory(beside / "Assets", error)) {
        fs::current_path(beside, error);
        if (!error) return true;
    }
    std::fprintf(stderr,
                 "Velmoria cannot start: there is no Assets folder in %s%s%s.\n"
                 "Run the game from the folder that holds velmoria and its Assets folder.\n",
                 here.c_str(), beside.empty() || beside == here ? "" : " nor in ",
                 beside == here ? "" : beside.c_str());
    return false;
}
