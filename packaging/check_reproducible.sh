#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package twice from the last commit, in this tree and from a copy of the
# commit under another path, and checks that the two .deb files are byte for byte the same.
# Arguments go to package.sh. Usage: check_reproducible.sh [CMAKE_OPTION...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if ! git -C "$root" diff --quiet HEAD; then
    echo "error: the working tree differs from the last commit; commit first, so that both" \
         "builds are of one commit" >&2
    exit 1
fi
SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct)
export SOURCE_DATE_EPOCH
# The copy lies inside this tree, so that ccache finds the first build's objects by their paths
# relative to it; the second build then mostly links.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$root}"
copy="$root/build/reproducible"
rm -rf "$copy"
mkdir -p "$copy/src"
git -C "$root" archive HEAD | tar -x -C "$copy/src"

# package.sh names its .deb on its last line.
"$root/scripts/package.sh" "$@" | tee "$copy/first.log"
"$copy/src/scripts/package.sh" "$@" | tee "$copy/second.log"
first=$(tail -n 1 "$copy/first.log")
second=$(tail -n 1 "$copy/second.log")
if cmp "$first" "$second"; then
    echo "reproducible: $first and $second are the same $(stat -c %s "$first") bytes"
    exit 0
fi
# Name the files that differ, to start the search.
mkdir "$copy/first" "$copy/second"
dpkg-deb -R "$first" "$copy/first"
dpkg-deb -R "$second" "$copy/second"
diff -rq "$copy/first" "$copy/second" >&2 || true
diff <(dpkg-deb -c "$first") <(dpkg-deb -c "$second") >&2 || true
echo "error: two builds of one commit give different packages" >&2
exit 1
