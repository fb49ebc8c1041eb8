#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of the last commit twice, from two copies of it under different
# paths, and checks that the two .deb files are byte for byte the same. Arguments go to
# package.sh. Usage: check_reproducible.sh [CMAKE_OPTION...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work="$root/build/reproducible"
SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct)
export SOURCE_DATE_EPOCH
# Both copies lie at the same depth under one folder, so that ccache finds the first build's
# objects by their relative paths: the second build mostly links.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$work}"
git -C "$root" diff --quiet HEAD || echo "note: changes not committed are not in these builds"

rm -rf "$work"
debs=()
for copy in first second; do
    mkdir -p "$work/$copy"
    git -C "$root" archive HEAD | tar -x -C "$work/$copy"
    # package.sh names its .deb on its last line.
    "$work/$copy/scripts/package.sh" "$@" | tee "$work/$copy.log"
    debs+=("$(tail -n 1 "$work/$copy.log")")
done
if cmp "${debs[@]}"; then
    echo "reproducible: both builds give the same $(stat -c %s "${debs[0]}") bytes" \
         "of $(basename "${debs[0]}")"
    exit 0
fi
# Name what differs, to start the search.
dpkg-deb -R "${debs[0]}" "$work/first.unpacked"
dpkg-deb -R "${debs[1]}" "$work/second.unpacked"
diff -rq "$work/first.unpacked" "$work/second.unpacked" >&2 || true
diff <(dpkg-deb -c "${debs[0]}") <(dpkg-deb -c "${debs[1]}") >&2 || true
echo "error: two builds of one commit give different packages" >&2
exit 1
