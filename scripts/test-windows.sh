#!/usr/bin/env bash
# The Windows side, from Linux: Qt for Windows built from Debian's source
# once per machine (scripts/build-qt-windows.sh), then the whole game built
# against it with MinGW-w64, with its zip and installer; then under Wine the
# plain C++ parts' tests, the test that reads the version information and
# icon back from a program built with the game's resource script, the game
# played on a virtual X desktop, the downloads installed and uninstalled, and
# the solver benchmark once. Each step's output is kept in the build folder
# and shown only when the step fails; what is printed is how long each took.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --test

build="build-windows"
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
qt=$(scripts/build-qt-windows.sh | tail -n 1)
echo "== Windows Qt: $(seconds_since "$started") s"
# The first configuration also creates the Wine prefix in the build folder.
step configure cmake -S . -B "$build" -G Ninja --toolchain cmake/mingw-w64-x86_64.cmake \
     -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH="$qt" \
     -DKMQ_BUILD_UI=ON -DKMQ_BUILD_TESTS=ON -DKMQ_BUILD_BENCH=ON -DKMQ_WERROR=ON
step build cmake --build "$build" --target all windows_downloads -j "$jobs"
step tests ctest --test-dir "$build" --output-on-failure -j "$jobs"
grep -E '^[0-9]+% tests passed' "$logs/tests.log"

prefix=$(sed -n 's/^KMQ_WINEPREFIX:PATH=//p' "$build/CMakeCache.txt")
step benchmark cmake/wine-run.sh "$prefix" "$build/bench/solver_bench.exe"
sed 's/^/   /' "$logs/benchmark.log"

echo "== Windows step in all: $(seconds_since "$started") s"
