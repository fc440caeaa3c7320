// Figures of every screen of the real game, printed as one Markdown table (never pass/fail), all from
// one run so that they can be compared with each other:
//   - the frame (update, draw, display) of the title, every map with the hero standing, the dark forest
//     with the hero walking, the world map, a battle of ten enemies, the boss, fishing and the options
//     over the game: process CPU and wall clock, median and 95th percentile, and the draw calls a frame;
//     a bare clear and display of the window, the floor the software rasteriser sets;
//   - the transitions, from the key press (or the touch) to the first frame of the new screen: every
//     door of the story's maps, the slot menu, a new game, a continued game, a battle, the victory;
//   - the start-up to the first splash frame, and the peak resident memory of the whole story.
// Run under Xvfb at 1920x1080 in a folder holding Assets/ (scripts/bench-screens.sh does it).

#include <SFML/OpenGL.hpp>

#include <dlfcn.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "BenchClock.h"
#include "ScreenBenchScenes.h"
#include "StartupTiming.h"
#include "app/FrameLoop.h"
#include "app/Startup.h"
#include "core/Log.h"
#include "core/Random.h"
#include "support/Playthrough.h"

extern char** environ;

// The draw calls SFML makes reach libGL through these: the executable's definitions come first in the
// symbol search, count, and hand over to the library's.
namespace {
long gDrawCalls = 0;
}

extern "C" void glDrawArrays(GLenum mode, GLint first, GLsizei count) {
    using Real = void (*)(GLenum, GLint, GLsizei);
    static const auto real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "glDrawArrays"));
    ++gDrawCalls;
    real(mode, first, count);
}

extern "C" void glDrawElements(GLenum mode, GLsizei count, GLenum type, const GLvoid* indices) {
    using Real = void (*)(GLenum, GLsizei, GLenum, const GLvoid*);
    static const auto real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "glDrawElements"));
    ++gDrawCalls;
    real(mode, count, type, indices);
}

long DrawCallsSoFar() {
    return gDrawCalls;
}

