#!/usr/bin/env bash
# "krizovky-tool check": a line for every task of a file in file order, with
# its verdict; exit status 1 when any task has not exactly one solution.
set -u
source "$(dirname "$0")/test_helpers.sh"

{
    example_task
    task dva 0,0/4,0/4,0*12 4/0,2,2,0*12 4/0,2,2,0*12
    task nic 0,0/9,0/9,0*12 3/0,2,2,0*12 17/0,2,2,0*12
    task zly 0,0/16,0/3,0/5,0*11 8/0,2,2,0*12 11/0,2,2,0*12
    task sirotek 0,0/3,0/3,0*12 0,2,2,0*12 3/0,2,2,0*12
    task velky 0,0/3,0/3,0*12 2/0,2,2,0*12 1/0,2,2,0*12
    task bezsouctu 0,0/3,0/3,0*12 0/0,2,2,0*12 3/0,2,2,0*12
    task prazdna 0*15
    task rozsah 0,0/16,0/300,0*12 8/0,2,2,0*12
    task čtyři 0,0/16,0/3,0*12 8/0,2,2,0*12 11/0,2,2,0*12
    task dva 0,0/16,0/3,0*12 8/0,2,2,0*12 11/0,2,2,0*12
} | iconv -f UTF-8 -t CP1250 >"$work/c.kri"

out=$("$tool" check "$work/c.kri"); status=$?
check "one line a task, in file order" "priklad	unique	lehká
dva	2 solutions
nic	no solution
zly	malformed: the down sum 5 of the clue at row 1 column 4 has no run
sirotek	malformed: the entry square at row 2 column 2 has no clue before it across
velky	malformed: the across sum 2 of the clue at row 2 column 1 is no sum of 2 distinct digits
bezsouctu	malformed: the across run after the clue at row 2 column 1 has no sum
prazdna	malformed: the task has no entry square
rozsah	malformed: Range check error
čtyři	unique	lehká
dva	unique	lehká" "$out"
check "any task not unique: status 1" 1 "$status"

example_task >"$work/one.kri"
check "every task unique: status 0" "priklad	unique	lehká 0" "$("$tool" check "$work/one.kri") $?"
: >"$work/empty.kri"
check "no task: nothing to say" " 0" "$("$tool" check "$work/empty.kri") $?"

out=$("$tool" check "$work/none.kri" 2>&1); status=$?
check "missing file" "File not found 1" "$out $status"
"$tool" check >/dev/null 2>&1
check "usage without a file" 1 $?

echo "krizovky-tool check: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
