#!/usr/bin/env bash
# Installs what is missing, builds Quillmark and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh

cmake --preset release
cmake --build --preset release --target quillmark
exec build/release/bin/quillmark "$@"
