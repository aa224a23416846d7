#!/usr/bin/env bash
# Builds Qt for 64-bit Windows from Debian's own qt6-base source, once per
# machine: static, with a static runtime, release, only Core, Gui, Widgets
# and the Windows platform plugin, cross-compiled with MinGW-w64 against the
# host tools (moc, rcc, uic) of this machine's Qt of the same version.
#
#   build-qt-windows.sh      builds Qt if the cache does not hold it yet and
#                            prints its install folder as the last line
#
# Needs Debian's qt6-base-dev (of the version whose source it fetches),
# g++-mingw-w64-x86-64-posix, dpkg-dev, cmake, ninja-build and python3:
# scripts/install-deps.sh --windows.
#
# The install folder lives in the user's cache, outside any checkout, and is
# named after the source version and a digest of what shapes the build (the
# configure options, the toolchain, the compiler's version), so a second run
# rebuilds nothing and a changed option builds anew; an edit elsewhere in
# this script does not, so delete the cache folder after one that changes
# what is built. Runs at the same time wait for each other. The build takes
# 20 to 45 minutes on two cores; it prints its progress, and its wall time
# at the end.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

# The source of the very Qt whose host tools the build uses: both 6.4.2.
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
upstream=${version%-*}
upstream=${upstream%+dfsg}
triplet=x86_64-w64-mingw32

# Only what the game links. The host tools come from Debian's Qt, so none is
# built for Windows. Debian's source leaves out the tablet library (wintab),
# so tablet events are off too; the game reads PNG and BMP only, both built
# into QtGui. Without Direct2D, QtGui leaves out the DirectWrite 3 font
# database, which the platform plugin would otherwise expect; it is used
# only when asked for on the command line, never by default.
configure_options=(
    -release -static -static-runtime
    -xplatform win32-g++ -qt-host-path /usr
    -nomake examples -nomake tests
    -qt-zlib -qt-libpng -qt-freetype -qt-harfbuzz -qt-pcre
    -no-gif -no-libjpeg -no-ico -no-icu -no-opengl -no-dbus
    -no-feature-sql -no-feature-network -no-feature-testlib
    -no-feature-printsupport -no-feature-concurrent -no-feature-xml
    -no-feature-vulkan -no-feature-tabletevent -no-feature-direct2d -no-feature-directwrite3
)

# A toolchain of the cache's own, so the installed Qt never points back into
# a checkout that may be gone.
toolchain_text="set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER $triplet-gcc-posix)
set(CMAKE_CXX_COMPILER $triplet-g++-posix)
set(CMAKE_RC_COMPILER $triplet-windres)
set(CMAKE_FIND_ROOT_PATH /usr/$triplet)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
"

digest=$( {
    echo "$version"
    printf '%s\n' "${configure_options[@]}"
    echo "$toolchain_text"
    $triplet-g++-posix --version | head -1
} | sha256sum | cut -c1-12)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/kongmingqi
prefix=$cache/qt-$upstream-win64-static-$digest

# One build at a time on a machine: a second run waits, then finds the
# first one's Qt in the cache instead of removing its work.
mkdir -p "$cache"
exec 9>"$cache/qt-win64-build.lock"
flock 9

if [[ -f $prefix/.complete ]]; then
    echo "Qt for Windows $upstream found in the cache" >&2
    echo "$prefix"
    exit 0
fi

started=$SECONDS
work=$cache/qt-$upstream-win64-static-$digest.work
rm -rf "$work" "$prefix"
mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$work/source"
log=$work/build.log
echo "Building Qt for Windows $upstream into $prefix; the log is $log" >&2

# apt's own client with a sources list, state and cache of this build's
# own: the machine's apt configuration is left as it is.
cat >"$work/apt/sources.list" <<EOF
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm-updates main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian-security bookworm-security main
EOF
apt_options=(-o "Dir::Etc::SourceList=$work/apt/sources.list"
             -o "Dir::Etc::SourceParts=$work/apt/sources.list.d"
             -o "Dir::State::Lists=$work/apt/lists"
             -o "Dir::Cache=$work/apt/cache"
             -o "APT::Sandbox::User=root")
echo "-- fetching qt6-base $version" >&2
apt-get "${apt_options[@]}" -qq update >>"$log" 2>&1 || {
    tail -20 "$log" >&2
    echo "reading Debian's source index failed" >&2
    exit 1
}
# apt checks each download against the source index, which the archive's
# key signs; dpkg-source then checks every file against the checksums in
# the .dsc before it unpacks.
(cd "$work/source" && apt-get "${apt_options[@]}" source "qt6-base=$version") >>"$log" 2>&1 || {
    tail -20 "$log" >&2
    echo "fetching qt6-base $version failed" >&2
    exit 1
}
source_dir=$(find "$work/source" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')

echo "$toolchain_text" >"$work/toolchain.cmake"
mkdir -p "$work/build"
echo "-- configuring" >&2
(cd "$work/build" && "$source_dir/configure" -prefix "$prefix" "${configure_options[@]}" -- \
    -G Ninja -DCMAKE_TOOLCHAIN_FILE="$work/toolchain.cmake" \
    -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(gcc -dumpmachine)/cmake") >>"$log" 2>&1 || {
    tail -40 "$log" >&2
    echo "configuring Qt for Windows failed" >&2
    exit 1
}

# Ninja's [done/total] counter, shown at every tenth of the way.
echo "-- building" >&2
set +e
ninja -C "$work/build" -j "$(nproc)" 2>&1 | tee -a "$log" | awk -v start="$SECONDS" '
    match($0, /^\[[0-9]+\/[0-9]+\]/) {
        split(substr($0, 2, RLENGTH - 2), n, "/")
        step = int(10 * n[1] / n[2])
        if (step > shown) { shown = step; printf "   %d%% (%d of %d)\n", 10 * step, n[1], n[2] > "/dev/stderr"; fflush() }
    }'
status=${PIPESTATUS[0]}
set -e
if ((status != 0)); then
    grep -E -B2 -A12 'FAILED|error:' "$log" | head -60 >&2
    echo "building Qt for Windows failed" >&2
    exit 1
fi
echo "-- installing" >&2
cmake --install "$work/build" >>"$log" 2>&1
# What the program that carries this Qt must pass on to its players.
python3 "$here/qt_notices.py" "$source_dir" "$upstream" "$prefix/THIRD-PARTY-NOTICES.txt"
touch "$prefix/.complete"
rm -rf "$work"
# Builds made with other options or sources are of no more use.
find "$cache" -mindepth 1 -maxdepth 1 -name 'qt-*-win64-static-*' ! -path "$prefix" -exec rm -rf {} +
elapsed=$((SECONDS - started))
echo "Qt for Windows $upstream built in $((elapsed / 60)) min $((elapsed % 60)) s" >&2
echo "$prefix"
