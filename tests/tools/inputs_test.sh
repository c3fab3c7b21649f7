#!/usr/bin/env bash
# krizovky-tool on task files the program never writes itself: a name of
# 10,000 characters, lines of 1 MB, NUL bytes, UTF-8, a folder, a file
# without read permission, a pipe and an endless device. Each gives a
# sensible reading or an error text with status 1; none crashes or hangs.
set -u
source "$(dirname "$0")/test_helpers.sh"

run() {  # a command with a time limit: its output (or its first lines), then its status
    local out status
    out=$(timeout 20 "${@:2}" 2>&1)
    status=$?
    echo "$(echo "$out" | head -"$1") (status $status)"
}
bytes() {  # count character: count times the character
    head -c "$1" /dev/zero | tr '\0' "$2"
}
rows=$'0,0/16,0/3,0*12\r\n8/0,2,2,0*12\r\n11/0,2,2,0*12'
top=$'x 0/16 0/3 x x x x x x x x x x x x\n8/0 _ _ x x x x x x x x x x x x (status 0)'

long=$(bytes 10000 n)
{ printf '@%s\r\n%s\r\n@mega\r\n' "$long" "$rows"; bytes 1048576 0; printf '\r\n'; bytes 1048576 x; } \
    >"$work/odd.kri"
check "a name line counts its first 255 characters" "${long:0:255}"$'\nmega (status 0)' \
    "$(run 2 "$tool" list "$work/odd.kri")"
check "its task loads" "$top" "$(run 2 "$tool" show "$work/odd.kri" "${long:0:255}")"
check "a row of 1 MB" "Range check error (status 1)" "$(run 1 "$tool" show "$work/odd.kri" mega)"

printf '@nul\r\n0,0/\x0016,0/3,0*12\x00\r\n8/0,2,2,0*12\r\n11/0,2,2,0*12\r\n\x00\r\n' >"$work/nul.kri"
check "NUL bytes in rows are no digits" "$top" "$(run 2 "$tool" show "$work/nul.kri" nul)"

printf '\xef\xbb\xbf@žlutá\n%s\n@čáp\n' "$rows" >"$work/utf8.kri"
check "a file in UTF-8 lists its names" $'žlutá\nčáp (status 0)' "$(run 2 "$tool" list "$work/utf8.kri")"
check "and loads its tasks" "$top" "$(run 2 "$tool" show "$work/utf8.kri" žlutá)"

mkdir "$work/folder.kri"
check "a folder as task file" "Is a directory (status 1)" "$(run 1 "$tool" list "$work/folder.kri")"
check "a folder as saved game" "Is a directory (status 1)" \
    "$(run 1 "$tool" show-saved "$work/folder.kri")"
printf '%s\r\n' "@priklad" "$rows" >"$work/p.kri"
check "a folder in the way of Ulož and Načti" \
    $'message: Is a directory\nmessage: Is a directory (status 0)' \
    "$(printf 'save %s\nload %s\n' "$work/folder.kri" "$work/folder.kri" |
        run 2 "$tool" play "$work/p.kri" priklad)"

mkfifo "$work/pipe.kri"
check "a pipe without a writer reads empty" " (status 0)" "$(run 1 "$tool" list "$work/pipe.kri")"
check "an endless device is cut off" "File too large (status 1)" "$(run 1 "$tool" list /dev/zero)"

cp "$work/p.kri" "$work/locked.kri"
chmod 000 "$work/locked.kri"
as_user=()
if [ "$(id -u)" -eq 0 ]; then  # root reads every file: the tool runs as nobody
    chmod 755 "$work"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
check "a file without read permission" "Permission denied (status 1)" \
    "$(run 1 "${as_user[@]}" "$tool" list "$work/locked.kri")"

echo "krizovky-tool inputs: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
