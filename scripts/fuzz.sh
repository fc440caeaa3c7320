#!/usr/bin/env bash
# Builds every libFuzzer target with clang and runs each in turn on its seed corpus and dictionary.
#   scripts/fuzz.sh [seconds]   (per target; default 1800)
# Each target's growing corpus is build-fuzz/corpus-<name>; crashes, leaks and hangs land in
# build-fuzz/artifacts/<name>-*. The paths are absolute: the file targets work in a folder of their own.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-1800}
build="$root/build-fuzz"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DVELMORIA_FUZZ=ON -DVELMORIA_TESTS=OFF -DVELMORIA_BENCH=OFF -DVELMORIA_TOOLS=OFF >/dev/null
cmake --build "$build" --target tiled_reader_fuzz settings_fuzz save_head_fuzz
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:intercept_tls_get_addr=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
mkdir -p "$build/artifacts"
status=0
# target, seed corpus and dictionary (in fuzz/), longest input
for entry in "tiled_reader_fuzz tiled tiled.dict 65536" "settings_fuzz settings settings.dict 4096" \
    "save_head_fuzz save save.dict 8192"; do
    set -- $entry
    mkdir -p "$build/corpus-$2"
    echo "== $1 for $seconds s"
    "$build/fuzz/$1" "$build/corpus-$2" "$root/fuzz/corpus/$2" -dict="$root/fuzz/$3" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len="$4" \
        -artifact_prefix="$build/artifacts/$1-" -print_final_stats=1 2>&1 |
        grep -E "^(Done|stat::|==[0-9]+==ERROR|SUMMARY)|deadly signal|Test unit written" || status=1
done
exit $status
