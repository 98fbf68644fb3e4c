#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given seconds (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DTARNWICK_FUZZ=ON -DBUILD_TESTING=OFF \
  -DTARNWICK_BENCH=OFF -DTARNWICK_WERROR=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz --target profile_fuzz
mkdir -p build-fuzz/corpus
cp -n tests/data/profiles/*.cfg build-fuzz/corpus/ 2>/dev/null || true
build-fuzz/bin/profile_fuzz -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 build-fuzz/corpus
