#!/usr/bin/env bash
# Installs what is missing, then configures, builds and runs every test twice:
# once with the default preset and once with AddressSanitizer + UBSan. The
# release preset (benchmarks) and a Clang build are built too, so that every
# preset and both compilers stay free of warnings.
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
for preset in release clang; do
    echo "=== preset: $preset (build only) ==="
    cmake --preset "$preset"
    cmake --build --preset "$preset"
done
