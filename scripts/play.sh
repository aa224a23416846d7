#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DKMQ_BUILD_UI=ON \
  -DKMQ_BUILD_TESTS=OFF -DKMQ_BUILD_BENCH=OFF >/dev/null
cmake --build build --target kongmingqi
exec build/ui/kongmingqi
