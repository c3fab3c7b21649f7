#!/usr/bin/env bash
# "krizovky-tool new": tasks of one solution at the grade asked, the same
# bytes from the same arguments, a line for each on standard error, and
# clear refusals of wrong arguments.
set -u
source "$(dirname "$0")/test_helpers.sh"

"$tool" new --grade lehká --size malá --number 12 --count 3 >"$work/a.kri" 2>"$work/err"
check "exit status" 0 $?
check "the names" "L 8 12
L 8 13
L 8 14" "$("$tool" list "$work/a.kri")"
check "17 CR LF lines a task" "51 51" "$(grep -c $'\r$' "$work/a.kri") $(wc -l <"$work/a.kri")"
check "a line a task on standard error" 3 \
    "$(grep -c -P '^L 8 1[234]\tlehká\tmalá\tattempts [0-9]+\t[0-9.]+ s$' "$work/err")"
check "one number, one task" "$(md5sum <"$work/a.kri")" \
    "$("$tool" new --size malá --number 12 --grade lehká --count 3 2>/dev/null | md5sum)"
check "the second of three alone" "$(sed -n 18,34p "$work/a.kri" | md5sum)" \
    "$("$tool" new --grade lehká --size malá --number 13 2>/dev/null | md5sum)"

# Each grade at each size comes out with exactly one solution and that grade.
for size in malá střední velká; do
    for grade in lehká střední těžká velmi-těžká; do
        "$tool" new --grade "$grade" --size "$size" --number 7 2>/dev/null >>"$work/b.kri"
    done
done
"$tool" check "$work/b.kri" >"$work/verdicts"
check "all unique" 0 $?
check "each of its grade" "$(printf 'lehká\nstřední\ntěžká\nvelmi těžká\n%.0s' 1 2 3)" \
    "$(cut -f3 "$work/verdicts")"

# A structure keeps its shape; one that cannot be very hard gives no task.
{
    printf '@dva\r\nx,/,/,x,x,x,x,x,x,x,x,x,x,x,x\r\n/,2,2,x,x,x,x,x,x,x,x,x,x,x,x\r\n'
    for r in $(seq 3 15); do printf 'x,x,x,x,x,x,x,x,x,x,x,x,x,x,x\r\n'; done
} >"$work/s.VZR"
"$tool" new --grade lehká --size dva --number 5 --structures "$work/s.VZR" >"$work/c.kri" 2>/dev/null
check "named by the structure's letter" "L a 5" "$("$tool" list "$work/c.kri")"
check "the structure's squares" "x 0/N 0/N x|N/0 _ _ x|x x x x|" \
    "$("$tool" show "$work/c.kri" 'L a 5' | cut -d' ' -f1-4 | head -3 | tr '\n' '|' |
        sed 's/[1-9][0-9]*/N/g')"
out=$("$tool" new --grade velmi-těžká --size dva --number 5 --structures "$work/s.VZR" 2>&1 >"$work/d.kri")
check "not made: said, left out, status 1" "1 0 V a 5: not made within its limits" \
    "$? $(wc -c <"$work/d.kri") ${out%% (*}"
shipped="$(dirname "$0")/../../data/krizovky.VZR"
check "a shipped structure" "S j 4711" \
    "$("$tool" new --grade střední --size 'čtverec 10 na 10' --number 4711 --structures "$shipped" \
        2>/dev/null | sed -n 2p | tr -d '\r@')"
check "the game's structures beside the tool by default" \
    "$("$tool" new --grade střední --size 'čtverec 10 na 10' --number 4711 --structures "$shipped" \
        2>/dev/null | md5sum)" \
    "$("$tool" new --grade střední --size 'čtverec 10 na 10' --number 4711 2>/dev/null | md5sum)"
out=$("$tool" new --grade lehká --size obří --number 1 2>&1)
check "an unknown size names the game's structures" "1 \"čtverec 10 na 10\"" \
    "$? $(grep -o '"čtverec 10 na 10"' <<<"$out")"

# Wrong arguments: status 1 and what is wrong.
while IFS='|' read -r args message; do
    # shellcheck disable=SC2086
    out=$("$tool" new $args 2>&1 >"$work/e.kri")
    check "refused: $args" "1 0 krizovky-tool new: $message" "$? $(wc -c <"$work/e.kri") $out"
done <<'CASES'
|--grade is missing
--grade lehká --size malá|--number is missing
--grade hard --size malá --number 1|--grade is one of lehká, střední, těžká, velmi-těžká, not "hard"
--grade lehká --size malá --number 10000|--number is a whole number from 0 to 9999
--grade lehká --size malá --number -1|--number is a whole number from 0 to 9999
--grade lehká --size malá --number 1 --count 0|--count is a whole number from 1 up
--grade lehká --size malá --number 9999 --count 2|the numbers go past 9999
--grade lehká --size malá --number 1 --seed 2|unknown argument "--seed"
--grade lehká --grade těžká --size malá --number 1|--grade given twice
--grade lehká --size malá --number|--number needs a value
--grade lehká --size obří --number 1 --structures /nonexistent.VZR|--size is malá, střední or velká, not "obří": the structures of /nonexistent.VZR cannot be read (File not found)
CASES
out=$("$tool" new --grade lehká --size obří --number 1 --structures "$work/s.VZR" 2>&1)
check "an unknown size, with the structures there are" \
    "1 krizovky-tool new: --size is malá, střední, velká or a structure of $work/s.VZR (\"dva\"), not \"obří\"" \
    "$? $out"

# "&Nová úloha…" in a played game: the same task, kept in the player's own
# task file and loaded.
example_task >"$work/p.kri"
printf 'newtask střední malá 12\nshow\nnewtask lehká obří 1\n' |
    XDG_DATA_HOME="$work/data" "$tool" play "$work/p.kri" priklad >"$work/play.out" 2>"$work/play.err"
check "play: newtask keeps what new makes" "$("$tool" new --grade střední --size malá --number 12 2>/dev/null)" \
    "$(cat "$work/data/krizovky/moje_ulohy.kri")"
check "play: the task on the board, the game fresh" "moves 0 marks 0 last 0 0|x 0/16 0/34 x" \
    "$(sed -n 2p "$work/play.out")|$(sed -n 3p "$work/play.out" | cut -d' ' -f1-4)"
check "play: an unknown size" \
    'line 3: "newtask lehká obří 1": the size is malá, střední, velká or a structure'"'"'s name' \
    "$(cat "$work/play.err")"

echo "krizovky-tool new: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
