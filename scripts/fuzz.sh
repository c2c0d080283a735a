#!/usr/bin/env bash
# SPDX-License-Identifier: EUPL-1.2
# Fuzzes one target with libFuzzer under AddressSanitizer and UndefinedBehaviorSanitizer for
# the given number of seconds (default 600):
#   scripts/fuzz.sh TARGET [SECONDS]
#   TARGET: jpeg, afm, colour, page_format, writer, unicode_text, sheet_reader or csv_reader
# The seeds are the cases the tests leave in build/fuzz-seeds/TARGET: the writer's for the
# writer's targets (the metric target also starts from the generated metric files), the
# Unicode runs' cases for unicode_text (with fuzz/unicode_text.dict as its dictionary), the
# printed, refused and rewritten sheets for the reader of sheets, the files of the reader's
# tests for the evaluations' file (csv_reader), which also takes the tokens of
# fuzz/csv_reader.dict (byte order marks, separators, code pages). New inputs gather in
# build-fuzz/corpus/TARGET; a crashing input is saved in build-fuzz/findings/ and ends the run.
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:?"usage: scripts/fuzz.sh jpeg|afm|colour|page_format|writer|unicode_text|sheet_reader|csv_reader [seconds]"}
seconds=${2:-600}
case "$target" in
  jpeg|afm|colour|page_format|writer)
    tests=pdf_tests
    filter='JpegTest.*:AfmTest.*:GraphicsTest.*Colour*:SettingsTest.*:WriterScriptTest.*' ;;
  unicode_text)
    tests=pdf_tests
    filter='UnicodeRunsTest.*' ;;
  sheet_reader)
    tests=calculator_tests
    filter='ReopenTest.*:*RewrittenSheetTest.*:*RefusedFileTest.*:*RefusedTextTest.*' ;;
  csv_reader)
    tests=batch_tests
    filter='CsvTest.*' ;;
  *) echo "unknown fuzz target: $target" >&2; exit 2 ;;
esac
scripts/setup.sh
scripts/build.sh --target "$tests" aggir_fonts
build/tests/"$tests" --gtest_filter="$filter" >/dev/null
scripts/fuzz_build.sh "$target"
seeds=(build/fuzz-seeds/"$target")
if [ "$target" = afm ]; then seeds+=(build/system/Fonts); fi
options=()
if [ -f fuzz/"$target".dict ]; then options+=(-dict=fuzz/"$target".dict); fi
mkdir -p build-fuzz/corpus/"$target" build-fuzz/findings
UBSAN_OPTIONS=print_stacktrace=1 LSAN_OPTIONS=suppressions=tests/lsan.supp build-fuzz/fuzz/"${target}_fuzz" -max_total_time="$seconds" \
  -print_final_stats=1 -artifact_prefix=build-fuzz/findings/"$target"- "${options[@]}" \
  build-fuzz/corpus/"$target" "${seeds[@]}"
