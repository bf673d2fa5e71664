#!/usr/bin/env bash
# Installs the Debian 12 packages Quillmark needs to build, test, package and run,
# asking apt only when one of them is missing, and the locale its tests use.
set -euo pipefail

packages=(
    g++ clang clang-tidy cmake ninja-build pkg-config python3
    libgtest-dev libgmock-dev libbenchmark-dev libzxing-dev libzbar-dev poppler-utils
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-qpa-plugins libgl-dev libfontconfig-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    fonts-dejavu-core fonts-liberation tesseract-ocr
    xvfb xauth
    locales
    glabels-data
    desktop-file-utils appstream lintian dpkg-dev file
    libclang-rt-14-dev
    libcups2-dev cups-daemon cups-client
)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

# Node.js with npm for the ZPL interpreter: Debian's, unless the machine has
# its own (a NodeSource build, which bundles npm and conflicts with Debian's).
if ! command -v npm >/dev/null 2>&1; then
    missing+=(nodejs npm)
fi

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    "${sudo_cmd[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

# A locale with a decimal comma, so that the test of the Height field's
# independence from the user's locale runs rather than skips.
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
    echo "Generating the de_DE.UTF-8 locale"
    "${sudo_cmd[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi

# The independent ZPL interpreter the label printer tests render with, at the
# version its lock file names.
if [ ! -d "$(dirname "$0")/zplcheck/node_modules/zpl-renderer-js" ]; then
    echo "Installing the ZPL interpreter (npm ci in scripts/zplcheck)"
    npm ci --prefix "$(dirname "$0")/zplcheck" --no-audit --no-fund
fi
