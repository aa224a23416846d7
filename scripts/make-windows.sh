#!/usr/bin/env bash
# Makes what a Windows player downloads, from this checkout on Debian:
#   build-windows/dist/kongmingqi-<version>-windows-x64.zip   the portable game
#   build-windows/dist/kongmingqi-<version>-setup.exe         its installer
#   build-windows/dist/SHA256SUMS                             their checksums
# Builds Qt for Windows first when this machine has not built it yet (the
# better part of an hour, once; scripts/build-qt-windows.sh), then the game
# with MinGW-w64 against it: one program with Qt inside. The same commit
# makes the same bytes.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --windows
source scripts/source-date.sh

KMQ_QT_WINDOWS=$(scripts/build-qt-windows.sh | tail -n 1)
export KMQ_QT_WINDOWS
cmake --preset windows-downloads >/dev/null
cmake --build --preset windows-downloads -- --quiet
ls -l build-windows/dist
