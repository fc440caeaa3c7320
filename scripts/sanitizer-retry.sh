#!/usr/bin/env bash
# Runs one test program of the sanitizer build (ctest hands it the command line). LeakSanitizer itself
# sometimes fails to stop a process's many driver and audio threads at exit, more often while another
# large-window test loads the machine: only then is the program run again, at most twice. A failed
# check, a sanitizer's report or any other failure is final at once.
set -uo pipefail
internal='LeakSanitizer has encountered a fatal error|Tracer caught signal'
real='\[  FAILED  \]|ERROR: AddressSanitizer|ERROR: LeakSanitizer: detected|runtime error:'
for run in 1 2 3; do
    output=$("$@" 2>&1)
    status=$?
    printf '%s\n' "$output"
    [ "$status" -eq 0 ] && exit 0
    if ! grep -qE "$internal" <<<"$output" || grep -qE "$real" <<<"$output"; then
        exit "$status"
    fi
    [ "$run" -lt 3 ] && echo "sanitizer-retry: LeakSanitizer itself failed (run $run of 3); running again"
done
exit "$status"
