#include "app/Startup.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "app/Modes.h"
#include "app/WindowMode.h"
#include "core/Log.h"
#include "core/Mixer.h"
#include "core/Music.h"
#include "core/Screen.h"
#include "core/Settings.h"
#include "core/SoundEffects.h"
#include "world/SaveThumbnail.h"

namespace {

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

std::filesystem::path ExecutableFolder(const char* argv0) {
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error && argv0 != nullptr) self = std::filesystem::absolute(argv0, error);
    return self.parent_path();
}

}  // namespace

void InitGame(GameContext& context) {
    MeasureDesktop();
    MuteMix(false);
    LoadSettings();  // before the window: it says whether the game plays full screen or in a window
    context.window = std::make_unique<sf::RenderWindow>();
    OpenGameWindow(*context.window, gSettings.windowed);
    context.clock = std::make_unique<sf::Clock>();
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
    pad.ReleaseAll();
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
