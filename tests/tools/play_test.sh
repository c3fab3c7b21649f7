#!/usr/bin/env bash
# End-to-end games of "krizovky-tool play" on the example task: the events of a
# script against the printed boxes and states, and the ways a run ends early.
set -u
source "$(dirname "$0")/test_helpers.sh"

# The example task, solved by 7 1 over 9 2; "zlá" breaks the row format.
{
    example_task
    printf '@zl\xe1\r\n0*300\r\n'
} >"$work/p.kri"

play() {  # script on stdin; stdout kept, stderr in $work/err
    "$tool" play "$work/p.kri" priklad 2>"$work/err"
}
events() {  # the events of the arguments, separated by ";"
    echo "$*" | tr ';' '\n' | play
}

# What "show" prints: two header lines, the entry squares of rows 2 and 3 of
# the example task, the lines after the board.
blank_rows=$(for r in $(seq 4 15); do printf 'x %.0s' $(seq 14); echo x; done)
state() {  # header, row 2, row 3, the rest
    printf '%s\nx 0/16 0/3 x x x x x x x x x x x x\n8/0 %s x x x x x x x x x x x x\n' "$1" "$2"
    printf '11/0 %s x x x x x x x x x x x x\n%s\n%s' "$3" "$blank_rows" "$4"
}
nine="menu: 1 2 3 4 5 6 7 8 9"

out=$(events "click 2 2; show; level 130; click 2 3; show; level 160; show; click 3 3;" \
    "dblclick 3 3; level 100; click 2 2; dblclick 2 2; show; undo; show")
check "hints by level, the double click and its completion, one undo" "$(
    state $'level 100 autofill on checking on current 2 2\nmoves 0 marks 0 last 0 0' "_R _Y" "_Y _Y" \
        $'across: 17\ndown: 79\nallowed: [ 7]\n'"$nine"$'\nbuttons:\nswatches:\nlegends:'; echo
    state $'level 130 autofill on checking on current 2 3\nmoves 0 marks 0 last 0 0' "_Y _R" "_Y _Y" \
        $'across: 17 26 35\ndown: 12\nallowed: hidden\n'"$nine"$'\nbuttons:\nswatches:\nlegends:'; echo
    state $'level 160 autofill on checking on current 0 0\nmoves 0 marks 0 last 0 0' "_Y _Y" "_Y _Y" \
        $'across: hidden\ndown: hidden\nallowed: hidden\n'"$nine"$'\nbuttons:\nswatches:\nlegends:'; echo
    echo "message: Celou křížovku jste úspěšně vyřešil, gratuluji!"
    state $'level 100 autofill on checking on current 2 2\nmoves 4 marks 0 last 2 2' "7R 1Y" "9Y 2Y" \
        $'across: 17\ndown: 79\nallowed: [ 7]\n'"$nine"$'\nbuttons: 1 2\nswatches:\nlegends:'
    printf '\nmove 1: 2 2 1 0\nmove 2: 3 2 0 0\nmove 3: 2 3 0 0\nmove 4: 3 3 0 0\n'
    state $'level 100 autofill on checking on current 2 2\nmoves 0 marks 0 last 2 2 redo 1' "_R _Y" "_Y _Y" \
        $'across: 17\ndown: 79\nallowed: [ 7]\n'"$nine"$'\nbuttons:\nswatches:\nlegends:'
)" "$out"

# A click on a clue, a pop-up on a blank square and menu items before any
# pop-up menu do nothing.
out=$(events "click 1 2; popup 1 1; click 2 2; digit 7; erase; show; autofill; popup 2 3;" \
    "digit 5; show; digit 1; level 130; popup 2 2; digit 1; digit 9; popup 3 3;" \
    "digit 1; digit 5; popup 2 3; erase; show")
check "the pop-up menu: offered digits, refused digits, erasing" "$(
    state $'level 100 autofill on checking on current 2 2\nmoves 0 marks 0 last 0 0' "_R _Y" "_Y _Y" \
        $'across: 17\ndown: 79\nallowed: [ 7]\n'"$nine"$'\nbuttons:\nswatches:\nlegends:'; echo
    state $'level 100 autofill off checking on current 2 3\nmoves 0 marks 0 last 0 0' "_Y _R" "_Y _Y" \
        $'across: 17 26\ndown: 12\nallowed: [ 1 2]\nmenu: 1 2\nbuttons:\nswatches:\nlegends:'; echo
    echo "message: Vkládané číslo 1 je v řádku duplikátní!"
    echo "message: Při vložení čísla 9 by v řádku součet nesouhlasil!"
    echo "message: Vkládané číslo 1 je ve sloupci duplikátní!"
    echo "message: Při vložení čísla 5 by součet ve sloupci nesouhlasil!"
    state $'level 130 autofill off checking on current 2 3\nmoves 2 marks 0 last 3 3' "_Y _R" "_Y _Y" \
        $'across: 17 26 35\ndown: 12\nallowed: hidden\n'"$nine"$'\nbuttons: 1 2\nswatches:\nlegends:'
    printf '\nmove 1: 2 3 1 0\nmove 2: 2 3 1 1'
)" "$out"

