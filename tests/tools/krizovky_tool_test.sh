#!/usr/bin/env bash
# End-to-end checks of krizovky-tool: output, error texts and exit statuses.
set -u
source "$(dirname "$0")/test_helpers.sh"

# Names in Windows-1250 with CR LF: "žlutá" and "velká 15×15".
printf '@priklad\r\n0,0/16,0/3,0*12\r\n8/0,2,2,0*12\r\n11/0,2,2,0*12\r\n@\x9elut\xe1\r\n3*2,1,9/35,0\r\n@velk\xe1 15\xd715\r\n0*300\r\n@long\r\n0*200,0*55\r\n' >"$work/t.kri"

check "list prints names in file order as UTF-8" "$(printf 'priklad\nžlutá\nvelká 15×15\nlong')" "$("$tool" list "$work/t.kri")"

expected_board="x 0/16 0/3 x x x x x x x x x x x x
8/0 _ _ x x x x x x x x x x x x
11/0 _ _ x x x x x x x x x x x x"
for r in $(seq 4 15); do expected_board+=$'\n'"_ _ _ _ _ _ _ _ _ _ _ _ _ _ _"; done
check "show prints the board" "$expected_board" "$("$tool" show "$work/t.kri" priklad)"
"$tool" show "$work/t.kri" priklad >/dev/null
check "show exits 0" 0 $?

row1=$("$tool" show "$work/t.kri" "žlutá" | head -1)
check "other kinds, and a plain 1 is a clue without sums" "k3 k3 0/0 9/35 x _ _ _ _ _ _ _ _ _ _" "$row1"

out=$("$tool" show "$work/t.kri" "velká 15×15" 2>&1 >/dev/null); status=$?
check "range error text" "Range check error" "$out"
check "range error status" 1 $status

out=$("$tool" show "$work/t.kri" long 2>&1 >/dev/null); status=$?
check "overflow text" "Integer overflow" "$out"
check "overflow status" 1 $status

out=$("$tool" show "$work/t.kri" "Priklad" 2>&1 >/dev/null); status=$?
check "unknown name" 'no task named "Priklad"' "$out"
check "unknown name status" 1 $status

out=$("$tool" show "$work/t.kri" "∞" 2>&1 >/dev/null); status=$?
check "name without a Windows-1250 form" 'no task named "∞"' "$out"
check "that status" 1 $status

out=$("$tool" list "$work/none.kri" 2>&1 >/dev/null); status=$?
check "missing file text" "File not found" "$out"
check "missing file status" 1 $status
out=$("$tool" show "$work/none.kri" priklad 2>&1 >/dev/null); status=$?
check "missing file for show" "File not found" "$out"

"$tool" >/dev/null 2>&1
check "no arguments is an error" 1 $?

echo "krizovky-tool: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
