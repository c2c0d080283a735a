#!/usr/bin/env bash
# Configures build/ with everything on and builds; arguments go to `cmake --build`
# (for example `--target aggir`).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DAGGIR_WERROR=ON -DAGGIR_BUILD_APP=ON -DAGGIR_BUILD_TESTS=ON \
  -DAGGIR_BUILD_BENCH=ON >/dev/null
cmake --build build "$@"
