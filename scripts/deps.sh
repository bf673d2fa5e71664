#!/usr/bin/env bash
# Installs the Debian 12 packages Quillmark needs to build, test and run,
# asking apt only when one of them is missing.
set -euo pipefail

packages=(
    g++ clang cmake ninja-build pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev libzxing-dev libzbar-dev poppler-utils
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-qpa-plugins libgl-dev
    fonts-dejavu-core fonts-liberation
    xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo_cmd=(sudo)
    fi
    "${sudo_cmd[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