out=$(events "level 130; autofill; popup 2 2; digit 7; mark; mark; popup 2 3; digit 1;" \
    "popup 3 2; digit 9; mark; swatch 1; show; click 3 3; tomark; show; unswatch 1;" \
    "mark; show")
moves2=$'\nmove 1: 2 2 1 0\nmove 2: 2 3 1 0'
check "Marks: their colours, the highlight, back to a Mark, removal" "$(
    state $'level 130 autofill off checking on current 3 2\nmoves 3 marks 2 last 3 2' "7A 1A" "9L _Y" \
        $'across: 29 38 47 56\ndown: 79\nallowed: hidden\n'"$nine"$'\nbuttons: 1 2 3\nswatches: 1 2\nlegends:'
    echo "$moves2"$'\nmove 3: 3 2 1 0'
    state $'level 130 autofill off checking on current 3 3\nmoves 2 marks 1 last 2 3 redo 1' "7A 1Y" "_Y _R" \
        $'across: 29 38 47 56\ndown: 12\nallowed: hidden\n'"$nine"$'\nbuttons: 1 2 3\nswatches: 1\nlegends:'
    echo "$moves2"
    state $'level 130 autofill off checking on current 3 3\nmoves 2 marks 1 last 2 3 redo 1' "7Y 1A" "_Y _R" \
        $'across: 29 38 47 56\ndown: 12\nallowed: hidden\n'"$nine"$'\nbuttons: 1 2 3\nswatches: 1\nlegends:'
    echo "$moves2"
)" "$out"

out=$(events "checking; autofill; level 130; popup 2 2; digit 5; popup 2 3; digit 5; popup 3 2;" \
    "digit 9; check; show; popup 3 3; digit 4; reload; check; click 2 3; show")
check "the full check with checking off, a full board with errors, a fresh board" "$(
    state $'level 130 autofill off checking off current 3 2\nmoves 3 marks 0 last 3 2' "5V 5V" "9G _G" \
        $'across: 29 38 47 56\ndown: 79\nallowed: hidden\n'"$nine"$'\nbuttons: 1 2 4\nswatches:\nlegends: 21 22'
    printf '\nmove 1: 2 2 1 0\nmove 2: 2 3 1 0\nmove 3: 3 2 1 0\n'
    echo "message: Celou křížovku jste sice zaplnil, ale máte tam nějaké chybky!"
    echo "question: Začít úlohu znovu? Rozehraná hra se ztratí."
    echo "message: Vše je zatím v pořádku!"
    state $'level 130 autofill off checking off current 2 3\nmoves 0 marks 0 last 3 3' "_Y _R" "_Y _Y" \
        $'across: 17 26 35\ndown: 12\nallowed: hidden\n'"$nine"$'\nbuttons: 4\nswatches:\nlegends:'
)" "$out"

# A failure box while the game runs is a plain box: the task file goes away
# after the start, and "reload" cannot read it.
cp "$work/p.kri" "$work/gone.kri"
mkfifo "$work/events"
"$tool" play "$work/gone.kri" priklad <"$work/events" >"$work/out" 2>&1 &
exec 3>"$work/events"
echo show >&3
for _ in $(seq 100); do [ -s "$work/out" ] && break; sleep 0.1; done
rm "$work/gone.kri"
printf 'reload\n' >&3
exec 3>&-
wait $!
check "reload without the task file" "message: File not found" "$(tail -1 "$work/out")"

while IFS='|' read -r script reason; do
    out=$(printf "$script" | play); status=$?
    check "stops at: $script" "1|$reason|" "$status|$(cat "$work/err")|$out"
done <<'END'
# a comment\n\nclick 2 2\nfrobnicate\nshow\n|line 4: "frobnicate": unknown event
click 16 1\n|line 1: "click 16 1": 16 is out of range 1..15
digit 0\n|line 1: "digit 0": 0 is out of range 1..9
swatch 5\n|line 1: "swatch 5": 5 is out of range 1..4
level 70\n|line 1: "level 70": the level is 100, 130 or 160
click 2 x\n|line 1: "click 2 x": "x" is not a number
show all\n|line 1: "show all": nothing may follow the event
END

out=$("$tool" play "$work/p.kri" Nic </dev/null 2>&1); status=$?
check "unknown task" '1|no task named "Nic"' "$status|$out"
out=$("$tool" play "$work/p.kri" "zlá" </dev/null 2>&1); status=$?
check "a task that does not load" "1|Range check error" "$status|$out"

echo "krizovky-tool play: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
