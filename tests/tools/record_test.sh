#!/usr/bin/env bash
# The player's record and the kept game through krizovky-tool play --record:
# the time of "tick", the result at the congratulation, the game kept at the
# end of the input and taken up by the next run; nothing without the option.
set -u
source "$(dirname "$0")/test_helpers.sh"
example_task >"$work/p.kri"
record="$work/state/vysledky.json"

# The fields of the record's results, one line each, as "name: value".
fields() {  # field...
    for field in "$@"; do grep -o "\"$field\": [^,]*" "$record" | sed 's/"//g'; done
}

export XDG_STATE_HOME="$work/xdg"
printf '%s\n' "tick 30" "popup 2 2" "digit 7" | "$tool" play "$work/p.kri" priklad >/dev/null
check "without --record nothing is kept" "p.kri" "$(ls -A "$work")"

out=$(printf '%s\n' autofill "tick 12" "popup 2 2" "digit 7" |
    "$tool" play --record "$record" "$work/p.kri" priklad 2>&1)
check "a game in progress is kept, nothing recorded yet" "|rozehrana_hra.json" \
    "$out|$(ls "$work/state")"

out=$(printf '%s\n' show "tick 3" "popup 2 3" "digit 1" "popup 3 2" "digit 9" "tick 40" "hint" \
    "popup 3 3" "digit 2" "tick 100" "save $work/g.ulo" |
    "$tool" play --record "$record" "$work/p.kri" priklad 2>&1 | grep -v '^[x0-9]')
check "the next run takes the game up and records it at the congratulation" \
    "level 100 autofill off checking on current 0 0
moves 1 marks 0 last 2 2
across: hidden
down: hidden
allowed: hidden
menu: 1 2 3 4 5 6 7 8 9
buttons: 1 2
swatches:
legends:
move 1: 2 2 1 0
message: Celou křížovku jste úspěšně vyřešil, gratuluji!|vysledky.json" \
    "$(echo "$out" | grep -v '^message: Úvaha')|$(ls "$work/state")"
check "the result: its task, its time and its help" "taskFile: $work/p.kri
taskName: priklad
seconds: 55
nextSteps: 1
bySolver: false" "$(fields taskFile taskName seconds nextSteps bySolver)"
check "the saved game keeps the time the clock stopped at" "time 55" \
    "$("$tool" show-saved "$work/g.ulo" | grep '^time')"

echo "record: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
