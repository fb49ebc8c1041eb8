#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the program (Release, g++, Debian's hardening flags) with
# CMake's default generator in its own folder and writes the Debian package
# build/package/spirolan_VERSION_ARCH.deb; then checks the package: lintian reports no error and
# no warning, no -dev package is among its Depends, and its unpacked files pass the install
# tree's checks. Arguments are added to the configure step (CI adds -DSPIROLAN_WERROR=ON).
# Usage: package.sh [CMAKE_OPTION...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/package"

"$root/scripts/deps.sh" package
# Every date in the package is the last commit's time (or the caller's SOURCE_DATE_EPOCH), so
# that two builds of one commit give the same bytes; outside a clone, the release date.
if [[ -z "${SOURCE_DATE_EPOCH:-}" ]]; then
    release_date=$(sed -n 's/^set(SPIROLAN_RELEASE_DATE \(.*\))$/\1/p' "$root/CMakeLists.txt")
    SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct 2>/dev/null ||
                        date -u -d "$release_date" +%s)
fi
export SOURCE_DATE_EPOCH

# Debian's build flags: fortify, stack protector, full RELRO and BIND_NOW (PIE is g++'s
# default), and the source folder mapped to '.' so that no build path reaches the programs.
# CMake reads no CPPFLAGS, so they go with the compiler's flags; no -g, the programs are stripped.
build_flags() {
    (cd "$root" && DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_STRIP=-g \
        dpkg-buildflags --get "$1")
}
options=(-DCMAKE_BUILD_TYPE=Release -DSPIROLAN_TESTS=OFF -DSPIROLAN_BENCH=OFF
         -DCMAKE_INSTALL_PREFIX=/usr
         "-DCMAKE_CXX_FLAGS=$(build_flags CPPFLAGS) $(build_flags CXXFLAGS)"
         "-DCMAKE_EXE_LINKER_FLAGS=$(build_flags LDFLAGS)")
if [[ -z "${CMAKE_CXX_COMPILER_LAUNCHER:-}" ]] && command -v ccache >/dev/null; then
    options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
CXX=g++ cmake -S "$root" -B "$build" "${options[@]}" "$@"
cmake --build "$build" --parallel "$(nproc)"
(cd "$build" && cpack -G DEB)

version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
app_id=$(sed -n 's/^set(SPIROLAN_APP_ID \(.*\))$/\1/p' "$root/CMakeLists.txt")
deb="$build/spirolan_${version}_$(dpkg --print-architecture).deb"
[[ -f "$deb" ]] || { echo "error: $deb was not written" >&2; exit 1; }

# Debian's package checker: its information tags are shown, an error or a warning fails.
lintian --display-info --fail-on error,warning "$deb" ||
    { echo "error: lintian reports errors or warnings for $deb" >&2; exit 1; }
echo "lintian: no error and no warning"

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
