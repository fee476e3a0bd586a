#!/usr/bin/env bash
# Sets up, builds and opens the reader on the embedded book.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DVELMORA_BUILD_TESTS=OFF -DVELMORA_BUILD_BENCH=OFF
cmake --build build/release --target velmora

exec build/release/app/velmora "$@"
