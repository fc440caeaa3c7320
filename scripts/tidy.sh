#!/usr/bin/env bash
# clang-tidy with the checked-in .clang-tidy over the C++ files changed since a base commit, failing on
# any warning. The base is the first argument, or VELMORIA_TIDY_BASE, or five commits back (as far as
# the history goes); uncommitted changes count too. A changed header is checked through the source file
# of the same name. Needs a build's compile_commands.json (default build/, or VELMORIA_TIDY_BUILD).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=${VELMORIA_TIDY_BUILD:-build}
base=${1:-${VELMORIA_TIDY_BASE:-}}
if [ -z "$base" ]; then
    depth=$(git rev-list --count HEAD)
    base=$(git rev-parse "HEAD~$((depth > 5 ? 5 : depth - 1))")
fi
mapfile -t files < <(
    git diff --name-only --diff-filter=d "$base" -- 'src/*' 'tools/*' 'tests/*' 'bench/*' |
        grep -E '\.(cpp|h)$' | grep -v '^tests/layers/planted/' | sed 's/\.h$/.cpp/' | sort -u |
        while read -r file; do
            # Only sources the build compiles (a header without its own source file is checked by those
            # that include it when they change).
            [ -f "$file" ] && grep -q "\"file\": \"$root/$file\"" "$build/compile_commands.json" && echo "$file"
        done || true)
echo "== clang-tidy on ${#files[@]} changed files since $(git rev-parse --short "$base")"
[ ${#files[@]} -eq 0 ] && exit 0
printf '%s\n' "${files[@]}" | xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet --warnings-as-errors='*' \
    2> >(grep -v -E "warnings? generated|^Suppressed|Use -header-filter|^$" >&2)
