// The real game played for a long time in one process, figures printed (never pass/fail):
//   soak_bench stories <runs>            the whole story, a new game each time, in one window; after each
//                                        run: resident memory, open file handles, live GL textures and
//                                        live OpenAL buffers, which stay flat from the second run on
//                                        when nothing leaks
//   soak_bench random <minutes> <seed>   seeded random keys, held keys and clicks on whatever screen is
//                                        up, with a jump now and then to a map, the world map or a battle
//                                        so every screen is reached; every slot's save is checked to be
//                                        continuable (it or its backup sound) as it goes and at the end.
//                                        Exits 1 when a save is left unreadable.
// scripts/soak.sh runs both under Xvfb with silent audio.
#include <dlfcn.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <string>

#include "content/Fishing.h"
#include "content/MapScene.h"
#include "content/Shop.h"
#include "core/Random.h"
#include "core/Settings.h"
#include "frontend/CreditsScreen.h"
#include "support/Battles.h"
#include "support/Files.h"
#include "support/Journey.h"
#include "support/Playthrough.h"
#include "support/Saves.h"
#include "support/Scenes.h"
#include "world/GameSession.h"
#include "world/SaveCheck.h"

namespace fs = std::filesystem;

// The game's textures and sound buffers, counted where SFML makes and frees them: these definitions
// stand in front of the libraries' own (the executable exports them), count, and pass the call on.
namespace {
long gLiveTextures = 0;
long gLiveSoundBuffers = 0;

template <typename Function>
Function Next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}
}  // namespace

extern "C" {
// NOLINTNEXTLINE(readability-identifier-naming): the library's name
void glGenTextures(int count, unsigned* names) {
    static const auto next = Next<void (*)(int, unsigned*)>("glGenTextures");
    next(count, names);
    gLiveTextures += count;
}
// NOLINTNEXTLINE(readability-identifier-naming): the library's name
void glDeleteTextures(int count, const unsigned* names) {
    static const auto next = Next<void (*)(int, const unsigned*)>("glDeleteTextures");
    next(count, names);
    gLiveTextures -= count;
}
// NOLINTNEXTLINE(readability-identifier-naming): the library's name
void alGenBuffers(int count, unsigned* names) {
    static const auto next = Next<void (*)(int, unsigned*)>("alGenBuffers");
    next(count, names);
    gLiveSoundBuffers += count;
}
// NOLINTNEXTLINE(readability-identifier-naming): the library's name
void alDeleteBuffers(int count, const unsigned* names) {
    static const auto next = Next<void (*)(int, const unsigned*)>("alDeleteBuffers");
    next(count, names);
    gLiveSoundBuffers -= count;
}
}

namespace {

constexpr const char* MAPS[] = {"HOUSE_ENTER_1",     "GoblinVillage",      "Bridge",
                                "ForestNight",       "HOUSE_ENTER_SPRITI", "HOUSE_BURN_1",
                                "GoblinVillageBurn", "BridgeNight"};

long ResidentKilobytes() {
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

long OpenFiles() {
    long count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator("/proc/self/fd"))
        ++count;
    return count;
}

void PrintResources(const char* what) {
    std::printf("%-10s resident %7.1f MB  open files %3ld  GL textures %4ld  sound buffers %4ld\n", what,
                static_cast<double>(ResidentKilobytes()) / 1024.0, OpenFiles(), gLiveTextures,
                gLiveSoundBuffers);
    std::fflush(stdout);
}

void Ignore(const std::string&) {}

int SoakStories(int runs) {
    GameHarness game({.drawEvery = 8});
    PrintResources("start");
    for (int run = 1; run <= runs; ++run) {
        const auto begun = std::chrono::steady_clock::now();
        SeedRandom(1);  // each run the same story, the boss fight included
        for (const StoryStep& step : StorySteps()) {
            const std::string fault = step.play(game, Ignore);
            if (!fault.empty()) {
                std::printf("run %d, step %s: %s\n", run, step.name, fault.c_str());
                return 1;
            }
        }
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - begun).count();
        char what[32];
        std::snprintf(what, sizeof what, "run %d", run);
        PrintResources(what);
        std::printf("           played in %.1f s\n", seconds);
        // A new game next: the title, and no save left.
        ExitToMenu(game);
        fs::remove_all("Saves");
    }
    return 0;
}

// Every slot's save can be continued: its save.txt is sound, or its backup is.
bool SavesReadable(std::string& which) {
    for (int slot = 0; slot < 3; ++slot) {
        const fs::path save = "Saves/Save" + std::to_string(slot) + "/save.txt";
        if (!fs::exists(save)) continue;
        const fs::path backup = save.string() + ".bak";
        if (IsSaveTextSound(ReadWholeFile(save))) continue;
        if (fs::exists(backup) && IsSaveTextSound(ReadWholeFile(backup))) continue;
        which = save.string();
        return false;
    }
    return true;
}

