#!/usr/bin/env bash
# The player's notes and redo through "krizovky-tool play" on the example task
# (solved by 7 1 over 9 2): notes hidden under digits, taken off by digits
# and put back by the undo, "notes" against the digits IQ 100 allows, redo
# after each kind of undo and what forgets it, and notes in saved games.
set -u
source "$(dirname "$0")/test_helpers.sh"
example_task >"$work/p.kri"

# The lines of each show that notes and redo touch: the two header lines and
# the example's two rows; boxes and Moves as they come.
events() {
    echo "$*" | tr ';' '\n' | "$tool" play "$work/p.kri" priklad |
        grep -E '^(level|moves|8/0|11/0|message|question|move )' | sed 's/ x x x x x x x x x x x x$//'
}

check "notes toggled, hidden under a digit, taken off its runs and back by the undo" "$(
    printf '%s\n' 'level 100 autofill off checking on current 0 0' 'moves 0 marks 0 last 0 0' \
        '8/0 _Y{17} _Y{1}' '11/0 _Y _Y{12}' \
        'level 100 autofill off checking on current 2 3' 'moves 1 marks 0 last 2 3' \
        '8/0 _Y{7} 1R{1}' '11/0 _Y _Y{2}' 'move 1: 2 3 1 0' \
        'level 100 autofill off checking on current 2 3' 'moves 0 marks 0 last 2 3 redo 1' \
        '8/0 _Y{17} _R{1}' '11/0 _Y _Y{12}' \
        'level 100 autofill off checking on current 2 3 erasenotes off' 'moves 2 marks 0 last 2 3' \
        '8/0 _Y{17} _R{1}' '11/0 _Y _Y{12}' 'move 1: 2 3 1 0' 'move 2: 2 3 1 1'
)" "$(events "autofill; note 2 2 7; note 2 2 1; note 2 3 1; note 3 3 1; note 3 3 2; show;" \
    "popup 2 3; digit 1; note 2 3 5; show; undo; show;" \
    "erasenotes; popup 2 3; digit 1; popup 2 3; erase; show")"

# IQ 100 allows 7, 1 2, 7 9 and 2 on the bare board; with the 7 written, 1,
# 9 and 2. The notes mode turns the pop-up's digits into notes; "70" keeps
# the notes under its digits, "&Znovu" asks and clears them.
check "notes filled as IQ 100 allows, the notes mode, 70 and Znovu" "$(
    printf '%s\n' 'level 100 autofill on checking on current 0 0' 'moves 0 marks 0 last 0 0' \
        '8/0 _Y{7} _Y{12}' '11/0 _Y{79} _Y{2}' \
        'level 100 autofill off checking on current 2 3 notesmode on' 'moves 1 marks 0 last 2 2' \
        '8/0 7Y{7} _R{15}' '11/0 _Y{9} _Y{2}' 'move 1: 2 2 1 0' \
        'level 100 autofill off checking on current 3 3 notesmode on' 'moves 4 marks 0 last 2 2' \
        '8/0 7Y{7} 1Y{15}' '11/0 9Y{9} 2Y{2}' \
        'move 1: 2 2 0 0' 'move 2: 2 3 0 0' 'move 3: 3 2 0 0' 'move 4: 3 3 0 0' \
        'question: Začít úlohu znovu? Rozehraná hra se ztratí.' \
        'level 100 autofill off checking on current 3 3 notesmode on' 'moves 0 marks 0 last 2 2' \
        '8/0 _Y _Y' '11/0 _Y _Y'
)" "$(events "notes; show; autofill; popup 2 2; digit 7; note 2 2 3; notes; notesmode;" \
    "popup 2 3; digit 5; show; solve; show; reload; show")"

check "redo after an undo of an entry and its completion" "$(
    printf '%s\n' 'level 130 autofill on checking off current 2 2' 'moves 0 marks 0 last 2 2 redo 1' \
        '8/0 _R _Y' '11/0 _Y _Y' \
        'level 130 autofill on checking off current 2 2' 'moves 2 marks 0 last 2 2' \
        '8/0 5R 3Y' '11/0 _Y _Y' 'move 1: 2 2 1 0' 'move 2: 2 3 0 0'
)" "$(events "checking; level 130; popup 2 2; digit 5; undo; show; redo; show")"

check "redo after back to a Mark, entry by entry, until a new entry" "$(
    printf '%s\n' 'level 130 autofill off checking off current 3 2' 'moves 0 marks 0 last 2 2 redo 3' \
        '8/0 _Y _Y' '11/0 _R _Y' \
        'level 130 autofill off checking off current 3 2' 'moves 1 marks 0 last 2 2 redo 2' \
        '8/0 5Y _Y' '11/0 _R _Y' 'move 1: 2 2 1 0' \
        'level 130 autofill off checking off current 3 3' 'moves 2 marks 0 last 3 3' \
        '8/0 5Y _Y' '11/0 _Y 1R' 'move 1: 2 2 1 0' 'move 2: 3 3 1 0'
)" "$(events "checking; autofill; level 130; popup 2 2; digit 5; mark; popup 2 3; digit 4;" \
    "popup 3 2; digit 8; tomark; show; redo; show; popup 3 3; digit 1; show")"

check "a redo the check refuses changes nothing" "$(
    printf '%s\n' 'message: Vkládané číslo 5 je v řádku duplikátní!' \
        'level 130 autofill off checking on current 2 3' 'moves 1 marks 0 last 2 2 redo 1' \
        '8/0 5Y _R' '11/0 _Y _Y' 'move 1: 2 2 1 0' \
        'level 130 autofill off checking off current 2 3' 'moves 2 marks 0 last 2 3' \
        '8/0 5Y 5R' '11/0 _Y _Y' 'move 1: 2 2 1 0' 'move 2: 2 3 1 0'
)" "$(events "checking; autofill; level 130; popup 2 2; digit 5; popup 2 3; digit 5; undo;" \
    "checking; redo; show; checking; redo; show")"

# A save without notes is the documented 8,812 bytes; with notes the block
# follows. A load brings the notes back and nothing to redo.
check "notes saved, shown and loaded" "$(
    printf '%s\n' 'level 130 autofill off checking on current 2 3' 'moves 1 marks 0 last 2 3' \
        '8/0 _Y{7} 1R' '11/0 _Y _Y{2}' 'move 1: 2 3 1 0' \
        'level 130 autofill off checking on current 2 3' 'moves 1 marks 0 last 2 3' \
        '8/0 _Y{7} 1R' '11/0 _Y _Y{2}' 'move 1: 2 3 1 0' \
        8812 9280 '2 3 1 0' 'notes 2 2 7' 'notes 3 3 2'
)" "$(events "save $work/plain.ulo; note 2 2 7; note 3 3 2; note 3 3 1; level 130; autofill;" \
    "popup 2 3; digit 1; save $work/notes.ulo; show; undo; load $work/notes.ulo; show"
    stat -c %s "$work/plain.ulo" "$work/notes.ulo"
    "$tool" show-saved "$work/notes.ulo" | tail -3)"

# Redo is forgotten by a load and by "70".
check "a load and 70 leave nothing to redo" \
    "$(printf '%s\n' 'moves 0 marks 0 last 2 2' 'moves 4 marks 0 last 2 2')" \
    "$(events "save $work/empty.ulo; popup 2 2; digit 7; undo; load $work/empty.ulo; show;" \
        "popup 2 2; digit 7; undo; solve; show" | grep '^moves')"

echo "krizovky-tool play, notes and redo: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
