#!/usr/bin/env bash
# Makes what a Windows player downloads, from this checkout on Debian:
#   build-windows/dist/kongmingqi-<version>-windows-x64.zip   the portable game
#   build-windows/dist/kongmingqi-<version>-setup.exe         its installer
# Builds Qt for Windows first when this machine has not built it yet (the
# better part of an hour, once; scripts/build-qt-windows.sh), then the game
# with MinGW-w64 against it: one program with Qt inside.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --windows

qt=$(scripts/build-qt-windows.sh | tail -n 1)
build=build-windows
cmake -S . -B "$build" -G Ninja --toolchain cmake/mingw-w64-x86_64.cmake \
      -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH="$qt" \
      -DKMQ_BUILD_UI=ON -DKMQ_BUILD_TESTS=OFF -DKMQ_BUILD_BENCH=OFF -DKMQ_WERROR=ON >/dev/null
cmake --build "$build" --target windows_downloads -- --quiet
ls -l "$build"/dist/