// A shortcut a player would take many minutes to walk: a map, the world map, a battle (one easily won,
// one ten bosses win), the shop, fishing at the pond, or the credits from the title.
void Jump(GameHarness& game, std::mt19937& random) {
    const char* map = MAPS[random() % std::size(MAPS)];
    switch (random() % 7) {
        case 0:
            EnterMap(game, map, 10);
            break;
        case 1:
            OpenWorldMapFrom(game, "GoblinVillage", static_cast<int>(random() % 4));
            break;
        case 2:
            BeginBattle(game, "Bridge", WriteLevel("Pup", "ENEMY COUNT 1\nENEMY TYPE [2]\nMONEY EARNED 5\n"));
            break;
        case 3:
            BeginBattle(
                game, "BridgeNight",
                WriteLevel("Bosses", "ENEMY COUNT 10\nENEMY TYPE [1,1,1,1,1,1,1,1,1,1]\nMONEY EARNED 0\n"));
            break;
        case 4:
            EnterMap(game, "GoblinVillage", 10);
            game.Requests().Push(std::make_unique<ShopScreen>(game.Context(), game.Session()));
            game.Apply();
            break;
        case 5:
            EnterMap(game, "GoblinVillage", 10);
            game.Session().SetFlag(&StoryFlags::fishingUnlocked);
            game.Requests().Push(
                std::make_unique<FishingScreen>(game.Context(), game.Session(), game.Scene().hero, 0));
            game.Apply();
            break;
        default:
            ExitToMenu(game);
            game.Requests().Replace(std::make_unique<CreditsMenuScreen>(game.Context()));
            game.Apply();
            break;
    }
}

// One random act of a player mashing: a key, a direction held, a click, or a pause.
void Act(GameHarness& game, std::mt19937& random) {
    const KeyBindings& keys = gSettings.keys;
    const int32_t bound[] = {keys.up,     keys.down,      keys.right,          keys.left,      keys.enter,
                             keys.escape, keys.inventory, sf::Keyboard::Space, sf::Keyboard::F};
    const unsigned roll = random() % 100;
    if (roll < 50) {
        game.Press(bound[random() % std::size(bound)], 1 + static_cast<int>(random() % 20));
    } else if (roll < 75) {
        game.HoldFor(bound[random() % 4], 5 + static_cast<int>(random() % 90));
    } else if (roll < 88) {
        const sf::Vector2u size = game.Window().getSize();
        const sf::Mouse::Button button = random() % 4 == 0 ? sf::Mouse::Right : sf::Mouse::Left;
        game.Click({static_cast<int>(random() % size.x), static_cast<int>(random() % size.y)}, button);
        game.Step(FRAME_DT, 2);
    } else if (roll < 92) {
        game.Press(static_cast<int32_t>(random() % 101) - 1, 2);  // any key, the unknown one too
    } else {
        game.Step(FRAME_DT, 1 + static_cast<int>(random() % 60));
    }
}

constexpr const char* SCREEN_NAMES[] = {
    "splash",  "title",     "credits", "options",   "save slots", "map",  "world map", "battle",
    "victory", "game over", "pause",   "inventory", "dialogue",   "shop", "fishing",   "fish collection"};

// The game started again after the player quit it: the saves and the settings are where they were.
std::unique_ptr<GameHarness> StartAgain(std::unique_ptr<GameHarness> previous, unsigned seed) {
    const fs::path kept = fs::temp_directory_path() / ("velmoria-soak-" + std::to_string(getpid()));
    fs::remove_all(kept);
    if (previous) {
        fs::create_directories(kept);
        if (fs::exists("Saves")) fs::copy("Saves", kept / "Saves", fs::copy_options::recursive);
        fs::copy("Assets/Config", kept / "Config", fs::copy_options::recursive);
        previous.reset();
    }
    auto game = std::make_unique<GameHarness>(
        HarnessOptions{.seed = seed, .initialise = false, .drawEvery = 4, .developerKeys = false});
    if (fs::exists(kept)) {
        if (fs::exists(kept / "Saves")) fs::copy(kept / "Saves", "Saves", fs::copy_options::recursive);
        fs::copy(kept / "Config", "Assets/Config",
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        fs::remove_all(kept);
    }
    game->Init();
    return game;
}

int SoakRandom(double minutes, unsigned seed) {
    std::unique_ptr<GameHarness> game = StartAgain(nullptr, seed);
    std::mt19937 random(seed);
    std::map<int, long> screensSeen;
    long acts = 0;
    long checks = 0;
    long restarts = 0;
    std::string which;
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(minutes * 60.0);
    while (std::chrono::steady_clock::now() < end) {
        if (!game->Window().isOpen()) {  // quit from the title: started again
            game = StartAgain(std::move(game), seed + static_cast<unsigned>(++restarts));
        }
        if (random() % 150 == 0) Jump(*game, random);
        Act(*game, random);
        ++acts;
        if (game->Window().isOpen()) ++screensSeen[static_cast<int>(game->Top())];
        if (acts % 200 == 0 && (++checks, !SavesReadable(which))) {
            std::printf("after %ld acts, %s and its backup cannot be continued\n", acts, which.c_str());
            return 1;
        }
    }
    if (!SavesReadable(which)) {
        std::printf("at the end, %s and its backup cannot be continued\n", which.c_str());
        return 1;
    }
    std::printf(
        "seed %u: %ld acts in %.0f minutes, the game quit and started again %ld times, every save "
        "checked %ld times and always continuable\n",
        seed, acts, minutes, restarts, checks + 1);
    std::printf("screen on top after an act:");
    for (const auto& [kind, count] : screensSeen)
        std::printf(" %s %ld,", SCREEN_NAMES[kind], count);
    std::printf("\n");
    PrintResources("end");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "stories") return SoakStories(argc > 2 ? std::atoi(argv[2]) : 10);
    if (mode == "random") {
        return SoakRandom(argc > 2 ? std::atof(argv[2]) : 30.0,
                          argc > 3 ? static_cast<unsigned>(std::atoi(argv[3])) : 1u);
    }
    std::fprintf(stderr, "usage: soak_bench stories <runs> | soak_bench random <minutes> <seed>\n");
    return 2;
}
