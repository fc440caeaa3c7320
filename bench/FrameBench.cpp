// Figures of the game's own frame loop, printed (never pass/fail):
//   frame_bench startup <runs>   time from process start to the first splash frame on screen, each run a
//                                fresh process, measured from just before the parent spawns it
//   frame_bench title <frames>   CPU cost of one title-menu frame (update plus draw, rasterised), median
//                                and 95th percentile
// Run from the runnable folder (build/game) under Xvfb; scripts/bench-frames.sh does both.

#include <SFML/OpenGL.hpp>
#include <SFML/Window/Event.hpp>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "BenchClock.h"
#include "StartupTiming.h"
#include "app/FrameLoop.h"
#include "app/Startup.h"
#include "core/Log.h"
#include "core/Random.h"

namespace {

int Startup(char* self, int runs) {
    const std::vector<double> times = StartupTimes(self, runs);
    if (times.empty()) return 1;
    std::printf("start-up to first splash frame: median %.1f ms, min %.1f ms, max %.1f ms over %zu runs\n",
                Percentile(times, 0.5) * 1e3, Percentile(times, 0.0) * 1e3, Percentile(times, 1.0) * 1e3,
                times.size());
    return 0;
}

int Title(int frames) {
    SetLogSink([](std::string_view) {});
    if (!EnterAssetTree(nullptr)) return 1;
    SeedRandom(1);
    GameContext context;
    InitGame(context);
    sf::RenderWindow& window = *context.window;
    window.setFramerateLimit(0);
    window.setVerticalSyncEnabled(false);
    sf::Event enter{};
    enter.type = sf::Event::KeyPressed;
    enter.key.code = sf::Keyboard::Return;
    HandleWindowEvent(context, enter);
    std::vector<double> cpu;
    std::vector<double> wall;
    for (int frame = 0; frame < frames + 100; ++frame) {
        const double cpuStart = NowSeconds(CLOCK_PROCESS_CPUTIME_ID);
        const double wallStart = NowSeconds(CLOCK_MONOTONIC);
        AdvanceFrame(context, 1.0f / 144.0f);
        RenderFrame(context);
        glFinish();          // the software rasteriser does its work here
        if (frame >= 100) {  // the first frames warm caches and upload textures
            cpu.push_back(NowSeconds(CLOCK_PROCESS_CPUTIME_ID) - cpuStart);
            wall.push_back(NowSeconds(CLOCK_MONOTONIC) - wallStart);
        }
        window.display();
    }
    std::printf("title menu frame (update + draw, rasterised), %d frames at %ux%u:\n", frames,
                window.getSize().x, window.getSize().y);
    std::printf("  CPU  median %.3f ms, p95 %.3f ms\n", Percentile(cpu, 0.5) * 1e3,
                Percentile(cpu, 0.95) * 1e3);
    std::printf("  wall median %.3f ms, p95 %.3f ms\n", Percentile(wall, 0.5) * 1e3,
                Percentile(wall, 0.95) * 1e3);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], STARTUP_CHILD_FLAG) == 0) return StartupChild();
    const std::string mode = argc >= 2 ? argv[1] : "";
    const int count = argc >= 3 ? std::atoi(argv[2]) : 0;
    if (mode == "startup") return Startup(argv[0], count > 0 ? count : 15);
    if (mode == "title") return Title(count > 0 ? count : 2000);
    std::fprintf(stderr, "usage: %s startup [runs] | title [frames]\n", argv[0]);
    return 2;
}
