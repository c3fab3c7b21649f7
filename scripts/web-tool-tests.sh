#!/usr/bin/env bash
# The tool's test scripts against the WebAssembly tool's launcher: the same
# outputs as the native tool gives, byte for byte, for every verb but render
# and booklet, which need the painter.
set -uo pipefail
tool=$(realpath "${1:?usage: web-tool-tests.sh LAUNCHER}")
cd "$(dirname "$0")/../tests/tools"
failed=0
for script in krizovky_tool play notes saved record solve generate count check inputs help \
    links collection new daily stats combinations; do
    if output=$(KRIZOVKY_TOOL="$tool" bash "${script}_test.sh" 2>&1); then
        echo "passed: $script"
    else
        echo "FAILED: $script"
        echo "$output" | tail -40
        failed=$((failed + 1))
    fi
done
[ "$failed" -eq 0 ] || { echo "$failed of the tool's scripts failed"; exit 1; }
