#!/usr/bin/env bash
# Proves with numbers that the music follows the options screen's music bar: the game plays the title
# music while the bar is set to 20, 10, 5 and 0; OpenAL's wave back-end records the mix and sox measures
# the RMS level of the middle second of each span.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja >/dev/null
cmake --build "$root/build" --target listen_music_volume
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '[general]\ndrivers=wave\n[wave]\nfile=%s/out.wav\n' "$work" > "$work/alsoft.conf"
ALSOFT_CONF="$work/alsoft.conf" xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" \
    "$root/build/tools/listen/listen_music_volume" > "$work/levels.txt"
echo "music bar   RMS level (middle second of each span)"
while read -r level start; do
    rms=$(sox "$work/out.wav" -n trim "$(echo "$start + 0.5" | bc)" 1 stat 2>&1 | awk '/RMS +amplitude/ {print $3}')
    printf '%9s   %s\n' "$level" "$rms"
done < "$work/levels.txt"
