// Figures of the roaming screen on the largest map, printed (never pass/fail):
//   roaming_bench [frames]   one roaming frame (update + draw, rasterised) with the hero walking, median
//                            and 95th percentile, tile draw calls per frame, chunked tiles against one
//                            sprite per tile in the same run; LoadRoamingScreen; the frame that
//                            crosses a door, there and back.
// Run from the runnable folder (build/game) under Xvfb; scripts/bench-roaming.sh does it.

#include <SFML/OpenGL.hpp>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <vector>

#include "BenchClock.h"
#include "app/FrameLoop.h"
#include "app/Startup.h"
#include "core/GameStates.h"
#include "core/Input.h"
#include "core/Log.h"
#include "core/Random.h"
#include "core/Screen.h"
#include "core/StateMachine.h"
#include "frontend/RoamingScreen.h"
#include "world/Clouds.h"
#include "world/GameSession.h"
#include "world/MapLoading.h"
#include "world/Player.h"

namespace fs = std::filesystem;

namespace {

constexpr int WARM_UP_FRAMES = 120;
constexpr const char* LARGEST_MAP = "GoblinVillage";
constexpr int DOOR_PAUSE_FRAMES = 30;

void Report(const char* what, const std::vector<double>& cpu, const std::vector<double>& wall) {
    std::printf("%-34s CPU median %7.3f ms  p95 %7.3f ms | wall median %7.3f ms  p95 %7.3f ms\n", what,
                Percentile(cpu, 0.5) * 1e3, Percentile(cpu, 0.95) * 1e3, Percentile(wall, 0.5) * 1e3,
                Percentile(wall, 0.95) * 1e3);
}

// The hero walks a square around the village square, a quarter of a second each way.
void SteerHero(int frame) {
    const int32_t keys[] = {sf::Keyboard::D, sf::Keyboard::S, sf::Keyboard::Q, sf::Keyboard::Z};
    for (int32_t key : keys)
        HoldKey(key, false);
    HoldKey(keys[(frame / 36) % 4], true);
}

void MeasureFrames(sf::RenderWindow& window, int frames, bool stamp) {
    gMap.tileCache.stampEveryTile = stamp;
    std::vector<double> cpu;
    std::vector<double> wall;
    double tileCalls = 0.0;
    for (int frame = 0; frame < frames + WARM_UP_FRAMES; ++frame) {
        SteerHero(frame);
        const double cpuStart = NowSeconds(CLOCK_PROCESS_CPUTIME_ID);
        const double wallStart = NowSeconds(CLOCK_MONOTONIC);
        AdvanceFrame(1.0f / 144.0f, window);
        RenderFrame(window);
        glFinish();
        if (frame >= WARM_UP_FRAMES) {
            cpu.push_back(NowSeconds(CLOCK_PROCESS_CPUTIME_ID) - cpuStart);
            wall.push_back(NowSeconds(CLOCK_MONOTONIC) - wallStart);
            tileCalls += gMap.tileCache.drawCalls;
        }
        window.display();
    }
    Report(stamp ? "frame, one sprite per tile" : "frame, chunked tile layers", cpu, wall);
    if (!stamp) {
        int tileLayers = 0;
        for (const TiledLayer* layer = gMap.loadedMap->layers; layer != nullptr; layer = layer->next) {
            tileLayers += layer->data != nullptr;
        }
        std::printf(
            "  tile draw calls per frame: %.1f on average (%d tile layers, roofs drawn twice); "
            "decor sprites %zu, clouds %d, hero 1, prompt 2\n",
            tileCalls / frames, tileLayers, gMap.mapPoints.size(), CLOUD_COUNT);
    }
}

void MeasureLoads(sf::RenderWindow& window, int runs) {
    std::vector<double> cpu;
    std::vector<double> wall;
    for (int run = 0; run < runs; ++run) {
        UnloadRoamingScreen(window);
        const double cpuStart = NowSeconds(CLOCK_PROCESS_CPUTIME_ID);
        const double wallStart = NowSeconds(CLOCK_MONOTONIC);
        LoadRoamingScreen(window);
        cpu.push_back(NowSeconds(CLOCK_PROCESS_CPUTIME_ID) - cpuStart);
        wall.push_back(NowSeconds(CLOCK_MONOTONIC) - wallStart);
    }
    Report("LoadRoamingScreen (GoblinVillage)", cpu, wall);
}

// The frame that crosses a door: the map change (save, unload, load) and the new map's first picture.
// Between doors the hero stands a moment, as a player does, while the thumbnail is written.
void MeasureDoors(sf::RenderWindow& window, int runs) {
    ScriptInput(true);  // every key let go: the hero stands still between doors
    std::vector<double> cpu;
    std::vector<double> wall;
    for (int run = 0; run < runs; ++run) {
        const char* destination = run % 2 == 0 ? "HOUSE_ENTER_1" : LARGEST_MAP;
        const double cpuStart = NowSeconds(CLOCK_PROCESS_CPUTIME_ID);
        const double wallStart = NowSeconds(CLOCK_MONOTONIC);
        ChangeMap(destination, window);
        RenderFrame(window);
        glFinish();
        cpu.push_back(NowSeconds(CLOCK_PROCESS_CPUTIME_ID) - cpuStart);
        wall.push_back(NowSeconds(CLOCK_MONOTONIC) - wallStart);
        window.display();
        for (int frame = 0; frame < DOOR_PAUSE_FRAMES; ++frame) {
            AdvanceFrame(1.0f / 144.0f, window);
            RenderFrame(window);
            window.display();
        }
    }
    Report("door frame (village <-> house)", cpu, wall);
}

}  // namespace

int main(int argc, char** argv) {
    const int frames = argc >= 2 ? std::atoi(argv[1]) : 1500;
    SetLogSink([](std::string_view) {});
    if (!EnterAssetTree(argv[0])) return 1;
    fs::create_directories("Saves/Save0");
    SeedRandom(1);
    ScriptInput(true);
    GameContext context;
    InitGame(context);
    sf::RenderWindow& window = *context.window;
    window.setFramerateLimit(0);
    window.setVerticalSyncEnabled(false);
    gSession.saveSlot = 0;
    SetCurrentMapName(LARGEST_MAP);
    SetPreviousMapName(LARGEST_MAP);
    gStates.roamingOverlay = OVERLAY_NONE;
    SetGameMode(MODE_GAME, window);
    std::printf("roaming on %s at %ux%u, %d frames after %d warm-up frames\n", LARGEST_MAP,
                window.getSize().x, window.getSize().y, frames, WARM_UP_FRAMES);
    MeasureFrames(window, frames, false);
    MeasureFrames(window, frames, true);
    MeasureFrames(window, frames, false);
    gMap.tileCache.stampEveryTile = false;
    MeasureLoads(window, 30);
    MeasureDoors(window, 30);
    UnloadCurrentMode(window);
    return 0;
}
