#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints the size of the test code against the product code (non-blank lines of *.cpp and *.h;
# the whole-job case folders are data and are counted apart).
set -euo pipefail
cd "$(dirname "$0")/.."
lines() {
    find "$@" -path tests/cases -prune -o \( -name '*.cpp' -o -name '*.h' \) -print0 |
        xargs -0 cat | grep -cv '^[[:space:]]*$'
}
tests=$(lines tests)
product=$(lines core facecopy graphics feed io app cli)
cases=$(find tests/cases -mindepth 1 -maxdepth 1 -type d | wc -l)
awk -v t="$tests" -v p="$product" -v c="$cases" \
    'BEGIN { printf "tests %d / product %d = %.2f; %d case folders\n", t, p, t / p, c }'
