#!/usr/bin/env bash
# Builds Tarnwick and runs every test. `tools/test.sh --sanitize` does the same in a separate
# build folder with the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh

build=build
flags=()
if [ "${1:-}" = "--sanitize" ]; then
  build=build-asan
  flags=(-DTARNWICK_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DTARNWICK_BENCH=OFF)
  # Qt's font and platform caches live until the process ends; those leaks are not ours.
  export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
fi
cmake -S . -B "$build" -G Ninja "${flags[@]}" >/dev/null
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j2
