#pragma once
// Start-up to the first splash frame, timed across a process boundary: the benchmark spawns itself with
// STARTUP_CHILD_FLAG, the child runs the game's start up to its first frame shown and prints the
// monotonic time it was shown, and the parent subtracts the time just before the spawn.
#include <vector>

inline constexpr const char* STARTUP_CHILD_FLAG = "--startup-child";

// The child's part: 0 when the first frame was shown and its time printed.
int StartupChild();

// `runs` fresh processes of the executable at `self`: the seconds each took (runs that failed left out).
std::vector<double> StartupTimes(char* self, int runs);
