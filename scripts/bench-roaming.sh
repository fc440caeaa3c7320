#!/usr/bin/env bash
# Prints the roaming frame cost on the largest map (chunked tiles against one sprite per tile), the
# roaming screen's load time and a door transition, under Xvfb at 1920x1080 with a fixed number of
# software rasteriser threads and silent audio. The saves it writes stay in a scratch folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" --target roaming_bench
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
ln -s "$root/build/game/Assets" "$scratch/Assets"
cd "$scratch"
LP_NUM_THREADS=2 ALSOFT_DRIVERS=null xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" "$root/build/bench/roaming_bench" "${1:-1500}"
