#!/usr/bin/env bash
# The soak: the whole story played ten times in one process (resident memory, open files, GL textures
# and sound buffers after each run), then seeded random keys and clicks for 30 minutes with every save
# checked as it goes. Under Xvfb at 1920x1080 with silent audio; figures only.
#   scripts/soak.sh [runs [minutes [seed]]]   (default 10 runs, 30 minutes, seed 1)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" --target soak_bench
export ALSOFT_DRIVERS=null LP_NUM_THREADS=2
run() { xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" "$root/build/bench/soak_bench" "$@"; }
run stories "${1:-10}"
run random "${2:-30}" "${3:-1}"
