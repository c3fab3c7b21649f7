#!/usr/bin/env bash
# Installs the build into a temporary prefix, and once more into a staging
# folder (DESTDIR), and starts both programs from the launchers there.
#   install_test.sh BUILD_DIR APP_ID
set -u
build=$1
app_id=$2
source "$(dirname "$0")/install_checks.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1
check "cmake --install into a prefix" 0 $?
check_installed "$prefix" "$build" "$app_id"

# A second copy of the program folder without the combination table: the
# program says so in a box instead of showing its window. Makes sure that the
# check of the window above can fail.
mkdir -p "$work/broken/bin"
cp -a "$prefix/lib/krizovky" "$work/broken/krizovky"
rm "$work/broken/krizovky/krizovky.DEF"
ln -s ../krizovky/krizovky "$work/broken/bin/krizovky"
check "without its data the program shows no window" "a box" \
    "$(first_window "$work/broken/bin/krizovky")"

# DESTDIR puts the tree under a staging folder; the links stay relative.
DESTDIR=$work/stage cmake --install "$build" --prefix /usr/local >"$work/stage.log" 2>&1
check "cmake --install with DESTDIR" 0 $?
check "the launcher points into the program folder" "../lib/krizovky/krizovky-tool" \
    "$(readlink "$work/stage/usr/local/bin/krizovky-tool")"
check "the staged tool runs" "$("$build/krizovky-tool" list "$build/krizovky.KRI")" \
    "$("$work/stage/usr/local/bin/krizovky-tool" list "$work/stage/usr/local/lib/krizovky/krizovky.KRI")"

finish "install"
