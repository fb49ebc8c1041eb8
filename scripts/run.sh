#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the program (Release) and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/release"

"$root/scripts/deps.sh" run
if [[ ! -f "$build/CMakeCache.txt" ]]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSPIROLAN_TESTS=OFF
fi
cmake --build "$build" --target spirolan spirolan-cli

display_ok=false
if [[ -n "${WAYLAND_DISPLAY:-}" ]]; then
    runtime="${XDG_RUNTIME_DIR:-/run/user/$(id -u)}"
    [[ -S "$WAYLAND_DISPLAY" || -S "$runtime/$WAYLAND_DISPLAY" ]] && display_ok=true
fi
if ! $display_ok && [[ -n "${DISPLAY:-}" ]] && xdpyinfo >/dev/null 2>&1; then
    display_ok=true
fi
if ! $display_ok && [[ -z "${QT_QPA_PLATFORM:-}" ]]; then
    echo "spirolan: no display can be reached (DISPLAY='${DISPLAY:-}', WAYLAND_DISPLAY='${WAYLAND_DISPLAY:-}'); start it from a desktop session, or under xvfb-run." >&2
    exit 1
fi
exec "$build/app/spirolan"
