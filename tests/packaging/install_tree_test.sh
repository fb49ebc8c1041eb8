#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary DESTDIR and checks the tree there.
# Usage: install_tree_test.sh BUILD_DIR APP_ID VERSION
set -euo pipefail
build=$1 app_id=$2 version=$3
root=$(cd "$(dirname "$0")/../.." && pwd)
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
DESTDIR="$dest" cmake --install "$build" --prefix /usr >/dev/null
"$root/packaging/check_install_tree.sh" "$dest/usr" "$app_id" "$version"
