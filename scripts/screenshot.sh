#!/usr/bin/env bash
# Writes docs/screenshot.png: the main window with a task of the build's own
# task file on the board, chosen by name as the task list does it, after the
# player's steps (see tests/ui/screenshot.cpp for the steps).
#
#   scripts/screenshot.sh [TASK NAME [STEP...]]
#
# Without arguments: a game in progress on "08 náročnější 11×11" with the
# immediate check and the completion of runs off; a few right digits, a Mark
# on the 6 of row 3, a repeated 9 in row 6 and a wrong sum in row 10 at IQ
# 130, then back at IQ 100 a click on row 7, column 2 for its hints and
# " proveď kontroly".
#
# Then docs/rules.png, docs/text-editor.png and docs/about.png: the windows of
# "Pravidla", "Editace - Text" (on the build's task file) and "O hře" as their
# menu items open them.
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
    set -- "08 náročnější 11×11" I2 K1 \
        2,2=9 2,3=5 3,2=5 3,3=2 3,4=6 Button1 2,6=2 2,7=1 \
        N3 6,2=9 6,3=6 6,4=9 10,2=5 10,3=4 \
        Z1 7,2 Button4
fi

mkdir -p docs
# The picture is taken from the window's own drawing, so no display is needed.
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$program" docs/screenshot.png "$@"
echo "wrote docs/screenshot.png"
for window in rules text-editor about; do
    QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$program" --window "$window" "docs/$window.png"
    echo "wrote docs/$window.png"
done
