#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks an installed Spirolan under PREFIX (an install tree or an unpacked package): every file
# is there, the desktop entry, the AppStream metadata, the MIME type and the manual pages are
# valid, and both programs answer --version and --help.
# Usage: check_install_tree.sh PREFIX APP_ID VERSION
set -euo pipefail
prefix=$1 app_id=$2 version=$3
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

files=(bin/spirolan bin/spirolan-cli
       "share/applications/$app_id.desktop"
       "share/metainfo/$app_id.metainfo.xml"
       "share/mime/packages/$app_id.xml"
       "share/icons/hicolor/scalable/apps/$app_id.svg"
       share/man/man1/spirolan.1.gz share/man/man1/spirolan-cli.1.gz
       share/doc/spirolan/copyright share/doc/spirolan/changelog.gz)
for size in 16 24 32 48 64 128 256; do
    files+=("share/icons/hicolor/${size}x$size/apps/$app_id.png")
done
for file in "${files[@]}"; do
    [[ -f "$prefix/$file" ]] || fail "missing $file"
done
for program in spirolan spirolan-cli; do
    [[ -x "$prefix/bin/$program" ]] || fail "bin/$program is not executable"
done
((failures == 0)) || exit 1

desktop-file-validate "$prefix/share/applications/$app_id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" || fail "AppStream metadata"
# The whole tree too: the metadata's desktop entry and icon must be where it says.
appstreamcli validate-tree --no-net "$(dirname "$prefix")" || fail "AppStream tree"

# The MIME type as the desktop reads it: compiled by update-mime-database into a scratch copy.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/mime/packages"
cp "$prefix/share/mime/packages/$app_id.xml" "$scratch/mime/packages/"
update-mime-database "$scratch/mime" 2>"$scratch/mime.err" || fail "MIME type: $(cat "$scratch/mime.err")"
grep -qx 'application/x-spirolan-job:\*\.spjob' <(cut -d: -f2- "$scratch/mime/globs2") ||
    fail "MIME type: *.spjob is not application/x-spirolan-job"

for program in spirolan spirolan-cli; do
    page="$prefix/share/man/man1/$program.1.gz"
    if ! MANWIDTH=80 man --warnings -l "$page" >"$scratch/page" 2>"$scratch/page.err" ||
        [[ -s "$scratch/page.err" ]]; then
        fail "man page $program.1.gz: $(cat "$scratch/page.err")"
    fi
    grep -q -- "--help | --version" "$scratch/page" || fail "man page $program.1.gz lacks the synopsis"

    out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/$program" --version) ||
        fail "$program --version exits $?"
    [[ "$out" == "$program $version" ]] || fail "$program --version prints \"$out\""
    env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/$program" --help >"$scratch/help" ||
        fail "$program --help exits $?"
    grep -q -- "--help | --version" "$scratch/help" || fail "$program --help prints no usage"
done

((failures == 0)) && echo "install tree under $prefix: all checks passed"
((failures == 0))
