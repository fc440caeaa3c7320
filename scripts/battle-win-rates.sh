#!/usr/bin/env bash
# Plays every fight of the story many times, seeded, through the real battle menus with a simple policy,
# and prints the win rate of each (party of that point of the story, potions it can buy by then).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja >/dev/null
cmake --build "$root/build" --target velmoria_tests
cd "$root/build"
ALSOFT_DRIVERS=null xvfb-run -a -s "-screen 0 1920x1080x24" tests/velmoria_tests \
  --gtest_filter='WinRates.*' | grep -v '^\[ RUN\|^Note:'
