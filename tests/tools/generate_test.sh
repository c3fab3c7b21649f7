#!/usr/bin/env bash
# "krizovky-tool generate": the tasks of one task number, reproducible, under
# their default names; the editor's messages on standard error.
set -u
source "$(dirname "$0")/test_helpers.sh"

# One structure: a 2 x 2 puzzle in the top left corner.
{
    printf 'note before the first structure\r\n@dva\r\nx,/,/,x,x,x,x,x,x,x,x,x,x,x,x\r\n'
    for r in 2 3; do printf '/,2,2,x,x,x,x,x,x,x,x,x,x,x,x\r\n'; done
    for r in $(seq 4 15); do printf 'x,x,x,x,x,x,x,x,x,x,x,x,x,x,x\r\n'; done
} >"$work/s.VZR"

"$tool" generate "$work/s.VZR" 12 3 >"$work/a.kri" 2>"$work/err"
check "exit status" 0 $?
check "no messages" "" "$(cat "$work/err")"
check "the names" "úloha/12/1
úloha/12/2
úloha/12/3" "$("$tool" list "$work/a.kri")"
check "17 CR LF lines a task" "51 51" "$(grep -c $'\r$' "$work/a.kri") $(wc -l <"$work/a.kri")"
check "an empty line, the name line" "|@|" "$(head -2 "$work/a.kri" | tr -d '\r' | cut -c1 | tr '\n' '|')"
check "the blank squares of row 4" "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0" "$(sed -n 6p "$work/a.kri" | tr -d '\r')"
check "one number, one sequence" "$(md5sum <"$work/a.kri")" "$("$tool" generate "$work/s.VZR" 12 3 | md5sum)"
check "the first task is the first of the sequence" "$(head -17 "$work/a.kri" | md5sum)" \
    "$("$tool" generate "$work/s.VZR" 12 | md5sum)"
check "another number, other tasks" "different" \
    "$(cmp -s <("$tool" generate "$work/s.VZR" 13 3) "$work/a.kri" && echo same || echo different)"
check "\$C is 12 under its own name" "$(iconv -f CP1250 -t UTF-8 "$work/a.kri" | sed 's/úloha\/12/úloha\/$C/' | md5sum)" \
    "$("$tool" generate "$work/s.VZR" '$C' 3 | iconv -f CP1250 -t UTF-8 | md5sum)"

# The generated sums hold the digits the generator wrote: the solver solves
# every task.
for name in úloha/12/1 úloha/12/2 úloha/12/3; do
    check "$name solves" "solved" "$("$tool" solve "$work/a.kri" "$name" | head -1)"
done

out=$("$tool" generate "$work/s.VZR" abc 2>&1 >/dev/null)
check "a refused number" "Chybné číslo!" "$out"
check "... counts as 1" "úloha/1/1" "$("$tool" generate "$work/s.VZR" abc 2>/dev/null | sed -n 2p | tr -d '\r@' | iconv -f CP1250 -t UTF-8)"

out=$("$tool" generate "$work/none.VZR" 5 2 2>&1 >"$work/b.kri"); status=$?
check "no structure file" "Nenalezl jsem soubor s definicemi struktur úloh!
Nepodařilo se mi doplnit strukturu!
Nenalezl jsem soubor s definicemi struktur úloh!
Nepodařilo se mi doplnit strukturu!
0" "$out
$status"
check "... saves nothing" 0 "$(wc -c <"$work/b.kri")"

"$tool" generate "$work/s.VZR" 7 0 >"$work/c.kri"
check "count 0" 0 "$(wc -c <"$work/c.kri")"

# --unique keeps exactly the unique tasks of the plain run, under the same
# names; the 2 x 2 boards come both ways.
"$tool" generate "$work/s.VZR" 4 20 >"$work/all.kri"
"$tool" generate "$work/s.VZR" 4 20 --unique >"$work/unique.kri"
"$tool" check "$work/all.kri" | grep -P '\tunique\t' | cut -f1 >"$work/expected"
check "some unique, some not" "yes" \
    "$([ -s "$work/expected" ] && [ "$(wc -l <"$work/expected")" -lt 20 ] && echo yes)"
check "--unique: the unique ones of the plain run" "$(cat "$work/expected")" \
    "$("$tool" list "$work/unique.kri")"
check "... each as the plain run made it" "" \
    "$(for name in $(cat "$work/expected"); do
        cmp -s <("$tool" show "$work/all.kri" "$name") <("$tool" show "$work/unique.kri" "$name") ||
            echo "$name differs"
    done)"

"$tool" generate "$work/s.VZR" >/dev/null 2>&1
check "missing arguments" 1 $?
"$tool" generate "$work/s.VZR" 1 x >/dev/null 2>&1
check "a count that is no number" 1 $?

echo "krizovky-tool generate: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
