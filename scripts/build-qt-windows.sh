#!/usr/bin/env bash
# Builds Qt for 64-bit Windows from Debian's own qt6-base source, once per
# machine: static, with a static runtime, release, built for size, only
# Core, Gui, Widgets and the Windows platform plugin with the features the
# game uses, cross-compiled with MinGW-w64 against the host tools (moc, rcc,
# uic) of this machine's Qt of the same version.
#
#   build-qt-windows.sh           builds Qt unless the cache holds it, and
#                                 prints its install folder as the last line
#   build-qt-windows.sh --key     prints the name of that folder only
#   build-qt-windows.sh --sources prints the source entries apt is given
#
# Needs Debian's qt6-base-dev (of the version whose source it fetches),
# g++-mingw-w64-x86-64-posix, dpkg-dev, cmake, ninja-build and python3:
# scripts/install-deps.sh --windows.
#
# The install folder lives in the user's cache, outside any checkout. Its
# name carries the source version and a digest of everything that shapes
# what is installed: the configure options, the toolchain, the versions of
# the MinGW-w64 compiler, runtime and binutils, this script and the notices
# writer. A second run rebuilds nothing; a change to any of these builds
# anew. A build that failed or was interrupted resumes where it stopped.
# Runs at the same time wait for each other. The first build takes 20 to 45
# minutes on two cores; it prints its progress, and its wall time at the end.
set -euo pipefail
# Bash reads a script as it runs it; the braces make it read this one whole
# first, so an edit made while a long build runs changes nothing underway.
{
here=$(cd "$(dirname "$0")" && pwd)

# The source of the very Qt whose host tools the build uses: both 6.4.2.
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
upstream=${version%-*}
upstream=${upstream%+dfsg}
triplet=x86_64-w64-mingw32
cache=${XDG_CACHE_HOME:-$HOME/.cache}/kongmingqi

# Only what the game uses, built for size: each function and datum in a
# section of its own, so that the program's link keeps only what is called.
# The host tools come from Debian's Qt, so none is built for Windows.
# Debian's source leaves out the tablet library (wintab), so tablet events
# are off too. Without Direct2D, QtGui leaves out the DirectWrite 3 font
# database, which the platform plugin would otherwise expect; it is used
# only when asked for on the command line, never by default; so is the
# FreeType font engine. The game reads PNG and BMP only, both built into
# QtGui, and shows no file, colour, font or print dialog, no views of
# lists, tables or trees, no rich text documents and no other widgets but
# its own few. (Qt 6.4's Widgets still needs the main window and the tool
# bar, and its Windows style the input dialog, the item views, dock
# widgets, tab widgets and command link buttons.)
configure_options=(
    -release -static -static-runtime -optimize-size -gc-binaries
    -xplatform win32-g++ -qt-host-path /usr
    -nomake examples -nomake tests
    -qt-zlib -qt-libpng -qt-harfbuzz -qt-pcre -no-freetype
    -no-gif -no-libjpeg -no-ico -no-icu -no-opengl -no-dbus
    -no-feature-sql -no-feature-network -no-feature-testlib
    -no-feature-printsupport -no-feature-concurrent -no-feature-xml
    -no-feature-vulkan -no-feature-tabletevent -no-feature-direct2d -no-feature-directwrite3
    -no-feature-filedialog -no-feature-colordialog -no-feature-fontdialog -no-feature-progressdialog
    -no-feature-errormessage -no-feature-wizard
    -no-feature-statusbar -no-feature-mdiarea
    -no-feature-calendarwidget -no-feature-datetimeedit -no-feature-fontcombobox
    -no-feature-columnview
    -no-feature-listwidget -no-feature-treewidget -no-feature-tablewidget -no-feature-undoview
    -no-feature-textbrowser -no-feature-syntaxhighlighter -no-feature-graphicsview
    -no-feature-splashscreen -no-feature-splitter -no-feature-lcdnumber -no-feature-dial
    -no-feature-toolbox -no-feature-keysequenceedit
    -no-feature-completer -no-feature-datawidgetmapper -no-feature-whatsthis
    -no-feature-textodfwriter -no-feature-textmarkdownreader -no-feature-textmarkdownwriter
    -no-feature-pdf -no-feature-movie -no-feature-picture
    -no-feature-imageformat_ppm -no-feature-imageformat_xbm
    -no-feature-systemtrayicon -no-feature-sessionmanager -no-feature-process -no-feature-sharedmemory
    -no-feature-systemsemaphore -no-feature-filesystemwatcher -no-feature-filesystemmodel
    -no-feature-commandlineparser -no-feature-jalalicalendar -no-feature-islamiccivilcalendar
    -no-feature-raster-64bit -no-feature-raster-fp -no-feature-mimetype -no-feature-xmlstream
    -no-feature-style-fusion -no-feature-graphicseffect
)

# A toolchain of the cache's own, so the installed Qt never points back into
# a checkout that may be gone. Paths of the cache become relative in what is
# compiled, so the same Qt comes out in another user's cache.
toolchain_text="set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER $triplet-gcc-posix)
set(CMAKE_CXX_COMPILER $triplet-g++-posix)
set(CMAKE_RC_COMPILER $triplet-windres)
set(CMAKE_C_FLAGS_INIT \"-ffile-prefix-map=$cache/=\")
set(CMAKE_CXX_FLAGS_INIT \"-ffile-prefix-map=$cache/=\")
set(CMAKE_FIND_ROOT_PATH /usr/$triplet)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
"

# The Debian packages of the cross toolchain whose versions shape the build.
toolchain_packages=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix-runtime mingw-w64-x86-64-dev
                    binutils-mingw-w64-x86-64)

digest=$( {
    echo "$version"
    printf '%s\n' "${configure_options[@]}"
    echo "$toolchain_text"
    dpkg-query -W -f='${Package} ${Version}\n' "${toolchain_packages[@]}" 2>&1
    $triplet-g++-posix --version | head -1
    cat "$here/build-qt-windows.sh" "$here/qt_notices.py"
} | sha256sum | cut -c1-12)
name=qt-$upstream-win64-static-$digest
prefix=$cache/$name
work=$cache/$name.work

if [[ "${1:-}" == "--key" ]]; then
    echo "$name"
    exit 0
fi

# The machine's own package sources (a mirror, the next point release), as
# source entries: one-line "deb" entries become "deb-src", and deb822
# stanzas of type deb get deb-src too. KMQ_APT_ETC stands in for /etc/apt
# in the tests.
apt_etc=${KMQ_APT_ETC:-/etc/apt}
source_entries() {
    local file
    shopt -s nullglob
    for file in "$apt_etc/sources.list" "$apt_etc"/sources.list.d/*.list; do
        [[ -f "$file" ]] && sed -nE 's/^[[:space:]]*deb[[:space:]]+/deb-src /p' "$file"
    done
    for file in "$apt_etc"/sources.list.d/*.sources; do
        awk 'BEGIN { RS = ""; ORS = "\n\n" }
             /(^|\n)Enabled:[[:space:]]*no/ { next }
             /(^|\n)Types:[^\n]*(^|[[:space:]])deb([[:space:]]|$)/ {
                 sub(/(^|\n)Types:[^\n]*/, "\nTypes: deb-src"); sub(/^\n/, ""); print }' "$file" |
            sed -E '/^#/d'
    done
}
if [[ "${1:-}" == "--sources" ]]; then
    source_entries
    exit 0
