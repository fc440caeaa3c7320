#!/usr/bin/env bash
# Prints how long a map takes to be ready to draw (read, tile sheets, tile layers cut into chunks), with
# and without flipped tiles, under Xvfb with a fixed number of software rasteriser threads.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" --target tile_layers_bench
LP_NUM_THREADS=2 xvfb-run -a -s "-screen 0 640x480x24 -noreset" "$root/build/bench/tile_layers_bench" "$@"
