#!/usr/bin/env bash
# Writes docs/screenshot.png: the main window with a task of the build's own
# task file on the board, chosen by name as the task list does it.
#
#   scripts/screenshot.sh [TASK NAME]     (default: the first task of the list)
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

mkdir -p docs
# The picture is taken from the window's own drawing, so no display is needed.
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$program" docs/screenshot.png "$@"
echo "wrote docs/screenshot.png"
