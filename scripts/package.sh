#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the program (Release, g++) in its own folder and writes the
# Debian package build/package/spirolan_VERSION_ARCH.deb; then checks the package: no -dev
# package among its Depends, and its unpacked files pass the install tree's checks.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/package"

"$root/scripts/deps.sh" package
if [[ ! -f "$build/CMakeCache.txt" ]]; then
    CXX=g++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DSPIROLAN_TESTS=OFF -DSPIROLAN_BENCH=OFF -DCMAKE_INSTALL_PREFIX=/usr
fi
cmake --build "$build"
(cd "$build" && cpack -G DEB)

version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
app_id=$(sed -n 's/^set(SPIROLAN_APP_ID \(.*\))$/\1/p' "$root/CMakeLists.txt")
deb="$build/spirolan_${version}_$(dpkg --print-architecture).deb"
[[ -f "$deb" ]] || { echo "error: $deb was not written" >&2; exit 1; }

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
if grep -Eq '(^|[ ,])[^ ,]+-dev( |,|$)' <<<"$depends"; then
    echo "error: the package depends on a development package" >&2
    exit 1
fi
for needed in fonts-liberation fonts-vlgothic qt6-qpa-plugins libqt6widgets6; do
    grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" || { echo "error: Depends lacks $needed" >&2; exit 1; }
done

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
listed=$(dpkg-deb -c "$deb" | awk '{ print $NF }' | sed 's|^\./||' | grep -v '/$' | sort)
found=$(cd "$unpacked" && find . -type f -o -type l | sed 's|^\./||' | sort)
[[ "$listed" == "$found" ]] || { echo "error: dpkg-deb -c and the unpacked files differ" >&2; exit 1; }
"$root/packaging/check_install_tree.sh" "$unpacked/usr" "$app_id" "$version"
echo "$deb"
