#!/usr/bin/env bash
# Installs the Debian packages the build, the tests, the screenshots, the
# icons and the package need.
# As root it installs what is missing; otherwise it prints the one command to run.
set -euo pipefail

packages=(
    build-essential cmake make ninja-build pkg-config
    qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libgl-dev qt6-svg-dev
    libicu-dev zlib1g-dev nlohmann-json3-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev clang-format
    fonts-dejavu-core
    xvfb xauth x11-apps imagemagick xdotool
    librsvg2-bin dpkg-dev desktop-file-utils appstream man-db groff-base
    poppler-utils
    emscripten chromium
)

# The web page's tools from npm, as package-lock.json pins them, whenever the
# lock is newer than what is installed (npm ci needs the registry only then).
install_web_packages() {
    local web
    web="$(dirname "$0")/../web"
    [ -f "$web/package-lock.json" ] || return 0
    if [ ! -f "$web/node_modules/.package-lock.json" ] ||
        [ "$web/package-lock.json" -nt "$web/node_modules/.package-lock.json" ]; then
        (cd "$web" && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund)
    fi
}

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$package")
done
if [ ${#missing[@]} -eq 0 ]; then
    install_web_packages
    exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
    echo "These packages are missing; install them with:"
    echo "  sudo apt-get install -y ${missing[*]}"
    exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${missing[@]}"
install_web_packages
