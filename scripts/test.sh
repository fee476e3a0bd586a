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
cmake --build build/fuzz -j "$jobs" \
  --target fuzz_book_record fuzz_book_record_seeds fuzz_settings_file fuzz_search \
  fuzz_clipboard
seeds=build/fuzz/seeds
rm -rf "$seeds" && mkdir -p "$seeds/book" "$seeds/corpus"
build/fuzz/fuzz/fuzz_book_record_seeds "$seeds/book"
build/fuzz/fuzz/fuzz_book_record -runs=300000 -max_len=2048 "$seeds/corpus" "$seeds/book"
build/fuzz/fuzz/fuzz_settings_file -runs=300000 -max_len=4096
build/fuzz/fuzz/fuzz_search -runs=300000 -max_len=1024
build/fuzz/fuzz/fuzz_clipboard -runs=300000 -max_len=4096
