#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and
# runs every test headless; then the plain C++ parts once more, built by
# clang under AddressSanitizer and UndefinedBehaviorSanitizer, with a short
# fuzzing run of the level number reader; then the widgets and the game under
# the same sanitizers, built by GCC against Debian's Qt; last, the Windows
# side. Each build is one of CMakePresets.json.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --test
export QT_QPA_PLATFORM=offscreen

cmake --preset test >/dev/null
cmake --build --preset test
ctest --preset test

cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize

# Only failures are shown in full.
cmake --preset sanitize-ui >/dev/null
cmake --build --preset sanitize-ui -- --quiet
ctest --preset sanitize-ui | grep -Ev '^ +Start +[0-9]+: |Passed +[0-9.]+ sec$'

# The Debian package as the README makes it, and made again from a copy of
# the sources elsewhere: the same bytes.
scripts/make-deb.sh >/dev/null
scripts/same-bytes-elsewhere.sh deb "$(ls build-deb/package/*.deb)"

# The Windows side: the whole game cross-built with MinGW-w64 against Qt for
# Windows (built once per machine), its zip and installer, and under Wine the
# core tests, the game played on the virtual desktop and the downloads; the
# downloads made again elsewhere give the same bytes.
scripts/test-windows.sh
