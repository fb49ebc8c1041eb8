#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds everything with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer (warnings as errors), and runs every test with CTest.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/test"

"$root/scripts/deps.sh" test
if [[ ! -f "$build/CMakeCache.txt" ]]; then
    CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DSPIROLAN_WERROR=ON -DSPIROLAN_SANITIZE=ON -DSPIROLAN_FUZZ=ON -DSPIROLAN_BENCH=ON
fi
cmake --build "$build"
cd "$build"
export QT_QPA_PLATFORM=offscreen
ctest --output-on-failure --timeout 600 -j2 "$@"
