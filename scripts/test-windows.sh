#!/usr/bin/env bash
# The Windows side, from Linux: builds the plain C++ parts for 64-bit Windows
# with MinGW-w64 and runs their tests under Wine (with them the test that reads
# the game's version information and icon back from a program built with its
# resource script), compiles the windows and the platform layer as for
# Windows against this machine's Qt headers, syntax only, and runs the solver
# benchmark once. Says how long each step took.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --test

build="build-windows"
jobs=$(nproc)

# Seconds since START (microseconds, from bash's clock), to a tenth.
seconds_since() {
    local tenths=$(((${EPOCHREALTIME/./} - $1) / 100000))
    echo "$((tenths / 10)).$((tenths % 10))"
}

# One build at a time on a shared machine: the lock is held from configuring
# to the benchmark, so that also measures an otherwise idle machine.
exec {lock}>"${KMQ_BUILD_LOCK:-/tmp/kmq-build.lock}"
started=${EPOCHREALTIME/./}
flock "$lock"
echo "== waiting for the build lock: $(seconds_since "$started") s"
started=${EPOCHREALTIME/./}

# Runs a step without the lock's file descriptor: Wine's server outlives the
# programs it ran by a few seconds and would hold the lock that long.
timed() {
    local name=$1 start=${EPOCHREALTIME/./}
    shift
    "$@" {lock}>&-
    echo "== $name: $(seconds_since "$start") s"
}

# The first configuration also creates the Wine prefix in the build folder.
timed configure cmake -S . -B "$build" -G Ninja --toolchain cmake/mingw-w64-x86_64.cmake \
          -DKMQ_BUILD_UI=OFF -DKMQ_BUILD_BENCH=ON -DKMQ_WERROR=ON --log-level=WARNING
timed build cmake --build "$build" -j "$jobs"
timed tests ctest --test-dir "$build" --output-on-failure -j "$jobs"

prefix=$(sed -n 's/^KMQ_WINEPREFIX:PATH=//p' "$build/CMakeCache.txt")
timed benchmark cmake/wine-run.sh "$prefix" "$build/bench/solver_bench.exe"

echo "== Windows step in all, once the lock was held: $(seconds_since "$started") s"
