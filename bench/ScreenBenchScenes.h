#pragma once
// The scenes and transitions screen_bench measures, each reached in the real game through the test
// harness's errands.

#include <functional>
#include <string>
#include <vector>

#include "support/GameHarness.h"

// The draw calls made so far (glDrawArrays and glDrawElements, counted by screen_bench).
long DrawCallsSoFar();

struct SceneFigures {
    std::vector<double> cpu;   // seconds of process CPU time, one per frame or per transition
    std::vector<double> wall;  // seconds of wall clock
    double drawCalls = 0.0;    // a frame's average
};

struct FrameScene {
    std::string name;
    std::function<void(GameHarness&)> reach;
    std::function<void(GameHarness&, int)> steer;  // before each frame; may be empty
};

// The title, every map with the hero standing, the dark forest walked, the world map, a battle of ten,
// the boss, fishing, the options over the game.
std::vector<FrameScene> FrameScenes();
// Warm-up frames, then `frames` frames of update, draw and display, each timed.
SceneFigures MeasureFrames(const FrameScene& scene, int frames);
// The window cleared and shown with nothing (or one opaque full-screen picture) drawn.
SceneFigures MeasureBareWindow(int frames, bool picture);

struct Transition {
    std::string name;
    SceneFigures figures{};
    bool gameStart = false;  // a game started or continued: the longer goal
};

// Every door of the story's maps, the slot menu, a new game, a continued game, a battle entered, a
// victory left; each `runs` times, from the press (or the touch) to the new screen's first frame shown.
std::vector<Transition> Transitions(int runs);
