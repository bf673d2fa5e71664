#!/usr/bin/env bash
# Installs what is missing, then configures, builds and runs every test twice:
# once with the default preset and once with AddressSanitizer + UBSan. The
# release preset (benchmarks) and a Clang build are built too, so that every
# preset and both compilers stay free of warnings; the release build is then
# installed, packaged and validated (scripts/package.sh, a few seconds), and
# clang-tidy checks every source file the default preset compiles. Last, each
# fuzz target runs for 20 seconds on its seeds, so that a regression they
# reach fails here.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh

# The folders depend on each other one way only, with no loops of includes.
python3 scripts/check_layers.py

export QT_QPA_PLATFORM=offscreen
for preset in default asan; do
    echo "=== preset: $preset ==="
    cmake --preset "$preset"
    cmake --build --preset "$preset"
    ctest --preset "$preset"
    # The tool stands on the output library alone: no widget code in it.
    if ldd "build/$preset/bin/quillmark-render" | grep -E 'libQt6(Widgets|PrintSupport)'; then
        echo "quillmark-render links widget libraries" >&2
        exit 1
    fi
done

echo "=== clang-tidy (the default preset's sources) ==="
bash scripts/tidy.sh

for preset in release clang; do
    echo "=== preset: $preset (build only) ==="
    cmake --preset "$preset"
    cmake --build --preset "$preset"
    if [ "$preset" = release ]; then
        echo "=== package: install tree, desktop entry, AppStream, Debian package, lintian ==="
        bash scripts/package.sh build/release
    fi
done

echo "=== fuzz targets (20 s each) ==="
bash scripts/fuzz.sh 20
