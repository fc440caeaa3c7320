#include "StartupTiming.h"

#include <SFML/OpenGL.hpp>
#include <SFML/Window/Event.hpp>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "BenchClock.h"
#include "app/FrameLoop.h"
#include "app/Startup.h"
#include "core/Log.h"
#include "core/Random.h"

extern char** environ;

int StartupChild() {
    SetLogSink([](std::string_view) {});
    if (!EnterAssetTree(nullptr)) return 1;
    SeedRandom(1);
    GameContext context;
    InitGame(context);
    sf::Event event{};
    while (context.window->pollEvent(event))
        HandleWindowEvent(context, event);
    UpdateFrame(context);
    DrawFrame(context);
    glFinish();
    std::printf("%.9f\n", NowSeconds(CLOCK_MONOTONIC));
    return 0;
}

std::vector<double> StartupTimes(char* self, int runs) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0) break;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 1);
        std::string flag = STARTUP_CHILD_FLAG;
        char* args[] = {self, flag.data(), nullptr};
        pid_t pid = 0;
        const double start = NowSeconds(CLOCK_MONOTONIC);
        if (posix_spawn(&pid, self, &actions, nullptr, args, environ) != 0) break;
        close(pipeEnds[1]);
        char line[64] = {};
        const ssize_t got = read(pipeEnds[0], line, sizeof line - 1);
        close(pipeEnds[0]);
        waitpid(pid, nullptr, 0);
        posix_spawn_file_actions_destroy(&actions);
        if (got > 0) times.push_back(std::atof(line) - start);
    }
    return times;
}
