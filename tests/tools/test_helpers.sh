# The common part of the tool's test scripts: the program under test, a work
# folder removed at the end, and check with its counts. Sourced, not run.
tool=${KRIZOVKY_TOOL:?KRIZOVKY_TOOL names the program under test}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0
failed=0

check() {  # name, expected, actual
    if [ "$2" == "$3" ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        printf 'FAIL %s\n--- expected\n%s\n--- actual\n%s\n' "$1" "$2" "$3"
    fi
}

# A task of the given name and top rows, blank below them, with CR LF.
task() {  # name, rows...
    printf '@%s\r\n' "$1"
    shift
    printf '%s\r\n' "$@"
    for ((r = $# + 1; r <= 15; r++)); do printf '0*15\r\n'; done
}

# The example task, solved by 7 1 over 9 2.
example_task() {
    task priklad 0,0/16,0/3,0*12 8/0,2,2,0*12 11/0,2,2,0*12
}