namespace {

constexpr double FRAME_GOAL = 1.0 / 144.0;
constexpr double TRANSITION_GOAL = 0.050;
constexpr double GAME_START_GOAL = 0.300;

struct Row {
    std::string what;
    std::vector<double> cpu;
    std::vector<double> wall;
    double drawCalls = -1.0;  // a frame's average; negative for a transition
    double goal = 0.0;
    bool worst = false;  // a transition: its worst case, not its 95th percentile, against the goal
};

std::string Milliseconds(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f ms", seconds * 1e3);
    return text;
}

void PrintTable(const std::vector<Row>& rows, const std::string& floorNote, double startup, long peakKb) {
    std::printf(
        "| Measure | CPU median | CPU p95/worst | Wall median | Wall p95/worst | Draw calls | Goal |\n");
    std::printf("|---|---:|---:|---:|---:|---:|---|\n");
    bool anyFrameMissed = false;
    for (const Row& row : rows) {
        if (row.wall.empty()) {
            std::printf("| %s | | | | | | not measured |\n", row.what.c_str());
            continue;
        }
        const double tail = row.worst ? 1.0 : 0.95;
        const double judged = Percentile(row.wall, tail);
        const bool met = judged <= row.goal;
        const bool frame = row.drawCalls >= 0.0;
        anyFrameMissed = anyFrameMissed || (frame && !met);
        char calls[32] = "";
        if (frame) std::snprintf(calls, sizeof calls, "%.0f", row.drawCalls);
        std::printf("| %s | %s | %s | %s | %s | %s | %s %s%s |\n", row.what.c_str(),
                    Milliseconds(Percentile(row.cpu, 0.5)).c_str(),
                    Milliseconds(Percentile(row.cpu, tail)).c_str(),
                    Milliseconds(Percentile(row.wall, 0.5)).c_str(), Milliseconds(judged).c_str(), calls,
                    met ? "met" : "missed", Milliseconds(row.goal).c_str(), frame && !met ? " [1]" : "");
    }
    std::printf("| start-up to the first splash frame (median of 10) | | | %s | | | |\n",
                Milliseconds(startup).c_str());
    std::printf("| peak resident memory, the whole story | | | %.0f MB | | | |\n",
                static_cast<double>(peakKb) / 1024.0);
    if (anyFrameMissed) std::printf("\n[1] %s\n", floorNote.c_str());
}

// The median start-up of fresh processes.
double Startup(char* self, int runs) {
    const std::vector<double> times = StartupTimes(self, runs);
    return times.empty() ? 0.0 : Percentile(times, 0.5);
}

// The whole story in a process of its own, so that its peak is the story's alone.
int PlaythroughChild() {
    SetLogSink([](std::string_view) {});
    GameHarness game({.drawEvery = 8});
    for (const StoryStep& step : StorySteps()) {
        const std::string lost = step.play(game, [](const std::string&) {});
        if (!lost.empty()) {
            std::fprintf(stderr, "the story stopped at %s: %s\n", step.name, lost.c_str());
            return 1;
        }
    }
    return 0;
}

long PlaythroughPeakKb(char* self) {
    char child[] = "--playthrough-child";
    char* args[] = {self, child, nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, self, nullptr, nullptr, args, environ) != 0) return 0;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return 0;
    return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], STARTUP_CHILD_FLAG) == 0) return StartupChild();
    if (argc >= 2 && std::strcmp(argv[1], "--playthrough-child") == 0) return PlaythroughChild();
    const int frames = argc >= 2 ? std::atoi(argv[1]) : 300;
    const int runs = argc >= 3 ? std::atoi(argv[2]) : 5;
    // "frames" or "transitions" alone, for a quicker look at one part (a profiler's run).
    const std::string part = argc >= 4 ? argv[3] : "all";
    SetLogSink([](std::string_view) {});

    std::vector<Row> rows;
    const auto frameRow = [&](const std::string& what, const SceneFigures& figures) {
        rows.push_back({what, figures.cpu, figures.wall, figures.drawCalls, FRAME_GOAL});
    };
    const auto transitionRow = [&](const std::string& what, const SceneFigures& figures, double goal) {
        rows.push_back({what, figures.cpu, figures.wall, -1.0, goal, true});
    };
    std::string floorNote;
    for (const FrameScene& scene : part == "transitions" ? std::vector<FrameScene>{} : FrameScenes()) {
        std::fprintf(stderr, "frames: %s\n", scene.name.c_str());
        frameRow(scene.name, MeasureFrames(scene, frames));
    }
    const SceneFigures clear = MeasureBareWindow(frames, false);
    const SceneFigures picture = MeasureBareWindow(frames, true);
    frameRow("floor: bare window clear + display", clear);
    frameRow("floor: one full-screen picture + display", picture);
    char note[600];
    std::snprintf(
        note, sizeof note,
        "llvmpipe rasterises every pixel of the 1920x1080 picture on the CPU and Xvfb copies it: a "
        "bare clear and display of the window takes %.1f ms of wall clock (median) and one opaque "
        "full-screen picture %.1f ms in this same run, before the game draws anything of its own. "
        "Scenes layering several full-screen pictures (tiles, roofs, darkness, menus) pay that fill "
        "once per layer.",
        Percentile(clear.wall, 0.5) * 1e3, Percentile(picture.wall, 0.5) * 1e3);
    floorNote = note;

    for (const Transition& transition : part == "frames" ? std::vector<Transition>{} : Transitions(runs)) {
        std::fprintf(stderr, "transition: %s\n", transition.name.c_str());
        transitionRow(transition.name, transition.figures,
                      transition.gameStart ? GAME_START_GOAL : TRANSITION_GOAL);
    }
    const double startup = part == "all" ? Startup(argv[0], 10) : 0.0;
    const long peakKb = part == "all" ? PlaythroughPeakKb(argv[0]) : 0;
    PrintTable(rows, floorNote, startup, peakKb);
    return 0;
}
