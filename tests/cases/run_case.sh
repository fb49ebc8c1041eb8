#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one whole-job case folder through spirolan-cli and compares every output byte for byte.
#
# Usage: run_case.sh SPIROLAN_CLI CASE_FOLDER
#
# A case folder holds its input, job.json or job.spjob (absent: the command line is all of
# `args`), an optional `args` file (one argument per line, appended after `run JOB`), and the
# expected outputs: `stdout`, `stderr`, `status` (an absent one means empty, empty, 0) and every
# file the run must leave in its working folder, named as `args` names them. A file the run
# leaves that the folder does not expect is a failure too. With SPIROLAN_UPDATE_GOLDEN=1 the
# expected outputs are rewritten from this run instead.
set -uo pipefail
cli=$1
# The run happens in a folder of its own: a relative path to the program must still find it.
[[ "$cli" == */* ]] && cli=$(cd "$(dirname "$cli")" && pwd)/$(basename "$cli")
case_dir=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

args=()
if [[ -f "$case_dir/args" ]]; then
    mapfile -t args < "$case_dir/args"
fi
job=
for name in job.json job.spjob; do
    [[ -f "$case_dir/$name" ]] && job=$name
done
inputs=(args job.json job.spjob)
mkdir "$work/run"
if [[ -n "$job" ]]; then
    cp "$case_dir/$job" "$work/run/$job"
    command=(run "$job" "${args[@]}")
else
    command=("${args[@]}")
fi
# Relative names keep the messages, which quote them, the same in every clone.
(cd "$work/run" && "$cli" "${command[@]}" > "$work/stdout" 2> "$work/stderr" < /dev/null)
echo $? > "$work/status"
[[ -n "$job" ]] && rm -f "$work/run/$job"
for produced in stdout stderr; do
    [[ -s "$work/$produced" ]] && mv "$work/$produced" "$work/run/$produced"
done
[[ "$(cat "$work/status")" != 0 ]] && mv "$work/status" "$work/run/status"

is_input() {
    local input
    for input in "${inputs[@]}"; do [[ "$1" == "$input" ]] && return 0; done
    return 1
}

if [[ "${SPIROLAN_UPDATE_GOLDEN:-}" == 1 ]]; then
    for expected in "$case_dir"/*; do
        is_input "$(basename "$expected")" || rm -f "$expected"
    done
    cp "$work/run"/* "$case_dir"/ 2>/dev/null
    echo "updated $case_dir"
    exit 0
fi

failed=0
for expected in "$case_dir"/*; do
    name=$(basename "$expected")
    is_input "$name" && continue
    actual="$work/run/$name"
    if [[ ! -e "$actual" ]]; then
        echo "$name: expected, but the run wrote none"
        failed=1
    elif ! cmp -s "$expected" "$actual"; then
        echo "$name: differs from the expected bytes; first differing line:"
        diff <(cat -A "$expected") <(cat -A "$actual") | head -4
        failed=1
    fi
done
for actual in "$work/run"/*; do
    [[ -e "$actual" ]] || continue
    name=$(basename "$actual")
    if [[ ! -e "$case_dir/$name" ]]; then
        echo "$name: written by the run, but not expected:"
        head -c 400 "$actual" | cat -A
        echo
        failed=1
    fi
done
if [[ $failed == 0 ]]; then
    echo "passed: spirolan-cli ${command[*]}"
fi
exit $failed
