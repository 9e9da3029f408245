#!/bin/sh
# Builds the macro host benchmark in its own build folder and runs it.
# Usage: run_bench.sh [BUILD_DIR]   (default: build-bench beside the sources)
set -e
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../../build-bench}
launcher=$(command -v ccache || true)
cmake -S "$here/../.." -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUODEX_BUILD_BENCH=ON \
    -DQUODEX_BUILD_TESTS=OFF ${launcher:+-DCMAKE_CXX_COMPILER_LAUNCHER=$launcher} > /dev/null
ninja -C "$build" macrohost_bench quodex-macro > /dev/null
"$build/bench/macrohost/macrohost_bench"
