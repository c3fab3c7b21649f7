#!/usr/bin/env bash
# "krizovky-tool combinations": the combinations of distinct digits by length,
# sum and digits in and out, a line "LENGTH SUM DIGITS" each in ascending
# order and nothing else, and the refusals of values that are none.
set -u
source "$(dirname "$0")/test_helpers.sh"

"$tool" combinations >"$work/all" 2>"$work/err"
check "exit status" 0 $?
check "nothing on standard error" "" "$(cat "$work/err")"
check "every combination once" 511 "$(sort -u "$work/all" | wc -l)"
check "the first and the last" $'1 1 1\n9 45 123456789' "$(sed -n '1p;$p' "$work/all")"

# Which combinations a filter lets through is the core's tests' business:
# here only that every option reaches it, in any order.
check "every option" $'3 10 127\n3 10 136' \
    "$("$tool" combinations --without 4 --sum 10 --with 1 --length 3)"
out=$("$tool" combinations --length 2 --sum 18)
check "a sum the length cannot have: nothing" "0 " "$? $out"

while IFS='|' read -r args message; do
    # shellcheck disable=SC2086
    out=$("$tool" combinations $args 2>&1 >"$work/none")
    check "refused: $args" "1 0 $message" "$? $(wc -c <"$work/none") $out"
done <<'EOF_CASES'
--length 10|krizovky-tool combinations: --length is a whole number from 1 to 9, not "10"
--length 0|krizovky-tool combinations: --length is a whole number from 1 to 9, not "0"
--sum 46|krizovky-tool combinations: --sum is a whole number from 1 to 45, not "46"
--sum x|krizovky-tool combinations: --sum is a whole number from 1 to 45, not "x"
--with 105|krizovky-tool combinations: --with is digits 1 to 9, each once, not "105"
--without 33|krizovky-tool combinations: --without is digits 1 to 9, each once, not "33"
--with 12 --without 29|krizovky-tool combinations: --with and --without both name the digit 2
--sum 5 --sum 6|krizovky-tool combinations: --sum given twice
--length|krizovky-tool combinations: --length needs a value
--digits 12|krizovky-tool combinations: unknown argument "--digits"
EOF_CASES

echo "krizovky-tool combinations: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
