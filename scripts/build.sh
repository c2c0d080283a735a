#!/usr/bin/env bash
# SPDX-License-Identifier: EUPL-1.2
# Configures build/ and builds; the other arguments go to `cmake --build` (for example
# `--target aggir`).
#   scripts/build.sh [run] [cmake --build arguments]
# With `run`, a fresh build/ holds the program alone (what `scripts/setup.sh run` installs is
# enough) and an existing one keeps what it holds; otherwise the tests and benchmarks too.
set -euo pipefail
cd "$(dirname "$0")/.."
options=(-DAGGIR_BUILD_TESTS=ON -DAGGIR_BUILD_BENCH=ON)
if [ "${1:-}" = run ]; then
  shift
  options=()
  [ -f build/CMakeCache.txt ] || options=(-DAGGIR_BUILD_TESTS=OFF -DAGGIR_BUILD_BENCH=OFF)
fi
cmake -S . -B build -G Ninja -DAGGIR_WERROR=ON -DAGGIR_BUILD_APP=ON "${options[@]}" >/dev/null
cmake --build build "$@"
