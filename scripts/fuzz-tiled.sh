#!/usr/bin/env bash
# Builds the Tiled reader's libFuzzer target with clang and runs it on the seed corpus.
#   scripts/fuzz-tiled.sh [seconds]   (default 1800; extra libFuzzer flags may follow the seconds)
# New inputs go to build-fuzz/corpus-tiled; crashes, leaks and hangs land in build-fuzz/artifacts/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-1800}
shift || true
build="$root/build-fuzz"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DVELMORIA_FUZZ=ON -DVELMORIA_TESTS=OFF -DVELMORIA_BENCH=OFF >/dev/null
cmake --build "$build" --target tiled_reader_fuzz
mkdir -p "$build/corpus-tiled" "$build/artifacts"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:intercept_tls_get_addr=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
"$build/fuzz/tiled_reader_fuzz" "$build/corpus-tiled" "$root/fuzz/corpus/tiled" \
    -dict="$root/fuzz/tiled.dict" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
    -artifact_prefix="$build/artifacts/" -print_final_stats=1 "$@"
