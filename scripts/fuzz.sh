#!/usr/bin/env bash
# Builds every libFuzzer target with clang and runs each in turn on its seed corpus and dictionary.
#   scripts/fuzz.sh [seconds [target...]]   (per target; default 1800; every target unless named)
# Each target's growing corpus is build-fuzz/corpus-<name>; crashes, leaks and hangs land in
# build-fuzz/artifacts/<name>-*. A hang is an input over 60 s: the first input of a file target also
# makes the GL context, and a loaded machine stretches every input. The paths are absolute: the file
# targets work in a folder of their own. They run in a virtual X server: the people and items they
# build make textures, which need a context.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-1800}
only="${*:2}"
build="$root/build-fuzz"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DVELMORIA_FUZZ=ON -DVELMORIA_TESTS=OFF -DVELMORIA_BENCH=OFF -DVELMORIA_TOOLS=OFF >/dev/null
cmake --build "$build" --target fuzzers
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:intercept_tls_get_addr=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
mkdir -p "$build/artifacts"
status=0
# Each line: target, seed corpus and dictionary (in fuzz/, named alike), longest input. Name targets as
# arguments after the seconds to run only those.
targets="tiled_reader_fuzz tiled 65536
settings_fuzz settings 4096
save_head_fuzz save 8192
save_fuzz save 8192
content_list_fuzz content-list 4096
npc_fuzz npc 4096
item_fuzz item 1024
dialogue_fuzz dialogue 4096
typed_text_fuzz typed-text 8192
battle_file_fuzz battle-file 1024"
while read -r entry; do
    set -- $entry
    [ -z "$only" ] || [[ " $only " == *" $1 "* ]] || continue
    mkdir -p "$build/corpus-$1"
    echo "== $1 for $seconds s"
    xvfb-run -a -s "-screen 0 640x480x24" "$build/fuzz/$1" "$build/corpus-$1" "$root/fuzz/corpus/$2" -dict="$root/fuzz/$2.dict" \
        -max_total_time="$seconds" -timeout=60 -rss_limit_mb=2048 -max_len="$3" \
        -artifact_prefix="$build/artifacts/$1-" -print_final_stats=1 </dev/null 2>&1 |
        grep -E "^(Done|stat::|==[0-9]+==ERROR|SUMMARY)|deadly signal|Test unit written" || status=1
done <<<"$targets"
exit $status
