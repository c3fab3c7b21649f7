#!/usr/bin/env bash
# "&Pomoc" through "krizovky-tool play": the boxes of "hint", "verify" and
# "errors", and their colours in the board of "show" (S and B a hint's
# squares, P the wrong ones) until the next click on a square.
set -u
source "$(dirname "$0")/test_helpers.sh"

{
    example_task
    task vice 0,0/10,0/10,0*12 10/0,2,2,0*12 10/0,2,2,0*12
} >"$work/h.kri"

events() {  # task, then the events separated by ";"; only the boxes and rows 2 and 3
    local name=$1
    shift
    echo "$*" | tr ';' '\n' | "$tool" play "$work/h.kri" "$name" 2>&1 |
        grep -E '^(message|error|question|8/0|11/0|10/0)' | sed 's/ x x x x x x x x x x x x$//'
}

out=$(events priklad "hint; show; click 3 3; show")
check "a hint paints its squares, the decided one blue, until the next click" "$(
    printf 'message: Další cifra vyjde po 3 úvahách.\\n\\n1. úvaha "jediná kombinace": '
    printf 'Součet 16 ve dvou políčkách má jedinou kombinaci 7 + 9, takže svislá řada se součtem 16 '
    printf '(políčka (2, 2) až (3, 2)) může mít jen cifry 7 a 9, každou jednou. Proto z políčka '
    printf '(2, 2) odpadají 1, 2, 3, 4, 5, 6 a 8 a z políčka (3, 2) odpadají 1, 2, 3, 4, 5, 6 a 8.'
    printf '\\n\\n2. úvaha "jediná kombinace": Součet 3 ve dvou políčkách má jedinou kombinaci '
    printf '1 + 2, takže svislá řada se součtem 3 (políčka (2, 3) až (3, 3)) může mít jen cifry 1 a '
    printf '2, každou jednou. Proto z políčka (2, 3) odpadají 3, 4, 5, 6, 7, 8 a 9 a z políčka (3, 3) '
    printf 'odpadají 3, 4, 5, 6, 7, 8 a 9.\\n\\n3. úvaha "průsečík řad": Vodorovná řada se součtem 8 '
    printf '(políčka (2, 2) až (2, 3)) dovoluje v políčku (2, 2) cifry 1, 2, 3, 5, 6 a 7, svislá řada '
    printf 'se součtem 16 (políčka (2, 2) až (3, 2)) cifry 7 a 9. Proto do políčka (2, 2) patří 7.\n'
    printf '8/0 _B _S\n11/0 _S _S\n8/0 _Y _Y\n11/0 _Y _R\n'
)" "$out"

# Without the completion and the entry check, at "130" every digit can be written.
setup="autofill; checking; level 130"
out=$(events priklad "$setup; verify; errors; popup 2 2; digit 7; verify; popup 3 2; digit 8;" \
    "popup 2 3; digit 2; verify; hint; errors; show; popup 2 2; erase; show")
check "verify counts the wrong squares, errors paints them, a hint only says there is one" "$(
    echo "message: Zatím jste nevepsal žádnou cifru."
    echo "message: Žádná vepsaná cifra není chybná."
    echo "message: Všechno, co jste zatím vepsal, je správně."
    echo 'message: Chybnou cifru mají 2 políčka. Kde jsou chyby, ukáže "Ukaž chyby".'
    echo "message: Na desce je chyba: některá vepsaná cifra do řešení nepatří. Další krok vám poradím, až ji najdete a opravíte."
    printf '8/0 7Y 2P\n11/0 8P _Y\n8/0 _R 2Y\n11/0 8Y _Y\n'
)" "$out"

out=$(events priklad "popup 2 2; digit 7; hint; verify")
check "a complete board, filled by the completion from the 7" "$(
    echo "message: Celou křížovku jste úspěšně vyřešil, gratuluji!"
    echo "message: Křížovka je celá správně vyplněná, další krok už není."
    echo "message: Celá křížovka je vyplněná správně."
)" "$out"

out=$(events vice "hint; verify; errors; show")
check "a task with several solutions gets no judgement" "$(
    echo "message: Další krok vám neporadím: úloha má více řešení."
    echo "message: Tato úloha má víc než jedno řešení. Nemohu proto posoudit, zda je to, co jste vepsal, správně."
    echo "message: Tato úloha má víc než jedno řešení. Nemohu proto říct, která cifra je chybná."
    printf '10/0 _Y _Y\n10/0 _Y _Y\n'
)" "$out"

echo "krizovky-tool help: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
