#!/usr/bin/env bash
# Configures and builds the project in build/ (Ninja, ccache when present).
set -euo pipefail
cd "$(dirname "$0")/.."
"$PWD/scripts/setup.sh"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"
