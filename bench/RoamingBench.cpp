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
#include "content/MapScene.h"
#include "core/Input.h"
#include "core/Log.h"
#include "core/Random.h"
#include "core/Screen.h"
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

MapState& Map(GameContext& context) {
    return static_cast<RoamingScreen*>(context.stack->Screens().front())->Scene().map;
}

void MeasureFrames(GameContext& context, int frames, bool stamp) {
    Map(context).tileCache.stampEveryTile = stamp;
    std::vector<double> cpu;
    std::vector<double> wall;
    double tileCalls = 0.0;
    for (int frame = 0; frame < frames + WARM_UP_FRAMES; ++frame) {
        SteerHero(frame);
        const double cpuStart = NowSeconds(CLOCK_PROCESS_CPUTIME_ID);
        const double wallStart = NowSeconds(CLOCK_MONOTONIC);
        AdvanceFrame(context, 1.0f / 144.0f);
        RenderFrame(context);
        glFinish();
        if (frame >= WARM_UP_FRAMES) {
            cpu.push_back(NowSeconds(CLOCK_PROCESS_CPUTIME_ID) - cpuStart);
            wall.push_back(NowSeconds(CLOCK_MONOTONIC) - wallStart);
            tileCalls += Map(context).tileCache.drawCalls;
        }
        context.window->display();
    }
    Report(stamp ? "frame, one sprite per tile" : "frame, chunked tile layers", cpu, wall);
    if (!stamp) {
        int tileLayers = 0;
        for (const TiledLayer* layer = Map(context).loadedMap->layers; layer != nullptr;
             layer = layer->next) {
            tileLayers += layer->data != nullptr;
        }
        std::printf(
            "  tile draw calls per frame: %.1f on average (%d tile layers, roofs drawn twice); "
            "decor sprites %zu, clouds %d, hero 1, prompt 2\n",
            tileCalls / frames, tileLayers, Map(context).mapPoints.size(), CLOUD_COUNT);
    }
}

// A whole scene of the map built and let go, its decor pictures decoded once beforehand as the game does.
void MeasureLoads(GameSession& session, int runs) {
    DecorPictures pictures;
    std::vector<double> cpu;
    std::vector<double> wall;
    for (int run = 0; run < runs + 1; ++run) {
        const double cpuStart = NowSeconds(CLOCK_PROCESS_CPUTIME_ID);
        const double wallStart = NowSeconds(CLOCK_MONOTONIC);
        {
            MapScene scene;
            LoadMapScene(scene, session, pictures);
        }
        if (run == 0) continue;  // the first one decodes the pictures
        cpu.push_back(NowSeconds(CLOCK_PROCESS_CPUTIME_ID) - cpuStart);
        wall.push_back(NowSeconds(CLOCK_MONOTONIC) - wallStart);
    }
    Report("map scene built and let go (GoblinVillage)", cpu, wall);
}

// The frame that crosses a door: the map change (save, unload, load) and the new map's first picture.
// Between doors the hero stands a moment, as a player does, while the thumbnail is written.
void MeasureDoors(GameContext& context, int runs) {
    ScriptInput(true);  // every key let go: the hero stands still between doors
    std::vector<double> cpu;
    std::vector<double> wall;
    for (int run = 0; run < runs; ++run) {
        const char* destination = run % 2 == 0 ? "HOUSE_ENTER_1" : LARGEST_MAP;
        const double cpuStart = NowSeconds(CLOCK_PROCESS_CPUTIME_ID);
        const double wallStart = NowSeconds(CLOCK_MONOTONIC);
        static_cast<RoamingScreen*>(context.stack->Screens().front())->ChangeMap(destination);
        RenderFrame(context);
        glFinish();
        cpu.push_back(NowSeconds(CLOCK_PROCESS_CPUTIME_ID) - cpuStart);
        wall.push_back(NowSeconds(CLOCK_MONOTONIC) - wallStart);
        context.window->display();
        for (int frame = 0; frame < DOOR_PAUSE_FRAMES; ++frame) {
            AdvanceFrame(context, 1.0f / 144.0f);
            DrawFrame(context);
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
    auto session = std::make_unique<GameSession>(0);
    session->SetCurrentMap(LARGEST_MAP);
    session->SetPreviousMap(LARGEST_MAP);
    context.stack->Requests().StartOver(
        std::make_unique<RoamingScreen>(context.stack->Context(), std::move(session), GameStart::CONTINUED),
        Leaving::ABANDONING);
    context.stack->ApplyRequests();
    auto* roaming = static_cast<RoamingScreen*>(context.stack->Screens().front());
    std::printf("roaming on %s at %ux%u, %d frames after %d warm-up frames\n", LARGEST_MAP,
                window.getSize().x, window.getSize().y, frames, WARM_UP_FRAMES);
    MeasureFrames(context, frames, false);
    MeasureFrames(context, frames, true);
    MeasureFrames(context, frames, false);
    Map(context).tileCache.stampEveryTile = false;
    MeasureLoads(roaming->Session(), 30);
    MeasureDoors(context, 30);
    return 0;
}
