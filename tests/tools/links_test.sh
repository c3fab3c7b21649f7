#!/usr/bin/env bash
# "krizovky-tool import" and "export": a link of the public puzzle editor in
# as a task, the task out again as the same link and as the editor's file,
# refusals and errors.
set -u
source "$(dirname "$0")/test_helpers.sh"

link='https://puzz.link/p?kakuro/5/5/48la0.na0lh3l0Bn.0cl.c4a3'
board='x x 0/12 0/4 x x|x 8/4 _ _ 0/10 x|10/0 _ _ _ _ 0/10|3/0 _ _ 3/17 _ _|x 21/0 _ _ _ _|x x 12/0 _ _ x|'
shown() {  # task file, name: the top left 6 x 6 of the board
    "$tool" show "$1" "$2" | head -6 | cut -d' ' -f1-6 | tr '\n' '|'
}

"$tool" import "$link" >"$work/a.kri"
check "the task is a name line and 15 rows, CR LF" "@odkaz 6x6|16|16" \
    "$(head -1 "$work/a.kri" | tr -d '\r')|$(wc -l <"$work/a.kri")|$(grep -c $'\r$' "$work/a.kri")"
check "it loads as the board of the link" "$board" "$(shown "$work/a.kri" "odkaz 6x6")"
check "and goes out as the same link" "$link" "$("$tool" export "$work/a.kri" "odkaz 6x6")"

"$tool" export "$work/a.kri" "odkaz 6x6" --pzprv3 >"$work/p.txt"
check "the file form: ROWS before COLS" "pzprv3|kakuro|5|5|0 0 12 4 0 0 |" \
    "$(head -5 "$work/p.txt" | tr -d '\r' | tr '\n' '|')"
"$tool" import "$work/p.txt" "z souboru č. 1" >"$work/b.kri"
check "a file comes in under the name given" "$board" "$(shown "$work/b.kri" "z souboru č. 1")"
check "the name is Windows-1250" $'@z souboru \xe8. 1' "$(head -1 "$work/b.kri" | tr -d '\r')"

status() {  # a command: its standard error and its exit status
    "$@" >/dev/null 2>"$work/err"
    local code=$?
    echo "$(cat "$work/err") $code"
}
check "too large" "Křížovka je příliš velká: má 15 × 14 políček uvnitř řádku a sloupce součtů, hra pojme nejvýš 14 × 14. 1" \
    "$(status "$tool" import "?kakuro/15/14/z")"
check "another puzzle" "Nejde o součtovou křížovku, ale o hádanku typu „sudoku“. 1" \
    "$(status "$tool" import "https://puzz.link/p?sudoku/9/9/")"
check "damaged" "Odkaz je poškozený: data končí předčasně. 1" "$(status "$tool" import "${link%3}")"
check "a file that is not there" "File not found 1" "$(status "$tool" import "$work/none.txt")"
check "a name with a line end" $'bad task name "a\nb" 1' "$(status "$tool" import "$link" $'a\nb')"

{ example_task; task "v řadě" 2,2; } >"$work/t.kri"
check "a task the link cannot hold" \
    "Úlohu nelze zapsat jako odkaz: políčko na řádku 1 a sloupci 1 do něj zapsat nejde. 1" \
    "$(status "$tool" export "$work/t.kri" "v řadě")"
check "the example task" "https://puzz.link/p?kakuro/2/2/ng38b" "$("$tool" export "$work/t.kri" priklad)"
check "unknown name" 'no task named "nic" 1' "$(status "$tool" export "$work/t.kri" nic)"
check "missing task file" "File not found 1" "$(status "$tool" export "$work/none.kri" priklad)"
for args in "import" "export $work/t.kri" "export $work/t.kri priklad --link"; do
    # shellcheck disable=SC2086
    "$tool" $args >/dev/null 2>&1
    check "usage for: $args" 1 $?
done

# The menu items in a played game: a link kept in the player's own task file
# under a name and loaded, its link copied again; a damaged one refused.
printf 'importlink %s sobotní\ncopylink\nimportlink %s\n' "$link" "${link%3}" |
    XDG_DATA_HOME="$work/data" "$tool" play "$work/t.kri" priklad >"$work/play.out"
check "play: importlink and copylink" \
    "clipboard: $link|message: Odkaz na úlohu je ve schránce:\\n$link|refused: Odkaz je poškozený: data končí předčasně.|" \
    "$(tr '\n' '|' <"$work/play.out")"
check "play: kept under its name" $'@sobotn\xed' "$(tr -d '\r' <"$work/data/krizovky/moje_ulohy.kri" | sed -n 2p)"

echo "krizovky-tool import and export: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
