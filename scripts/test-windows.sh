#!/usr/bin/env bash
# The Windows side, from Linux: builds the plain C++ parts for 64-bit Windows
# with MinGW-w64 and runs their tests under Wine (with them the test that reads
# the game's version information and icon back from a program built with its
# resource script), compiles the windows and the platform layer as for
# Windows against this machine's Qt headers, syntax only, and runs the solver
# benchmark once. Each step's output is kept in the build folder and shown
# only when the step fails; what is printed is how long each took.
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
# The first configuration also creates the Wine prefix in the build folder.
step configure cmake -S . -B "$build" -G Ninja --toolchain cmake/mingw-w64-x86_64.cmake \
     -DKMQ_BUILD_UI=OFF -DKMQ_BUILD_BENCH=ON -DKMQ_WERROR=ON
step build cmake --build "$build" -j "$jobs"
step tests ctest --test-dir "$build" --output-on-failure -j "$jobs"
grep -E '^[0-9]+% tests passed' "$logs/tests.log"

prefix=$(sed -n 's/^KMQ_WINEPREFIX:PATH=//p' "$build/CMakeCache.txt")
step benchmark cmake/wine-run.sh "$prefix" "$build/bench/solver_bench.exe"
sed 's/^/   /' "$logs/benchmark.log"

echo "== Windows step in all: $(seconds_since "$started") s"
