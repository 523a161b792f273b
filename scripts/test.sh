#!/usr/bin/env bash
# Sets up the machine, builds the installer and runs the whole test suite.
# Usage: scripts/test.sh [--sanitize]   (--sanitize builds with ASan and UBSan in build-sanitize/)
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=build
cmake_args=()
if [[ ${1:-} == --sanitize ]]; then
    build_dir=build-sanitize
    cmake_args+=(-DPLOVRIN_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
    export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi

scripts/setup.sh
cmake -S . -B "$build_dir" -G Ninja "${cmake_args[@]}"
cmake --build "$build_dir" -j2
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build_dir" --output-on-failure -j2
