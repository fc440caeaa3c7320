#!/usr/bin/env bash
# Builds the generated assets and a contact sheet of every picture, for a look at the game's art in one go.
# Usage: scripts/review-art.sh [build folder]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR="${1:-build}"
cmake -S . -B "$BUILD_DIR" -G Ninja >/dev/null
cmake --build "$BUILD_DIR" --target assets contactsheet tilepreview
mkdir -p out/review
"$BUILD_DIR/tools/assetgen/contactsheet" "$BUILD_DIR/game/Assets" out/review/contact-sheet.png
# A patch of village in the day, night and burnt paintings with the hero, a tree and a cloud, at game scale.
"$BUILD_DIR/tools/assetgen/tilepreview" "$BUILD_DIR/game/Assets" out/review/tile-preview.png
# Close looks at what the sheet shrinks too far: the first atlas rows and the hero's standing and walking rows.
"$BUILD_DIR/tools/assetgen/tilepreview" --zoom "$BUILD_DIR/game/Assets/Text/Maps/GoblinVillage/Tiles_Day.png" 0 0 1024 576 1 out/review/atlas-day.png
"$BUILD_DIR/tools/assetgen/tilepreview" --zoom "$BUILD_DIR/game/Assets/Sprites/Characters/Player/Sheet_Pello.png" 0 0 448 512 2 out/review/hero-walk.png
for sound in "$BUILD_DIR"/game/Assets/Sounds/*/*.wav "$BUILD_DIR"/game/Assets/Musics/*.wav; do
  [ -e "$sound" ] || continue
  if command -v sox >/dev/null; then
    printf '%s: ' "${sound#"$BUILD_DIR"/game/Assets/}"
    sox "$sound" -n stats 2>&1 | awk '/^Pk lev dB/ {peak=$4} /^Length s/ {secs=$3} END {printf "length %s s, peak %s dB\n", secs, peak}'
  fi
done
echo "contact sheet: out/review/contact-sheet.png; tile preview: out/review/tile-preview.png"
