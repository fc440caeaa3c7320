#!/usr/bin/env bash
# Installs what is missing, builds the game and its asset tree, and launches it from build/game/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" --target velmoria
cd "$root/build/game"
exec ./velmoria
