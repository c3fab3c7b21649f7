#!/usr/bin/env bash
# "krizovky-tool solve" and the event solve of "krizovky-tool play": the
# counts of the search, the board it leaves, the limit, errors.
set -u
source "$(dirname "$0")/test_helpers.sh"

# "krok": 2 7 4 over 8 9 6 after one step back from a 1; "nic": no solution.
{
    example_task
    task krok 0,0/10,0/16,0/10,0*11 13/0,2,2,2,0*11 23/0,2,2,2,0*11
    task nic 0,0/9,0/9,0*12 3/0,2,2,0*12 17/0,2,2,0*12
} >"$work/s.kri"
solve() { "$tool" solve "$work/s.kri" "$@" | head -7 | tr '\n' '|'; }

check "forced squares alone" "solved|placements 0|backtracks 0|moves 4|x 0/16 0/3 x x x x x x x x x x x x|8/0 7 1 x x x x x x x x x x x x|11/0 9 2 x x x x x x x x x x x x|" \
    "$(solve priklad)"
check "one step back" "solved|placements 5|backtracks 1|moves 6|x 0/10 0/16 0/10 x x x x x x x x x x x|13/0 2 7 4 x x x x x x x x x x x|23/0 8 9 6 x x x x x x x x x x x|" \
    "$(solve krok)"
check "no solution: the bare task" "unsolvable|placements 2|backtracks 3|moves 0|x 0/9 0/9 x x x x x x x x x x x x|3/0 _ _ x x x x x x x x x x x x|17/0 _ _ x x x x x x x x x x x x|" \
    "$(solve nic)"
check "the limit: the 2 after the step back" "stopped|placements 2|backtracks 1|moves 3|x 0/10 0/16 0/10 x x x x x x x x x x x|13/0 2 7 _ x x x x x x x x x x x|23/0 _ 9 _ x x x x x x x x x x x|" \
    "$(solve krok --limit 2)"
check "a stop with the last placement is a solution" "solved|" "$(solve krok --limit 5 | cut -d'|' -f1)|"
"$tool" solve "$work/s.kri" nic --limit 1 >/dev/null
check "exit 0 when stopped" 0 $?

out=$("$tool" solve "$work/s.kri" Krok 2>&1 >/dev/null); status=$?
check "unknown name" 'no task named "Krok" 1' "$out $status"
out=$("$tool" solve "$work/none.kri" krok 2>&1 >/dev/null); status=$?
check "missing file" "File not found 1" "$out $status"
for args in "--limit 0" "--limit 2x"; do
    # shellcheck disable=SC2086
    "$tool" solve "$work/s.kri" krok $args >/dev/null 2>&1
    check "usage for: $args" 1 $?
done

out=$(printf 'level 130\nsolve\nshow\n' | "$tool" play "$work/s.kri" nic | head -2)
check "play: the box, the options back" "message: Tato úloha není řešitelná!
level 130 autofill on checking on current 3 3" "$out"

echo "krizovky-tool solve: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