fi

# One build at a time on a machine: a second run waits, then finds the
# first one's Qt in the cache instead of redoing its work.
mkdir -p "$cache"
exec 9>"$cache/qt-win64-build.lock"
flock 9

if [[ -f $prefix/.complete ]]; then
    echo "Qt for Windows $upstream found in the cache" >&2
    echo "$prefix"
    exit 0
fi

started=$SECONDS
mkdir -p "$work"
log=$work/build.log
if [[ -e $work/.source ]]; then
    echo "Resuming the build of Qt for Windows $upstream in $work; the log is $log" >&2
else
    echo "Building Qt for Windows $upstream into $prefix; the log is $log" >&2
fi

# apt's own client with the machine's sources as source entries, and state
# and cache of this build's own: the machine's apt configuration is left as
# it is. apt checks each download against the source index, which the
# archive's key signs; dpkg-source then checks every file against the
# checksums in the .dsc before it unpacks.
if [[ ! -e $work/.source ]]; then
    rm -rf "$work/apt" "$work/source"
    mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$work/apt/sources.list.d" "$work/source"
    source_entries >"$work/apt/sources.list.d/machine.sources.list"
    # deb822 stanzas and one-line entries go to files of their own kind.
    grep -v '^deb-src ' "$work/apt/sources.list.d/machine.sources.list" >"$work/apt/sources.list.d/machine.sources" || true
    grep '^deb-src ' "$work/apt/sources.list.d/machine.sources.list" >"$work/apt/sources.list.d/machine.list" || true
    rm "$work/apt/sources.list.d/machine.sources.list"
    apt_options=(-o "Dir::Etc::SourceList=/dev/null"
                 -o "Dir::Etc::SourceParts=$work/apt/sources.list.d"
                 -o "Dir::State::Lists=$work/apt/lists"
                 -o "Dir::Cache=$work/apt/cache"
                 -o "APT::Sandbox::User=root")
    echo "-- fetching qt6-base $version" >&2
    # A source this machine uses but that offers no source packages only
    # says so in the log; what counts is whether qt6-base is found.
    apt-get "${apt_options[@]}" -qq update >>"$log" 2>&1 || true
    if ! (cd "$work/source" && apt-get "${apt_options[@]}" source "qt6-base=$version") >>"$log" 2>&1; then
        tail -5 "$log" >&2
        . /etc/os-release
        echo "The package sources of this machine ($PRETTY_NAME) do not offer the source of qt6-base $version," >&2
        echo "the version of its qt6-base-dev, which the build must match. Bring Qt up to date" >&2
        echo "(apt-get update, then apt-get install qt6-base-dev) and run this again." >&2
        exit 1
    fi
    touch "$work/.source"
