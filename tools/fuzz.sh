#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs them one after the other, sharing the
# given seconds (default 60) between them. Each target keeps its corpus in build-fuzz/corpus/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
targets=(profile_fuzz events_fuzz skin_fuzz)
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DTARNWICK_FUZZ=ON -DBUILD_TESTING=OFF \
  -DTARNWICK_BENCH=OFF -DTARNWICK_WERROR=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz --target "${targets[@]}"
each=$((seconds / ${#targets[@]}))
for target in "${targets[@]}"; do
  corpus=build-fuzz/corpus/$target
  mkdir -p "$corpus"
  cp -n tests/data/profiles/*.cfg "$corpus"/ 2>/dev/null || true
  cp -n fuzz/corpus/"${target%_fuzz}"/* "$corpus"/ 2>/dev/null || true
  build-fuzz/bin/$target -max_total_time="$each" -max_len=4096 -print_final_stats=1 "$corpus"
done
