#!/usr/bin/env bash
# Builds the game and saves a screenshot of each screen into out/screenshots/ (1920x1080 and 1920x1200).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja >/dev/null
cmake --build "$root/build" --target screenshots
ALSOFT_DRIVERS=null xvfb-run -a -s "-screen 0 2560x1600x24 -noreset" "$root/build/tools/screenshots/screenshots" "$root/out/screenshots"
