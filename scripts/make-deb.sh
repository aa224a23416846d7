#!/usr/bin/env bash
# Installs what is missing, builds the game with the compiler and linker
# flags Debian builds its own packages with (hardening included) and makes
# the Debian package, in build-deb/package/. The same commit makes the same
# package: its files carry the time of the last commit.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --package
source scripts/source-date.sh

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# CMake reads CXXFLAGS and LDFLAGS when it first configures a build; it has
# no variable for CPPFLAGS (where _FORTIFY_SOURCE is), so they go with the
# compiler's flags. The build type None adds nothing of its own.
export CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
export LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --preset deb >/dev/null
cmake --build --preset deb
rm -rf build-deb/package  # only this version's package is left there
(cd build-deb && cpack)
