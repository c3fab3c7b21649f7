#!/usr/bin/env bash
# Saved games through krizovky-tool: "save" and "load" in a played game, and
# show-saved on good and bad files.
set -u
source "$(dirname "$0")/test_helpers.sh"
example_task >"$work/p.kri"
blank_rows=$(for r in $(seq 4 15); do printf 'x %.0s' $(seq 14); echo x; done)

out=$(printf '%s\n' checking autofill "level 130" "popup 2 2" "digit 7" mark "popup 2 3" "digit 1" \
    "save $work/g.ulo" "popup 3 2" "digit 9" "load $work/g.ulo" show |
    "$tool" play "$work/p.kri" priklad 2>&1)
check "the game after the load is the game saved, the selection kept, the hint panels empty" "level 130 autofill off checking off current 3 2
moves 2 marks 1 last 2 3
x 0/16 0/3 x x x x x x x x x x x x
8/0 7A 1Y x x x x x x x x x x x x
11/0 _R _Y x x x x x x x x x x x x
$blank_rows
across: hidden
down: hidden
allowed: hidden
menu: 1 2 3 4 5 6 7 8 9
buttons: 1 2 3 4
swatches: 1
legends:
move 1: 2 2 1 0
move 2: 2 3 1 0" "$out"

out=$("$tool" show-saved "$work/g.ulo" 2>&1); status=$?
check "show-saved prints the counts, the board and the Moves" "0|rows 15
cols 15
moves 2
marks 1
x 0/16 0/3 x x x x x x x x x x x x
8/0 7 1 x x x x x x x x x x x x
11/0 _ _ x x x x x x x x x x x x
$blank_rows
2 2 1 0
2 3 1 0" "$status|$out"

head -c 100 "$work/g.ulo" >"$work/short.ulo"
out=$("$tool" show-saved "$work/short.ulo" 2>&1 >/dev/null); status=$?
check "show-saved refuses a short file" "1|má 100 bajtů místo 8812" "$status|$out"
out=$("$tool" show-saved "$work/none.ulo" 2>&1 >/dev/null); status=$?
check "show-saved of a missing file" "1|File not found" "$status|$out"

out=$(printf '%s\n' "popup 2 2" "digit 7" "load $work/short.ulo" "load $work/none.ulo" show |
    "$tool" play "$work/p.kri" priklad 2>&1 | grep -v '^[x0-9]')
check "a refused file leaves the game as it was" "message: Celou křížovku jste úspěšně vyřešil, gratuluji!
message: Soubor short.ulo nelze načíst jako uloženou hru: má 100 bajtů místo 8812.
message: File not found
level 100 autofill on checking on current 2 2
moves 4 marks 0 last 2 2
across: 17
down: 79
allowed: [ 7]
menu: 7
buttons: 1 2
swatches:
legends:
move 1: 2 2 1 0
move 2: 3 2 0 0
move 3: 2 3 0 0
move 4: 3 3 0 0" "$out"

echo "krizovky-tool saved games: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
