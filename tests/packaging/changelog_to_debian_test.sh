#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The changelog converter: CHANGELOG.md text in the Debian format (weekdays worked out by hand)
# and each refusal by its message. Usage: changelog_to_debian_test.sh TOOL
set -euo pipefail
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# check NAME INPUT EXPECTED: converts INPUT as version 1.1 of 2024-02-29; EXPECTED is the output,
# or for a refusal the message after the input's name.
check() {
    local name=$1 expected=$3 actual
    printf '%s' "$2" >"$work/in"
    if "$tool" "$work/in" "$work/out" demo 1.1 2024-02-29 "A <a@b.invalid>" 2>"$work/err"; then
        actual=$(cat "$work/out")
    else
        actual=$(sed "s|^changelog_to_debian: $work/in||" "$work/err")
    fi
    [[ "$actual" == "$expected" ]] || {
        echo "FAIL $name:"$'\n'"$actual"$'\n'"expected:"$'\n'"$expected" >&2
        failures=$((failures + 1))
    }
}

check two_versions $'# Changelog\nIntro.\n\n## 1.1 (2024-02-29)\n\n- Leap day\n  continued.\n- Second.\n\n## 1.0 (2023-01-01)\n- First.\n' \
"demo (1.1) unstable; urgency=medium

  * Leap day
    continued.
  * Second.

 -- A <a@b.invalid>  Thu, 29 Feb 2024 00:00:00 +0000

demo (1.0) unstable; urgency=medium

  * First.

 -- A <a@b.invalid>  Sun, 01 Jan 2023 00:00:00 +0000"
check not_the_project_version $'## 1.0 (2024-02-29)\n- x\n' \
    ':1: the newest section is 1.0 (2024-02-29), but the project is 1.1, released 2024-02-29'
check not_the_release_date $'## 1.1 (2024-02-28)\n- x\n' \
    ':1: the newest section is 1.1 (2024-02-28), but the project is 1.1, released 2024-02-29'
check no_such_day $'## 1.1 (2024-02-29)\n- x\n## 1.0 (2023-02-29)\n' ':3: "2023-02-29" is not a date (YYYY-MM-DD)'
check text_outside_an_item $'## 1.1 (2024-02-29)\nThe first.\n' \
    $':2: a version\'s section holds only "- " items, continued on lines indented by two blanks'
check line_too_long "## 1.1 (2024-02-29)"$'\n'"- $(printf 'x%.0s' {1..77})"$'\n' ':2: the line is longer than 78 columns'
check no_section $'# Changelog\n- x\n' ': no "## VERSION (YYYY-MM-DD)" section'
if "$tool" "$work/missing" "$work/out" demo 1.1 2024-02-29 A 2>"$work/err" ||
    [[ "$(cat "$work/err")" != "changelog_to_debian: cannot read $work/missing" ]]; then
    echo "FAIL missing_file: $(cat "$work/err")" >&2
    failures=$((failures + 1))
fi
((failures == 0))
