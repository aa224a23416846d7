#!/usr/bin/env bash
# The Windows side, from Linux: Qt for Windows built from Debian's source
# once per machine (scripts/build-qt-windows.sh), then the whole game built
# against it with MinGW-w64, with its zip and installer; then under Wine the
# plain C++ parts' tests, the test that reads the version information and
# icon back from a program built with the game's resource script, the game
# played on a virtual X desktop, the downloads installed and uninstalled, and
# the solver benchmark once; last, the downloads made again from a copy of
# the sources elsewhere with scripts/make-windows.sh, which must give the
# same bytes. Each step's output is kept in the build folder and shown only
# when the step fails; what is printed is how long each took.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --test
source scripts/source-date.sh

build="build-windows-tests"
logs="$build/logs"
jobs=$(nproc)

# Seconds since START (microseconds, from bash's clock), to a tenth.
seconds_since() {
    local tenths=$(((${EPOCHREALTIME/[.,]/} - $1) / 100000))
    echo "$((tenths / 10)).$((tenths % 10))"
}

# Runs a step with its output in LOGS/NAME.log, shown if the step fails.
step() {
    local name=$1 start=${EPOCHREALTIME/[.,]/}
    shift
    mkdir -p "$logs"
    if ! "$@" >"$logs/$name.log" 2>&1; then
        cat "$logs/$name.log"
        echo "== Windows $name failed after $(seconds_since "$start") s"
        return 1
    fi
    echo "== Windows $name: $(seconds_since "$start") s"
}

started=${EPOCHREALTIME/[.,]/}
# Long the first time on a machine, so its progress is shown.
KMQ_QT_WINDOWS=$(scripts/build-qt-windows.sh | tail -n 1)
export KMQ_QT_WINDOWS
echo "== Windows Qt: $(seconds_since "$started") s"
# The first configuration also creates the Wine prefix in the build folder.
step configure cmake --preset windows
step build cmake --build --preset windows --target all windows_downloads -j "$jobs"
step tests ctest --preset windows -j "$jobs"
grep -E '^[0-9]+% tests passed' "$logs/tests.log"

prefix=$(sed -n 's/^KMQ_WINEPREFIX:PATH=//p' "$build/CMakeCache.txt")
step benchmark cmake/wine-run.sh "$prefix" "$(find "$build" -name solver_bench.exe | head -1)"
sed 's/^/   /' "$logs/benchmark.log"

step reproduced scripts/same-bytes-elsewhere.sh windows "$build/dist"
sed 's/^/   /' "$logs/reproduced.log" | tail -4
echo "== Windows step in all: $(seconds_since "$started") s"
