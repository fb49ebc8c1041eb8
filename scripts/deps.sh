#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages a build needs, when any is missing. Usage: deps.sh run|test|package
set -euo pipefail

run_packages=(cmake g++ ninja-build pkg-config qt6-base-dev libgl-dev libxdo-dev librsvg2-bin
              fonts-liberation fonts-vlgothic x11-utils)
# What checks an install tree: the desktop's validators, the MIME compiler and man.
install_check_packages=(desktop-file-utils appstream shared-mime-info man-db)
test_packages=("${run_packages[@]}" "${install_check_packages[@]}" clang clang-format libclang-rt-14-dev
               libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth locales poppler-utils)
package_packages=("${run_packages[@]}" "${install_check_packages[@]}" dpkg-dev file lintian ccache)

case "${1:-}" in
    run) wanted=("${run_packages[@]}") ;;
    test) wanted=("${test_packages[@]}") ;;
    package) wanted=("${package_packages[@]}") ;;
    *) echo "usage: $0 run|test|package" >&2; exit 2 ;;
esac

# The number tests also run under a comma-decimal locale.
need_locale=false
if [[ "$1" == test ]] && ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    need_locale=true
fi

missing=()
for pkg in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done
[[ ${#missing[@]} -eq 0 ]] && ! $need_locale && exit 0

[[ ${#missing[@]} -gt 0 ]] && echo "Installing missing packages: ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
    sudo=()
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
    sudo=(sudo)
elif command -v sudo >/dev/null 2>&1 && [[ -t 0 ]]; then
    sudo=(sudo)
else
    echo "error: these Debian packages are missing and cannot be installed without root:" >&2
    echo "  ${missing[*]}" >&2
    echo "Run this command as root, or install them with: sudo apt-get install ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
if [[ ${#missing[@]} -gt 0 ]]; then
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if $need_locale; then
    "${sudo[@]}" sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
    "${sudo[@]}" locale-gen >/dev/null
fi
