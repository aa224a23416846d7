#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and
# runs every test headless; then the game core once more under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --test
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build-test -G Ninja -DKMQ_WERROR=ON >/dev/null
cmake --build build-test
ctest --test-dir build-test --output-on-failure

cmake -S . -B build-sanitize -G Ninja -DKMQ_SANITIZE=ON -DKMQ_BUILD_UI=OFF -DKMQ_BUILD_BENCH=OFF -DKMQ_WERROR=ON >/dev/null
cmake --build build-sanitize
ctest --test-dir build-sanitize --output-on-failure
