#!/usr/bin/env bash
# Regenerates the golden files (the evaluation sheet, the window in its states) from the
# current code, when a change of what they hold is meant. Review the diff before committing:
#   scripts/golden.sh && git diff tests/
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
if [ ! -f "$build/build.ninja" ]; then
  cmake -S . -B "$build" -G Ninja -DAGGIR_BUILD_TESTS=ON
fi
cmake --build "$build" --target calculator_tests pdf_tests
AGGIR_UPDATE_GOLDEN=1 "$build/tests/calculator_tests" --gtest_filter='*Golden*'
AGGIR_UPDATE_GOLDEN=1 "$build/tests/pdf_tests" --gtest_filter='*Golden*'
git status --short -- tests/
