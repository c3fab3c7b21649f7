#!/usr/bin/env bash
# The manual pages: groff reads them without a warning, and the page of
# krizovky-tool names every command that the tool's usage lists.
#   manual_pages_test.sh MANDIR KRIZOVKY_TOOL
set -u
man_dir=$1
tool=$2
failed=0

for page in "$man_dir"/*.6; do
    warnings=$(LC_ALL=C.UTF-8 groff -K utf8 -Tutf8 -man -ww -z "$page" 2>&1)
    if [ -n "$warnings" ]; then
        echo "FAIL: $page: $warnings"
        failed=1
    fi
done

# The usage goes to standard error: "usage: krizovky-tool VERB ..." and
# "       krizovky-tool VERB ..." lines.
verbs=$("$tool" 2>&1 | sed -n 's/^.*krizovky-tool \([a-z-]*\).*$/\1/p' | sort -u)
if [ -z "$verbs" ]; then
    echo "FAIL: no usage from $tool"
    failed=1
fi
for verb in $verbs; do
    if ! grep -q "^\.B krizovky\\\\-tool ${verb//-/\\\\-}\$" "$man_dir/krizovky-tool.6"; then
        echo "FAIL: krizovky-tool.6 does not show the command $verb"
        failed=1
    fi
done
[ "$failed" -eq 0 ] && echo "manual pages: $(echo $verbs | wc -w) commands documented"
exit "$failed"
