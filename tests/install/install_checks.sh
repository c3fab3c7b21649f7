# The checks of an installed tree, shared by install_test.sh and
# package_test.sh. Each check prints a line only when it fails.
passed=0
failed=0

check() {  # check WHAT EXPECTED ACTUAL
    if [ "$2" == "$3" ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        printf 'FAIL: %s\n  expected: %s\n  actual:   %s\n' "$1" "$2" "$3"
    fi
}

finish() {  # finish NAME: the closing line and the exit status
    echo "$1: $passed passed, $failed failed"
    [ "$failed" -eq 0 ]
    exit
}

# The width and height of a PNG file from its header, "16x16".
png_size() {
    local bytes
    read -r -a bytes <<<"$(od -An -tu1 -j16 -N8 "$1" 2>/dev/null)"
    [ ${#bytes[@]} -eq 8 ] || { echo "no PNG"; return; }
    echo "$(((bytes[0] << 24) + (bytes[1] << 16) + (bytes[2] << 8) + bytes[3]))x$(((bytes[4] << 24) + (bytes[5] << 16) + (bytes[6] << 8) + bytes[7]))"
}

# Starts PROGRAM (a path, or a name looked up on PATH as the desktop menu does)
# on a virtual display and tells what it shows first: "the main window" when
# its 826 x 578 window comes up and no box follows, "a box" when a smaller
# window (a message box) is there, "no window" when nothing shows within a
# minute (a loaded machine may take its time to start a program). The program
# is ended then. It runs with player folders of its own, so that it neither
# sees nor leaves the files of the one who runs the test. A virtual display
# that could not be had (two servers of one number on a busy machine, where
# Qt ends the program at once) gives "no window"; the start is then tried
# again on a new display, up to three times.
first_window() {
    local shown
    for _ in 1 2 3; do
        shown=$(first_window_once "$1")
        [ "$shown" != "no window" ] && break
    done
    echo "$shown"
}

first_window_once() {
    local home
    home=$(mktemp -d)
    XDG_DATA_HOME=$home/data XDG_STATE_HOME=$home/state XDG_CONFIG_HOME=$home/config \
    QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
        "$1" >/dev/null 2>"$2" &
        pid=$!
        windows=""
        for _ in $(seq 600); do
            windows=$(xdotool search --onlyvisible --class krizovky 2>/dev/null)
            [ -n "$windows" ] && break
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        # A box that would follow the window gets its second.
        [ -n "$windows" ] && sleep 1 && windows=$(xdotool search --onlyvisible --class krizovky)
        sizes=""
        for window in $windows; do
            eval "$(xdotool getwindowgeometry --shell "$window")"
            sizes="$sizes ${WIDTH}x${HEIGHT}"
        done
        case "$sizes" in
            "") echo "no window"
                # What the program said goes with the test'"'"'s output.
                sed "s/^/  the program: /" "$2" >&2 ;;
            " 826x578") echo "the main window" ;;
            *) echo "a box" ;;
        esac
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
        true
    ' _ "$1" "$home/errors"
    rm -rf "$home"
}

# check_installed PREFIX BUILD_DIR APP_ID: what an installation under PREFIX
# must hold, and both programs started from it.
check_installed() {
    local prefix=$1 build=$2 app_id=$3
    local program_dir=$prefix/lib/krizovky
    for program in krizovky krizovky-tool; do
        check "$program in the program folder" "yes" "$([ -x "$program_dir/$program" ] && echo yes)"
        check "the launcher $program is a link to it" "$program_dir/$program" \
            "$(readlink -f "$prefix/bin/$program")"
    done
    for extension in DEF KRI VZR PRA; do
        check "krizovky.$extension beside the program, as built" "same" \
            "$(cmp -s "$program_dir/krizovky.$extension" "$build/krizovky.$extension" && echo same)"
    done
    check "the desktop entry" "Exec=krizovky" \
        "$(grep '^Exec=' "$prefix/share/applications/$app_id.desktop" 2>&1)"
    check "the AppStream data" "<id>$app_id</id>" \
        "$(grep -o '<id>.*</id>' "$prefix/share/metainfo/$app_id.metainfo.xml" 2>&1)"
    check "the scalable icon" "yes" \
        "$([ -s "$prefix/share/icons/hicolor/scalable/apps/krizovky.svg" ] && echo yes)"
    for size in 16 22 24 32 48 64 128 256; do
        check "the ${size}px icon" "${size}x$size" \
            "$(png_size "$prefix/share/icons/hicolor/${size}x$size/apps/krizovky.png")"
    done
    for page in krizovky krizovky-tool; do
        check "the manual page $page(6)" "NAME" \
            "$(MANWIDTH=80 man -l "$prefix/share/man/man6/$page.6.gz" 2>/dev/null | grep -m1 -o '^NAME')"
    done

    # The tool through its launcher, on the installed task file.
    local names
    names=$("$prefix/bin/krizovky-tool" list "$program_dir/krizovky.KRI")
    check "krizovky-tool list through the launcher" "$("$build/krizovky-tool" list "$build/krizovky.KRI")" \
        "$names"
    check "... lists tasks" "yes" "$([ -n "$names" ] && echo yes)"
    check "krizovky-tool show through the launcher" 0 \
        "$("$prefix/bin/krizovky-tool" show "$program_dir/krizovky.KRI" "$(head -n1 <<<"$names")" >/dev/null; echo $?)"

    # The game by its name on the path, as the desktop entry starts it.
    check "krizovky started by name finds its data files" "the main window" \
        "$(PATH="$prefix/bin:$PATH" first_window krizovky)"
}
