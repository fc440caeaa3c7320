#!/usr/bin/env bash
# Prints one Markdown table of every screen's frame cost and draw calls, the transitions between
# screens, the start-up and the whole story's peak memory, measured in one run under Xvfb at 1920x1080
# with a fixed number of software rasteriser threads and silent audio. Arguments: frames per scene
# (300), runs per transition (5). The saves it writes stay in a scratch folder.
# A build without the tools reuses the assets of another build: VELMORIA_PREBUILT_ASSETS=<Assets folder>.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELMORIA_BUILD:-$root/build}
if [ -n "${VELMORIA_PREBUILT_ASSETS:-}" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORIA_TOOLS=OFF \
    -DVELMORIA_PREBUILT_ASSETS="$VELMORIA_PREBUILT_ASSETS" >/dev/null
  assets=$VELMORIA_PREBUILT_ASSETS
else
  "$root/scripts/install-deps.sh"
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$build" --target assets >/dev/null
  assets=$build/game/Assets
fi
nice cmake --build "$build" --target screen_bench -j1 >/dev/null
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# The asset tree linked, but a Config folder of its own: the game writes its settings there.
mkdir -p "$scratch/Assets"
for entry in "$assets"/*; do
  if [ "$(basename "$entry")" = Config ]; then cp -r "$entry" "$scratch/Assets/"; else ln -s "$entry" "$scratch/Assets/"; fi
done
cd "$scratch"
LP_NUM_THREADS=2 ALSOFT_DRIVERS=null xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" \
  "$build/bench/screen_bench" "${1:-300}" "${2:-5}"
