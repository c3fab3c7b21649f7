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
# The same game in the modern look ("Volby - Vzhled - moderní") in a window of
# 1040 x 760 under Xvfb, as docs/modern-board.png, and at QT_SCALE_FACTOR=2 as
# docs/modern-board-scale2.png; then the page that "Hra - Tisk…" prints of the
# game as it stands, as docs/printed-game.png (the PDF at 100 dpi by pdftoppm).
#
# Then docs/colours-classic.png, docs/colours-colour-blind.png and
# docs/colours-dark.png: that game in the modern look in each scheme of
# "Barvy" with the digit pad, and docs/colours-deuteranopia-grey.png: the
# first two as deuteranopia (simulated) and greyscale show them.
#
# Then docs/rules.png, docs/text-editor.png and docs/about.png: the windows of
# "Pravidla", "Editace - Text" (on the build's task file) and "O hře" as their
# menu items open them.
#
# Then docs/task-list-ticks.png and docs/results.png: the task list and
# "Moje výsledky" with a record of a few tasks solved by krizovky-tool play
# --record (alone, with "Další krok", at IQ 130 and 160, and by "70").
#
# Then docs/notes.png: the player's notes on "13 lehká", filled by "Vyplň
# poznámky" after a few digits, on an emptied square with a Mark, a note 9
# added by Ctrl+9 on the selected square, a repeated 8 in row 6 coloured by
# " proveď kontroly", and the notes mode on.
#
# Then docs/next-step.png: "Další krok" on "13 lehká" after two digits, with
# "proč?" pressed: the panel beside the board and the classic look's numbers.
#
# Last docs/combinations.png: "Tabulka kombinací" opened on the square in row
# 3, column 5 of "13 lehká", its across run preselected.
#
# Builds nothing; run it after the build (make screenshot). BUILD names the
# build folder, build by default. The player's own record and kept game are
# not touched: every picture is taken with a state folder of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
state=$(mktemp -d)
trap 'rm -rf "$state"' EXIT
export XDG_STATE_HOME="$state/empty"

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
# The look chosen here is kept in a settings folder of its own, and the
# player's own choice does not change the pictures.
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
trap 'rm -rf "$state" "$XDG_CONFIG_HOME"' EXIT
# The picture is taken from the window's own drawing, so no display is needed.
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$program" docs/screenshot.png "$@"
echo "wrote docs/screenshot.png"
# The same game at twice the pixel density, as a high-density display shows
# it: on a virtual X display with every size scaled by 2.
QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 2000x1400x24" \
    "$program" docs/main-window-scale2.png "$@"
echo "wrote docs/main-window-scale2.png"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1400x1000x24" \
    "$program" docs/modern-board.png "$@" modernLookAction 1040x760
echo "wrote docs/modern-board.png"
QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 2400x1800x24" \
    "$program" docs/modern-board-scale2.png "$@" modernLookAction 1040x760
echo "wrote docs/modern-board-scale2.png"
# The same game in the three schemes of "Volby - Barvy", with the digit pad,
# and the first two as a player with deuteranopia sees them (simulated on
# linear RGB, Machado et al. 2009) and in grey.
for scheme in classic colourBlind dark; do
    picture=docs/colours-$(tr '[:upper:]' '[:lower:]' <<<"${scheme/B/-b}").png
    # Each from no settings: the pad's switch is kept between starts.
    mkdir -p "$XDG_CONFIG_HOME/$scheme"
    XDG_CONFIG_HOME="$XDG_CONFIG_HOME/$scheme" QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" \
        "$program" "$picture" "$@" modernLookAction "${scheme}ColoursAction" digitPadAction 1040x760
    echo "wrote $picture"
done
deuteranopia="0.367322 0.860646 -0.227968 0.280085 0.672501 0.047413 -0.011820 0.042940 0.968881"
for picture in docs/colours-classic.png docs/colours-colour-blind.png; do
    convert "$picture" -colorspace RGB -color-matrix "$deuteranopia" -colorspace sRGB \
        "$XDG_CONFIG_HOME/$(basename "$picture" .png)-deuteranopia.png"
    convert "$picture" -colorspace Gray "$XDG_CONFIG_HOME/$(basename "$picture" .png)-grey.png"
done
convert \( "$XDG_CONFIG_HOME/colours-classic-deuteranopia.png" \
    "$XDG_CONFIG_HOME/colours-colour-blind-deuteranopia.png" +append \) \
    \( "$XDG_CONFIG_HOME/colours-classic-grey.png" "$XDG_CONFIG_HOME/colours-colour-blind-grey.png" \
    +append \) -append -resize 50% docs/colours-deuteranopia-grey.png
echo "wrote docs/colours-deuteranopia-grey.png"
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$program" "$XDG_CONFIG_HOME/window.png" "$@" \
    "print=$XDG_CONFIG_HOME/printed.pdf"
pdftoppm -r 100 -png -singlefile "$XDG_CONFIG_HOME/printed.pdf" docs/printed-game
echo "wrote docs/printed-game.png"
for window in rules text-editor about; do
    QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$program" --window "$window" "docs/$window.png"
    echo "wrote docs/$window.png"
done

# A record of results: each task solved square by square from the exact
# solver's solution, after the given events, with the time of play first.
tool="${BUILD:-build}/krizovky-tool"
tasks="${BUILD:-build}/krizovky.KRI"
record="$state/played/krizovky/vysledky.json"
solve_task() {  # name seconds event...
    local name=$1 seconds=$2
    shift 2
    {
        printf '%s\n' autofill "tick $seconds" "$@"
        "$tool" count "$tasks" "$name" | tail -n 15 |
            awk '{ for (i = 1; i <= NF; i++) if ($i ~ /^[1-9]$/) print "popup " NR " " i "\ndigit " $i }'
    } | "$tool" play --record "$record" "$tasks" "$name" >/dev/null
}
solve_task "01 lehká" 761 hint
solve_task "02 lehká" 1250
solve_task "02 lehká" 640
solve_task "05 lehká" 498 "level 130"
solve_task "16 střední" 1725
solve_task "17 střední" 1900 "level 160"
solve_task "46 expert" 3725
printf 'solve\n' | "$tool" play --record "$record" "$tasks" "31 těžká" >/dev/null
for window in task-list results; do
    picture=docs/$window.png
    [[ $window == task-list ]] && picture=docs/task-list-ticks.png
    XDG_STATE_HOME="$state/played" QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" \
        "$program" --window "$window" "$picture"
    echo "wrote $picture"
done
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$program" docs/notes.png "13 lehká" \
    autoFillAction checkingAction 2,4=7 2,5=8 3,4=3 markButton 3,4=0 3,5=6 fillNotesAction \
    level130Action 6,2=8 6,4=8 level100Action 7,3+9 checkButton notesButton
echo "wrote docs/notes.png"
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$program" docs/next-step.png "13 lehká" \
    2,4=7 2,5=8 nextStepAction whyButton
echo "wrote docs/next-step.png"
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$program" docs/combinations.png "13 lehká" \
    2,4=7 3,5 combinations
echo "wrote docs/combinations.png"
