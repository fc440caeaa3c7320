#!/usr/bin/env bash
# Installs what is missing, builds everything, and runs the whole test suite headless: once in the
# normal build and once under AddressSanitizer and UndefinedBehaviorSanitizer, in a virtual X server
# with OpenAL's null audio back-end.
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

run_suite() {
    local build=$1 repeat=$2; shift 2
    cmake -S "$root" -B "$build" -G Ninja "$@" >/dev/null
    cmake --build "$build" -j "$jobs"
    # One virtual screen large enough for every desktop size the tests ask for. Without -noreset the
    # server resets whenever its last client leaves, and a test that connects just then finds no display.
    xvfb-run -a -s "-screen 0 3840x2160x24 -noreset" ctest --test-dir "$build" -j "$jobs" --output-on-failure $repeat
}

run_suite "$root/build" "" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORIA_WERROR=ON
# LeakSanitizer itself may still now and then fail to stop a process's many driver and audio threads
# at exit ("LeakSanitizer has encountered a fatal error"), more often while another large-window test
# loads the machine: such a test gets up to two more runs. A real leak or a failed check fails every run.
run_suite "$root/build-sanitize" "--repeat until-pass:3" -DCMAKE_BUILD_TYPE=Debug -DVELMORIA_SANITIZE=ON -DVELMORIA_BENCH=OFF -DVELMORIA_WERROR=ON
