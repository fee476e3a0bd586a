#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite: the unit, integration and
# end-to-end tests, the same tests again under the address and
# undefined-behaviour sanitizers, and a short run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
jobs=$(nproc)

echo "== tests"
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/test -j "$jobs"
ctest --test-dir build/test --output-on-failure -j "$jobs"

echo "== tests under the sanitizers"
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DVELMORA_SANITIZE=ON -DVELMORA_BUILD_BENCH=OFF
cmake --build build/sanitize -j "$jobs"
ctest --test-dir build/sanitize --output-on-failure -j "$jobs"

echo "== fuzz targets, briefly"
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELMORA_FUZZ=ON -DVELMORA_BUILD_TESTS=OFF -DVELMORA_BUILD_BENCH=OFF
cmake --build build/fuzz -j "$jobs"
for target in build/fuzz/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  echo "-- $(basename "$target")"
  "$target" -runs=200000 -max_len=70000
done
