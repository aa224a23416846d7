#!/usr/bin/env bash
# Installs what is missing, builds the game with the compiler and linker
# flags Debian builds its own packages with (hardening included) and makes
# the Debian package, in build-deb/package/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --package

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# CMake has no variable for CPPFLAGS (where _FORTIFY_SOURCE is): they go
# with the compiler flags. Build type None adds nothing of its own.
cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=None \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  -DKMQ_BUILD_UI=ON -DKMQ_BUILD_TESTS=OFF -DKMQ_BUILD_BENCH=OFF >/dev/null
cmake --build build-deb
(cd build-deb && cpack)
