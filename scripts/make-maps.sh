#!/usr/bin/env bash
# Regenerates the committed maps under data/Text/Maps with the map author, and draws review pictures
# of them in out/maps/ (from the built atlas paintings once the build has made them).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-maps}
cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target mapgen
"$build/tools/mapgen/mapgen" "$root/data/Text/Maps" "$root/out/maps" "$build/game/Assets/Text/Maps"
