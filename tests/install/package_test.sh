#!/usr/bin/env bash
# Builds the Debian package, installs it with dpkg, checks what it put where
# and starts both programs from there, then removes it again. Needs root, and
# a machine where krizovky is not installed already; skips (77) otherwise.
#   package_test.sh BUILD_DIR APP_ID
set -u
build=$1
app_id=$2
source "$(dirname "$0")/install_checks.sh"

if [ "$(id -u)" -ne 0 ]; then
    echo "package test: skipped, dpkg -i needs root"
    exit 77
fi
if dpkg-query -W krizovky >/dev/null 2>&1 || [ -e /usr/bin/krizovky ] || [ -e /usr/lib/krizovky ]; then
    echo "package test: skipped, krizovky is installed on this machine already"
    exit 77
fi

work=$(mktemp -d)
installed=no
cleanup() {
    [ "$installed" = yes ] && dpkg -r krizovky >/dev/null 2>&1
    rm -rf "$work"
}
trap cleanup EXIT

cpack --config "$build/CPackConfig.cmake" -B "$work/packages" >"$work/cpack.log" 2>&1
check "cpack builds the package" 0 $?
deb=("$work"/packages/krizovky_2.0_*.deb)
check "one package file" 1 "$(ls "${deb[@]}" 2>/dev/null | wc -l)"
check "its name and section" "krizovky games" \
    "$(dpkg-deb -f "${deb[0]}" Package Section | sed "s/^[A-Za-z]*: //" | xargs)"
depends=$(dpkg-deb -f "${deb[0]}" Depends)
for package in libqt6widgets6 libicu fonts-dejavu-core qt6-qpa-plugins; do
    check "it depends on $package" "yes" "$(grep -q "$package" <<<"$depends" && echo yes)"
done

dpkg -i "${deb[0]}" >"$work/dpkg.log" 2>&1
status=$?
[ $status -eq 0 ] && installed=yes
check "dpkg -i installs it" 0 $status
check "dpkg knows the launcher" "/usr/bin/krizovky" "$(dpkg -L krizovky | grep -x /usr/bin/krizovky)"
check_installed /usr "$build" "$app_id"

dpkg -r krizovky >"$work/dpkg-r.log" 2>&1
check "dpkg -r removes it" 0 $?
installed=no
for path in /usr/bin/krizovky /usr/bin/krizovky-tool /usr/lib/krizovky \
    "/usr/share/applications/$app_id.desktop" /usr/share/icons/hicolor/48x48/apps/krizovky.png; do
    check "$path is gone" "gone" "$([ -e "$path" ] || [ -L "$path" ] || echo gone)"
done

finish "package"
