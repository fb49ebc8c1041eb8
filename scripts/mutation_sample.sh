#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures how sharp the quick tests are: applies seeded single-token mutants to the product's
# sources, one at a time, and counts those the quick tests catch. Run by hand, not in CI.
#
# Usage: scripts/mutation_sample.sh [-n MUTANTS] [-s SEED] [-r REVISION]
#
# The sources are copied to build/mutation/<revision or "work">/src (the working tree, or the
# committed REVISION), built there without sanitizers, and every mutant is one change in one
# compiled .cpp of core facecopy graphics feed io app cli (relational or arithmetic operator
# swapped, integer constant +-1, condition negated, statement deleted), the folders taken in
# turn. A mutant that does not build is stillborn; one that `ctest -LE fuzz` fails on is killed;
# the others survive and are listed for judging. The same seed picks the same mutants as long as
# the product sources are the same, so two revisions can be compared.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
count=60
seed=1
revision=
while getopts "n:s:r:" option; do
    case $option in
    n) count=$OPTARG ;;
    s) seed=$OPTARG ;;
    r) revision=$OPTARG ;;
    *) echo "usage: $0 [-n MUTANTS] [-s SEED] [-r REVISION]" >&2; exit 2 ;;
    esac
done

label=${revision:-work}
base="$root/build/mutation/$label"
src="$base/src"
build="$base/build"
mkdir -p "$src"
from=$root
if [[ -n "$revision" ]]; then
    from=$(mktemp -d)
    trap 'rm -rf "$from"' EXIT
    git -C "$root" archive "$revision" | tar -x -C "$from"
    (cd "$from" && find . -type f -printf '%P\0') > "$base/files"
else
    (cd "$root" && git ls-files -co --exclude-standard -z) > "$base/files"
fi
# Only changed files are copied (dated now), so a rerun rebuilds only what changed.
python3 - "$from" "$src" "$base/files" << 'PYTHON'
import filecmp, os, shutil, sys
origin, copy, listing = sys.argv[1], sys.argv[2], sys.argv[3]
files = {f for f in open(listing).read().split("\0") if f and os.path.isfile(f"{origin}/{f}")}
for folder, _, names in os.walk(copy):
    for name in names:
        if os.path.relpath(f"{folder}/{name}", copy) not in files:
            os.remove(f"{folder}/{name}")
for folder, subfolders, names in os.walk(copy, topdown=False):
    if not os.listdir(folder):
        os.rmdir(folder)
for f in files:
    if not os.path.exists(f"{copy}/{f}") or not filecmp.cmp(f"{origin}/{f}", f"{copy}/{f}", shallow=False):
        os.makedirs(os.path.dirname(f"{copy}/{f}"), exist_ok=True)
        shutil.copy(f"{origin}/{f}", f"{copy}/{f}")
PYTHON

if [[ ! -f "$build/CMakeCache.txt" ]]; then
    cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE= -DCMAKE_CXX_FLAGS=-O1 \
        -DSPIROLAN_FUZZ=OFF -DSPIROLAN_BENCH=OFF > /dev/null
fi
export QT_QPA_PLATFORM=offscreen
quick_tests() {
    (cd "$build" && ctest -LE fuzz -j2 --timeout 120 --stop-on-failure > "$base/ctest.log" 2>&1)
}
echo "building the unmutated sources in $build"
cmake --build "$build" > "$base/build.log" 2>&1 || { cat "$base/build.log"; exit 1; }
quick_tests || { echo "the quick tests fail without mutants; see $base/ctest.log"; exit 1; }

python3 - "$src" "$build/compile_commands.json" "$count" "$seed" > "$base/mutants.tsv" << 'PYTHON'
# Lists the mutants: file, line number, original line, mutated line, description (tab separated).
import json, random, re, sys

src, commands, count, seed = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
folders = ["core", "facecopy", "graphics", "feed", "io", "app", "cli"]
compiled = sorted({e["file"][len(src) + 1:] for e in json.load(open(commands))
                   if e["file"].startswith(src + "/")})

def masked(line):
    # Blanks out string and character literals and a trailing comment, keeping columns.
    out, quote, i = [], None, 0
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                out.append("  "); i += 2; continue
            out.append(c if c == quote else " ")
            quote = None if c == quote else quote
        elif c in "\"'":
            quote = c; out.append(c)
        elif line.startswith("//", i):
            break
        else:
            out.append(c)
        i += 1
    return "".join(out).ljust(len(line))[:len(line)]

