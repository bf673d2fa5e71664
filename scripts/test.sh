#!/usr/bin/env bash
# Installs what is missing, then configures, builds and runs every test twice:
# once with the default preset and once with AddressSanitizer + UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh

export QT_QPA_PLATFORM=offscreen
for preset in default asan; do
    echo "=== preset: $preset ==="
    cmake --preset "$preset"
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
