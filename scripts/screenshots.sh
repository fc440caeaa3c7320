#!/usr/bin/env bash
# Builds the game and saves a screenshot of each screen into out/screenshots/ on every desktop size the
# game is tried on (1366x768, 1920x1080, 1920x1200, 2560x1080, 2560x1440, 3840x2160), and one of each
# step of the first morning of a new game on each of them (first-morning-<step>-<size>.png), and of
# every step of the whole story (story-<step>[-<moment>]-<size>.png).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja >/dev/null
cmake --build "$root/build" --target screenshots
shots="$root/build/tools/screenshots/screenshots"
run() { ALSOFT_DRIVERS=null xvfb-run -a -s "-screen 0 3840x2160x24 -noreset" "$@"; }
run "$shots" "$root/out/screenshots"
# The first morning of a new game, then its slot continued by a second, fresh process.
for size in 1366x768 1920x1080 1920x1200 2560x1080 2560x1440 3840x2160; do
    run "$shots" "$root/out/screenshots" first-morning "$size"
    run "$shots" "$root/out/screenshots" first-morning-continue "$size"
    run "$shots" "$root/out/screenshots" story "$size"
done
