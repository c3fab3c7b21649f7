#!/usr/bin/env bash
# "krizovky-tool daily": the task of the day as task file text, the same bytes
# for the same date, its grade and size by the weekday on standard error, and
# refusals of what is no date.
set -u
source "$(dirname "$0")/test_helpers.sh"

"$tool" daily --date 2026-12-13 >"$work/sunday.kri" 2>"$work/err"
check "exit status" 0 $?
check "named by the date" "den 2026-12-13" "$("$tool" list "$work/sunday.kri")"
check "the line on standard error" $'den 2026-12-13\tneděle\tvelmi těžká\tvelká' "$(cat "$work/err")"
check "unique, of the Sunday's grade" $'unique\tvelmi těžká' \
    "$("$tool" check "$work/sunday.kri" | cut -f2-3)"
check "the same bytes again" "$(md5sum <"$work/sunday.kri")" \
    "$("$tool" daily --date 2026-12-13 2>/dev/null | md5sum)"
check "a weekday: střední" $'den 2026-12-09\tstředa\tstřední\tstřední' \
    "$("$tool" daily --date 2026-12-09 2>&1 >/dev/null)"
check "today's without a date" "den $(date +%Y-%m-%d)" \
    "$("$tool" daily 2>/dev/null | sed -n 2p | tr -d '\r@')"

while IFS='|' read -r args message; do
    # shellcheck disable=SC2086
    out=$("$tool" daily $args 2>&1 >"$work/none.kri")
    check "refused: $args" "1 0 $message" "$? $(wc -c <"$work/none.kri") $out"
done <<'EOF_CASES'
--date 2026-02-29|krizovky-tool daily: --date is a day of the calendar as YYYY-MM-DD, not "2026-02-29"
--date 9.12.2026|krizovky-tool daily: --date is a day of the calendar as YYYY-MM-DD, not "9.12.2026"
--date|krizovky-tool daily: --date needs a value
--day 2026-12-09|krizovky-tool daily: unknown argument "--day"
EOF_CASES

echo "krizovky-tool daily: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
