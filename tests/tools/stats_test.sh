#!/usr/bin/env bash
# "krizovky-tool stats": the statistics of a record of results as text, and
# refusals of a record that cannot be read and of a date that is no day.
set -u
source "$(dirname "$0")/test_helpers.sh"

entry() {  # name, grade, seconds, finished, next steps
    printf '{"taskFile": "k.KRI", "taskName": "%s", "taskHash": "h%s", "grade": "%s",
      "finishedAt": "%s", "seconds": %s, "level": 100, "nextSteps": %s, "checked": false,
      "bySolver": false}' "$1" "$1" "$2" "$4" "$3" "$5"
}
{
    printf '{"version": 1, "results": ['
    entry "den 2026-12-07" lehká 200 "2026-12-07 09:00:00" 0
    printf ','
    entry "den 2026-12-08" lehká 100 "2026-12-08 09:00:00" 1
    printf ','
    entry "31 těžká" těžká 905 "2026-12-08 20:00:00" 0
    printf ']}\n'
} >"$work/record.json"

check "the figures" "obtížnost	vyřešeno úloh	nejlepší čas bez nápovědy	medián bez nápovědy	s nápovědou
lehká	2	3:20	3:20	1 z 2 (50 %)
těžká	1	15:05	15:05	0 z 1 (0 %)
úloha dne: řada 2, nejdelší 2
časy lehká: 3:20 1:40*
časy těžká: 15:05" "$("$tool" stats --record "$work/record.json" --date 2026-12-09)"
check "a day missed breaks the streak" "úloha dne: řada 0, nejdelší 2" \
    "$("$tool" stats --record "$work/record.json" --date 2026-12-10 | sed -n 4p)"
check "today by the clock" 0 "$("$tool" stats --record "$work/record.json" >/dev/null; echo $?)"

printf '{"version": 1, "results": [' >"$work/damaged.json"
out=$("$tool" stats --record "$work/damaged.json" 2>&1)
check "a damaged record: status 1 and the file named" "1 $work/damaged.json:" "$? ${out%% *}"
out=$("$tool" stats --record "$work/none.json" 2>&1)
check "a missing record" "1 $work/none.json: File not found" "$? $out"
out=$("$tool" stats --record "$work/record.json" --date 2026-13-01 2>&1)
check "no such day" "1 krizovky-tool stats: --date is a day of the calendar as YYYY-MM-DD, not \"2026-13-01\"" \
    "$? $out"

echo "krizovky-tool stats: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
