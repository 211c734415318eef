#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer and runs every
# test, each test case in its own process. Exits non-zero on any failure.
# JOBS sets the number of parallel build and test jobs (default: all cores).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/tools/install-deps.sh"
build="$here/build/sanitize"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DWORKBENCH_SANITIZE=ON -DWORKBENCH_TESTS=ON >/dev/null
jobs="${JOBS:-$(nproc)}"
cmake --build "$build" -j"$jobs"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd "$build"
ctest -j"$jobs" --output-on-failure --timeout 300
