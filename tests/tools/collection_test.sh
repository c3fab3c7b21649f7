#!/usr/bin/env bash
# "krizovky-tool collection" on two small shipped structures: the example
# first, then tasks with exactly one solution named by their place and by
# the grade the logical solver gives them, from easy to very hard.
set -u
source "$(dirname "$0")/test_helpers.sh"

data="$(dirname "$0")/../../data"
awk '/^@/ { n++ } n >= 3 && n <= 4' "$data/krizovky.VZR" >"$work/s.VZR"
check "two structures" 2 "$(grep -c '^@' "$work/s.VZR")"
example_task >"$work/keep.kri"
task other 0*15 >>"$work/keep.kri"

"$tool" collection "$work/s.VZR" "$work/keep.kri" >"$work/c.kri" 2>"$work/err"
check "exit status" 0 $?
count=$(tail -1 "$work/err" | cut -d' ' -f1)
check "some tasks" yes "$([ "$count" -ge 8 ] && echo yes)"
check "the example first, nothing else kept" "priklad" "$("$tool" list "$work/c.kri" | head -1)"
check "the example as it was" "$(head -16 "$work/keep.kri")" "$(head -16 "$work/c.kri")"

"$tool" check "$work/c.kri" >"$work/verdicts"
check "every task unique" 0 $?
# Each name is its place and the grade check finds ("expert" for very hard).
expected=$(tail -n +2 "$work/verdicts" | cut -f3 | sed 's/velmi těžká/expert/' |
    awk '{ printf "%02d %s\n", NR, $0 }')
check "named by place and grade" "$expected" "$(tail -n +2 "$work/verdicts" | cut -f1)"
order="lehká střední těžká expert"
ranks=$(tail -n +2 "$work/verdicts" | cut -f1 | cut -d' ' -f2 |
    while read -r grade; do echo "$order" | tr ' ' '\n' | grep -n -x "$grade" | cut -d: -f1; done)
check "from easy to very hard" "$(echo "$ranks" | sort -n)" "$ranks"
check "one line a fill on standard error" yes \
    "$(grep -c '^structure [12] fill [1-8]: ' "$work/err" | awk -v n="$count" '{ print ($1 >= n) ? "yes" : "no" }')"

"$tool" collection "$work/none.VZR" "$work/keep.kri" >/dev/null 2>"$work/err"
check "no structure file" "1 File not found" "$? $(cat "$work/err")"

echo "krizovky-tool collection: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