swaps = {" < ": " <= ", " <= ": " < ", " > ": " >= ", " >= ": " > ", " == ": " != ",
         " != ": " == ", " + ": " - ", " - ": " + ", " * ": " / ", " / ": " * ",
         " += ": " -= ", " -= ": " += ", " && ": " || ", " || ": " && "}
declaration = re.compile(r"^(const |static |auto |return|using |case |break|continue|[\w:<>,]+[\s*&]+\w+\s*[=({;])")

def sites(path):
    lines = open(f"{src}/{path}").read().split("\n")
    in_block, previous = False, ";"
    for number, line in enumerate(lines):
        text = masked(line)
        stripped = text.strip()
        if in_block or stripped.startswith("/*"):
            in_block = "*/" not in stripped
            continue
        if not stripped or stripped.startswith("#"):
            continue
        for old, new in swaps.items():
            for m in re.finditer(re.escape(old), text):
                yield number, line[:m.start()] + new + line[m.end():], f"`{old.strip()}` -> `{new.strip()}`"
        for m in re.finditer(r"(?<![\w.])\d+(?![\w.'])", text):
            value = int(m.group())
            for delta in (1, -1):
                yield number, line[:m.start()] + str(value + delta) + line[m.end():], f"{value} -> {value + delta}"
        for m in re.finditer(r"\b(if|while) \(", text):
            depth, end = 0, None
            for j in range(m.end() - 1, len(text)):
                depth += {"(": 1, ")": -1}.get(text[j], 0)
                if depth == 0:
                    end = j; break
            if end:
                inner = line[m.end():end]
                yield number, line[:m.end()] + "!(" + inner + ")" + line[end:], f"{m.group(1)} condition negated"
        if (stripped.endswith(";") and previous[-1:] in ";{}" and not declaration.match(stripped)
                and ("(" in stripped or "=" in stripped or "++" in stripped)):
            indent = line[:len(line) - len(line.lstrip())]
            yield number, indent + ";", "statement deleted"
        previous = stripped

rng = random.Random(seed)
pools = {}
for folder in folders:
    pool = [(path, *site) for path in compiled if path.startswith(folder + "/")
            for site in sites(path)]
    rng.shuffle(pool)
    pools[folder] = pool
taken = 0
while taken < count and any(pools.values()):
    for folder in folders:
        if pools[folder] and taken < count:
            path, number, mutated, what = pools[folder].pop()
            original = open(f"{src}/{path}").read().split("\n")[number]
            print("\t".join([path, str(number), original, mutated, what]))
            taken += 1
PYTHON

killed=0
survived=0
stillborn=0
survivors=()
index=0
total=$(wc -l < "$base/mutants.tsv")
while IFS=$'\t' read -r path number original mutated what; do
    index=$((index + 1))
    file="$src/$path"
    cp "$file" "$base/original"
    python3 - "$file" "$number" "$mutated" << 'PYTHON'
import sys
path, number, mutated = sys.argv[1], int(sys.argv[2]), sys.argv[3]
lines = open(path).read().split("\n")
lines[number] = mutated
open(path, "w").write("\n".join(lines))
PYTHON
    where="$path:$((number + 1)): $what"
    if ! cmake --build "$build" > "$base/build.log" 2>&1; then
        verdict=stillborn
        stillborn=$((stillborn + 1))
    elif quick_tests; then
        verdict=SURVIVED
        survived=$((survived + 1))
        survivors+=("$where"$'\n'"      was: $(echo "$original" | sed 's/^ *//')"$'\n'"      now: $(echo "$mutated" | sed 's/^ *//')")
    else
        verdict=killed
        killed=$((killed + 1))
    fi
    cp "$base/original" "$file"
    printf '[%2d/%d] %-9s %s\n' "$index" "$total" "$verdict" "$where"
done < "$base/mutants.tsv"

echo
echo "killed $killed, survived $survived, stillborn $stillborn"
if ((killed + survived > 0)); then
    awk -v k=$killed -v s=$survived 'BEGIN { printf "score %.2f (killed / mutants that built)\n", k / (k + s) }'
fi
if ((survived > 0)); then
    echo "survivors:"
    printf '  %s\n' "${survivors[@]}"
fi
