#!/usr/bin/env bash
# Configures and builds the project in build/ (extra CMake options may follow).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DAGGIR_WERROR=ON "$@" >/dev/null
cmake --build build
