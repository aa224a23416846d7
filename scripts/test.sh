#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and
# runs every test headless; then the plain C++ parts once more, built by
# clang under AddressSanitizer and UndefinedBehaviorSanitizer, with a short
# fuzzing run of the level number reader; then the widgets and the game under
# the same sanitizers, built by GCC against Debian's Qt; last, the Windows side.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --test
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build-test -G Ninja -DKMQ_BUILD_UI=ON -DKMQ_WERROR=ON >/dev/null
cmake --build build-test
ctest --test-dir build-test --output-on-failure

cmake -S . -B build-sanitize -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DKMQ_SANITIZE=ON -DKMQ_FUZZ=ON \
  -DKMQ_BUILD_UI=OFF -DKMQ_BUILD_BENCH=OFF -DKMQ_WERROR=ON >/dev/null
cmake --build build-sanitize
ctest --test-dir build-sanitize --output-on-failure

# Only what the widget tests, the desktop suite and the sanitizers' own
# canary run is built; the plain C++ tests ran under the sanitizers above.
# Only failures are shown in full.
cmake -S . -B build-sanitize-ui -G Ninja -DCMAKE_CXX_COMPILER=g++ -DKMQ_SANITIZE=ON \
  -DKMQ_BUILD_UI=ON -DKMQ_BUILD_BENCH=OFF -DKMQ_WERROR=ON >/dev/null
cmake --build build-sanitize-ui --target ui_tests kongmingqi level_oracle sanitizer_canary -- --quiet
ctest --test-dir build-sanitize-ui -L 'ui|desktop|sanitizers' --output-on-failure |
  grep -Ev '^ +Start +[0-9]+: |Passed +[0-9.]+ sec$'

# The Windows side: the whole game cross-built with MinGW-w64 against Qt for
# Windows (built once per machine), its zip and installer, and under Wine the
# core tests, the game played on the virtual desktop and the downloads.
scripts/test-windows.sh
