#!/usr/bin/env bash
# Plays every fight of the story a thousand times (or the count given), seeded, by the battle rules alone
# with a simple policy, and prints the win rate of each (the party of that point of the story, the
# potions it can buy by then) and how long the report took. No window is opened.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORIA_BENCH=ON >/dev/null
cmake --build "$root/build" --target battle_win_rates
"$root/build/bench/battle_win_rates" "$@"
