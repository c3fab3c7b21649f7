#!/usr/bin/env bash
# "krizovky-tool render" and "booklet": the files and their pages, a saved
# game drawn over its task, and every refusal, which writes no file.
set -u
source "$(dirname "$0")/test_helpers.sh"

# "dva" has two solutions; "zly" breaks the byte limits of the format.
{
    example_task
    task dva 0,0/4,0/4,0*12 4/0,2,2,0*12 4/0,2,2,0*12
    task jina 0,0/3,0/4,0*12 3/0,2,2,0*12 4/0,2,2,0*12
} >"$work/t.kri"
{
    cat "$work/t.kri"
    task zly 0,0/300
} >"$work/bad.kri"
render() { "$tool" render "$work/t.kri" "$@" 2>&1; echo "status $?"; }
size() { identify -format '%wx%h' "$1"; }
pages() { pdfinfo "$1" | sed -n 's/^Pages: *//p'; }
page_size() { pdfinfo "$1" | sed -n 's/^Page size: *\([0-9]* x [0-9]*\).*/\1/p'; }

check "PDF on A4" "status 0|595 x 842|priklad – lehká" \
    "$(render priklad -o "$work/a.pdf")|$(page_size "$work/a.pdf")|$(pdftotext "$work/a.pdf" - | head -1)"
check "PDF on Letter" "status 0|612 x 792" \
    "$(render priklad -o "$work/l.pdf" --paper letter)|$(page_size "$work/l.pdf")"
check "PNG at 300 and at 100 dpi" "status 0|2480x3508|status 0|827x1169" \
    "$(render priklad -o "$work/a.png")|$(size "$work/a.png")|$(render priklad -o "$work/b.PNG" --dpi 100)|$(size "$work/b.PNG")"
check "SVG in millimetres" "status 0|<svg width=\"210mm\" height=\"297mm\"" \
    "$(render priklad -o "$work/a.svg" --no-numbers)|$(grep -m1 '^<svg' "$work/a.svg")"
check "the solution" "status 0|priklad – lehká (řešení)" \
    "$(render priklad -o "$work/s.pdf" --solution)|$(pdftotext "$work/s.pdf" - | head -1)"

# A game saved by the play tool, drawn over its task; with --errors its
# wrong 8 is circled, which adds ink.
play() { "$tool" play "$work/t.kri" "$1" >/dev/null; }
printf '%s\n' checking autofill "level 130" "popup 2 2" "digit 8" "save $work/g.ulo" | play priklad
echo "save $work/d.ulo" | play dva
check "a saved game" "status 0|status 0|status 0" \
    "$(render priklad -o "$work/g.pdf" --game "$work/g.ulo")|$(render priklad -o "$work/g.png" --game "$work/g.ulo" --dpi 50)|$(render priklad -o "$work/e.png" --game "$work/g.ulo" --errors --dpi 50)"
white() { convert "$1" -threshold 50% -format '%[fx:mean]' info:; }
check "the wrong digit is marked" "marked" \
    "$(awk -v e="$(white "$work/e.png")" -v g="$(white "$work/g.png")" 'BEGIN { print (e < g ? "marked" : "not marked") }')"

head -c 100 "$work/g.ulo" >"$work/short.ulo"
while IFS='|' read -r expected args; do
    rm -f "$work/out".*
    out=$(eval "\"\$tool\" render \"\$work/t.kri\" $args" 2>&1)
    status=$?
    check "render $args" "$expected|1|no file" \
        "${out%%$'\n'*}|$status|$(ls "$work"/out.* >/dev/null 2>&1 && echo file || echo no file)"
done <<EOF
no task named "nic"|nic -o \$work/out.pdf
no single solution: více řešení|dva -o \$work/out.pdf --solution
no single solution: více řešení|dva -o \$work/out.pdf --game \$work/d.ulo --errors
the saved game $work/g.ulo is not a game of the task "jina"|jina -o \$work/out.pdf --game \$work/g.ulo
má 100 bajtů místo 8812|priklad -o \$work/out.pdf --game \$work/short.ulo
File not found|priklad -o \$work/out.pdf --game \$work/none.ulo
unknown file type: $work/out.txt (.pdf, .svg or .png)|priklad -o \$work/out.txt
usage: krizovky-tool list TASKFILE|priklad
usage: krizovky-tool list TASKFILE|priklad -o \$work/out.png --dpi 20
usage: krizovky-tool list TASKFILE|priklad -o \$work/out.pdf --errors
usage: krizovky-tool list TASKFILE|priklad -o \$work/out.pdf --solution --game \$work/g.ulo
usage: krizovky-tool list TASKFILE|priklad -o \$work/out.pdf --paper a5
usage: krizovky-tool list TASKFILE|priklad -o \$work/out.pdf --per-page 2
EOF

booklet() { "$tool" booklet "$@" 2>&1; echo "status $?"; }
check "a booklet of the whole file, two a page, solutions after" "status 0|3" \
    "$(booklet "$work/t.kri" -o "$work/b.pdf" --per-page 2 --solutions)|$(pages "$work/b.pdf")"
check "chosen tasks in their order" "status 0|2|1. jina – lehká" \
    "$(booklet "$work/t.kri" -o "$work/c.pdf" --per-page 1 --task jina --task priklad)|$(pages "$work/c.pdf")|$(pdftotext -l 1 "$work/c.pdf" - | head -1)"
while IFS='|' read -r expected args; do
    rm -f "$work/out".*
    out=$(eval "\"\$tool\" booklet $args" 2>&1)
    status=$?
    check "booklet $args" "$expected|1|no file" \
        "${out%%$'\n'*}|$status|$(ls "$work"/out.* >/dev/null 2>&1 && echo file || echo no file)"
done <<EOF
zly: Range check error|\$work/bad.kri -o \$work/out.pdf
no task named "nic"|\$work/t.kri -o \$work/out.pdf --task nic
a booklet is a PDF file: $work/out.svg|\$work/t.kri -o \$work/out.svg
usage: krizovky-tool list TASKFILE|\$work/t.kri -o \$work/out.pdf --per-page 3
usage: krizovky-tool list TASKFILE|\$work/t.kri -o \$work/out.pdf --solution
EOF

echo "krizovky-tool render and booklet: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
