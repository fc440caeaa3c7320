#!/usr/bin/env bash
# Installs what is missing, builds everything, and runs the whole test suite headless: once in the
# normal build and once under AddressSanitizer and UndefinedBehaviorSanitizer, in a virtual X server
# with OpenAL's null audio back-end.
#
# The normal build runs every test, the heavy ones too (label "heavy": every desktop size against the
# reference, the large and continued playthroughs, every file damaged seven ways, the win rates, the
# regenerated asset tree). The sanitizer build is made without the tools, reuses the asset tree the
# normal build generated, and runs every test but the heavy ones. clang-format checks every source file
# first; clang-tidy checks the files the last commits changed after the normal build. Each suite's cost
# table is kept in out/test-costs/ and its 20 costliest tests are printed at the end.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
jobs=$(nproc)
export ALSOFT_DRIVERS=null
# intercept_tls_get_addr=0: GCC 12's runtime takes a thread-local block that happens to start 16 bytes
# into a page for an old glibc header and reads a bogus range from before it, so the leak check's
# tracer crashes at exit ("Tracer caught signal 11") on whichever test draws that layout, every run.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:intercept_tls_get_addr=0"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
costs="$root/out/test-costs"
mkdir -p "$costs"

# The house style first: every source file as clang-format writes it with the repo's .clang-format
# (the planted files of the include checks are left as they are).
(cd "$root" && git ls-files '*.cpp' '*.h' | grep -v '^tests/layers/planted/' | xargs clang-format --dry-run --Werror)

# The cost table lists "<test name> <runs> <seconds>" up to a line "---"; names may hold spaces.
top20() {
    awk '/^---/ { exit } NF >= 3 { cost = $NF; $NF = ""; $(NF - 1) = ""; printf "%8.2f  %s\n", cost, $0 }' "$1" |
        sort -rn | sed -n 1,20p  # sed reads to the end: no broken pipe under pipefail
}

run_suite() {
    local name=$1 build=$2 select=$3; shift 3
    cmake -S "$root" -B "$build" -G Ninja "$@" >/dev/null
    cmake --build "$build" -j "$jobs"
    local status=0
    # One virtual screen large enough for every desktop size the tests ask for. Without -noreset the
    # server resets whenever its last client leaves, and a test that connects just then finds no display.
    xvfb-run -a -s "-screen 0 3840x2160x24 -noreset" \
        ctest --test-dir "$build" -j "$jobs" --output-on-failure $select || status=$?
    cp "$build/Testing/Temporary/CTestCostData.txt" "$costs/$name.txt" 2>/dev/null || true
    echo "== The 20 costliest tests of the $name suite (seconds) =="
    top20 "$costs/$name.txt"
    return $status
}

run_suite normal "$root/build" "" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORIA_WERROR=ON
# clang-tidy over the files the last commits changed, with the normal build's compile commands.
"$root/scripts/tidy.sh"
run_suite sanitize "$root/build-sanitize" "-LE heavy" -DCMAKE_BUILD_TYPE=Debug -DVELMORIA_SANITIZE=ON \
    -DVELMORIA_TOOLS=OFF -DVELMORIA_BENCH=OFF -DVELMORIA_WERROR=ON \
    -DVELMORIA_PREBUILT_ASSETS="$root/build/game/Assets"
