#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks in Release and runs them all (arguments go to every program).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/bench"

"$root/scripts/deps.sh" test
if [[ ! -f "$build/CMakeCache.txt" ]]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSPIROLAN_TESTS=OFF \
        -DSPIROLAN_BENCH=ON
fi
cmake --build "$build"
export QT_QPA_PLATFORM=offscreen
for program in "$build"/bench/*_bench; do
    echo "== $(basename "$program")"
    "$program" "$@"
done
