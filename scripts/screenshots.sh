#!/usr/bin/env bash
# Builds the game and saves a screenshot of each screen into out/screenshots/ (1920x1080 and 1920x1200),
# and one of each step of the first morning of a new game (first-morning-*.png).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja >/dev/null
cmake --build "$root/build" --target screenshots
shots="$root/build/tools/screenshots/screenshots"
run() { ALSOFT_DRIVERS=null xvfb-run -a -s "-screen 0 2560x1600x24 -noreset" "$@"; }
run "$shots" "$root/out/screenshots"
# The first morning of a new game, then its slot continued by a second, fresh process.
run "$shots" "$root/out/screenshots" first-morning
run "$shots" "$root/out/screenshots" first-morning-continue
