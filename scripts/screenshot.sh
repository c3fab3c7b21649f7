#!/usr/bin/env bash
# Writes docs/screenshot.png: the main window with a task of the build's own
# task file on the board, chosen by name as the task list does it, after the
# player's steps (see tests/ui/screenshot.cpp for the steps).
#
#   scripts/screenshot.sh [TASK NAME [STEP...]]
#
# Without arguments: a game in progress on "13 lehká" (11 x 11) with the
# immediate check and the completion of runs off; a few right digits, a Mark
# on the 6 of row 3, a repeated 8 in row 6 and a wrong sum in row 8 at IQ
# 130, then back at IQ 100 a click on row 7, column 2 for its hints and
# " proveď kontroly".
#
# The same once more as docs/main-window-scale2.png, under Xvfb with
# QT_SCALE_FACTOR=2: the window of a high-density display, 1652 x 1156 pixels.
#
# Then docs/rules.png, docs/text-editor.png and docs/about.png: the windows of
# "Pravidla", "Editace - Text" (on the build's task file) and "O hře" as their
# menu items open them.
#
# Last docs/notes.png: the player's notes on "13 lehká", filled by "Vyplň
# poznámky" after a few digits, on an emptied square with a Mark, a note 9
# added by Ctrl+9 on the selected square, a repeated 8 in row 6 coloured by
# " proveď kontroly", and the notes mode on.
#
# Builds nothing; run it after the build (make screenshot). BUILD names the
# build folder, build by default.
set -euo pipefail
cd "$(dirname "$0")/.."

program="${BUILD:-build}/tests/ui/krizovky-screenshot"
if [[ ! -x "$program" ]]; then
    echo "screenshot.sh: $program is missing; build first (make build)" >&2
    exit 1
fi

if [[ $# -eq 0 ]]; then
    set -- "13 lehká" autoFillAction checkingAction \
        2,4=7 2,5=8 3,4=3 3,5=6 markButton 2,6=9 2,7=5 \
        level130Action 6,2=8 6,3=7 6,4=8 8,2=9 8,3=8 8,4=6 8,5=1 \
        level100Action 7,2 checkButton
fi

mkdir -p docs
# The picture is taken from the window's own drawing, so no display is needed.
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$program" docs/screenshot.png "$@"
echo "wrote docs/screenshot.png"
# The same game at twice the pixel density, as a high-density display shows
# it: on a virtual X display with every size scaled by 2.
QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 2000x1400x24" \
    "$program" docs/main-window-scale2.png "$@"
echo "wrote docs/main-window-scale2.png"
for window in rules text-editor about; do
    QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$program" --window "$window" "docs/$window.png"
    echo "wrote docs/$window.png"
done
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$program" docs/notes.png "13 lehká" \
    autoFillAction checkingAction 2,4=7 2,5=8 3,4=3 markButton 3,4=0 3,5=6 fillNotesAction \
    level130Action 6,2=8 6,4=8 level100Action 7,3+9 checkButton notesButton
echo "wrote docs/notes.png"