fi
source_dir=$(find "$work/source" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')

if [[ ! -e $work/.configured ]]; then
    echo "$toolchain_text" >"$work/toolchain.cmake"
    rm -rf "$work/build"
    mkdir -p "$work/build"
    echo "-- configuring" >&2
    (cd "$work/build" && "$source_dir/configure" -prefix "$prefix" "${configure_options[@]}" -- \
        -G Ninja -DCMAKE_TOOLCHAIN_FILE="$work/toolchain.cmake" \
        -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(gcc -dumpmachine)/cmake") >>"$log" 2>&1 || {
        tail -40 "$log" >&2
        echo "configuring Qt for Windows failed" >&2
        exit 1
    }
    touch "$work/.configured"
fi

# Ninja's [done/total] counter, shown at every tenth of the way; ninja takes
# up where an interrupted build stopped.
echo "-- building" >&2
set +e
ninja -C "$work/build" -j "$(nproc)" 2>&1 | tee -a "$log" | awk '
    match($0, /^\[[0-9]+\/[0-9]+\]/) {
        split(substr($0, 2, RLENGTH - 2), n, "/")
        step = int(10 * n[1] / n[2])
        if (step > shown) { shown = step; printf "   %d%% (%d of %d)\n", 10 * step, n[1], n[2] > "/dev/stderr"; fflush() }
    }'
status=${PIPESTATUS[0]}
set -e
if ((status != 0)); then
    grep -E -B2 -A12 'FAILED|error:' "$log" | head -60 >&2
    echo "building Qt for Windows failed; the next run takes up where it stopped" >&2
    exit 1
fi
echo "-- installing" >&2
rm -rf "$prefix"
cmake --install "$work/build" >>"$log" 2>&1
# What the program that carries this Qt must pass on to its players.
python3 "$here/qt_notices.py" "$source_dir" "$upstream" "$prefix/THIRD-PARTY-NOTICES.txt"
touch "$prefix/.complete"
rm -rf "$work"
# Builds made with other options, sources or tools are of no more use.
find "$cache" -mindepth 1 -maxdepth 1 -name 'qt-*-win64-static-*' ! -path "$prefix" -exec rm -rf {} +
elapsed=$((SECONDS - started))
echo "Qt for Windows $upstream built in $((elapsed / 60)) min $((elapsed % 60)) s" >&2
echo "$prefix"
exit
}
