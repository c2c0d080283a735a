#!/usr/bin/env bash
# SPDX-License-Identifier: EUPL-1.2
# Regenerates the golden files (the evaluation sheet, the window in its states, the output
# columns of the table files) from the current code, when a change of what they hold is
# meant. Review the diff before committing:
#   scripts/golden.sh && git diff tests/
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
if [ ! -f "$build/build.ninja" ]; then
  cmake -S . -B "$build" -G Ninja -DAGGIR_BUILD_TESTS=ON
fi
cmake --build "$build" --target grid_tests sheet_tests calculator_tests pdf_tests batch_tests desktop_tests
AGGIR_UPDATE_GOLDEN=1 "$build/tests/grid_tests" --gtest_filter='*Table*'
AGGIR_UPDATE_GOLDEN=1 "$build/tests/sheet_tests" --gtest_filter='*Texts*'
AGGIR_UPDATE_GOLDEN=1 "$build/tests/calculator_tests" --gtest_filter='*Golden*'
AGGIR_UPDATE_GOLDEN=1 "$build/tests/pdf_tests" --gtest_filter='*Golden*:FormatTest.Conv*:SettingsTest.*Table'
AGGIR_UPDATE_GOLDEN=1 "$build/tests/batch_tests" --gtest_filter='EndToEnd*:*Table*'
QT_QPA_PLATFORM=offscreen AGGIR_UPDATE_GOLDEN=1 "$build/tests/desktop_tests" --gtest_filter='ViewGolden*:*Table*'
git status --short -- tests/
