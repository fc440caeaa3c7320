#!/usr/bin/env bash
# Prints the start-up time and the title-menu frame cost of the game under Xvfb at 1920x1080
# (software OpenGL with a fixed number of rasteriser threads, silent audio).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" --target frame_bench
export LP_NUM_THREADS=2 ALSOFT_DRIVERS=null
cd "$root/build/game"
xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" "$root/build/bench/frame_bench" startup 15
xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" "$root/build/bench/frame_bench" title 2000
