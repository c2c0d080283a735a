#!/usr/bin/env bash
# Fuzzes one target with libFuzzer under AddressSanitizer and UndefinedBehaviorSanitizer for
# the given number of seconds (default 600):
#   scripts/fuzz.sh TARGET [SECONDS]   TARGET: jpeg, afm, colour, page_format or writer
# The seeds are the cases the writer's tests leave in build/fuzz-seeds/TARGET (the metric
# target also starts from the generated metric files). New inputs gather in
# build-fuzz/corpus/TARGET; a crashing input is saved in build-fuzz/findings/ and ends the run.
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:?"usage: scripts/fuzz.sh jpeg|afm|colour|page_format|writer [seconds]"}
seconds=${2:-600}
case "$target" in
  jpeg|afm|colour|page_format|writer) ;;
  *) echo "unknown fuzz target: $target" >&2; exit 2 ;;
esac
scripts/setup.sh
scripts/build.sh --target pdf_tests aggir_fonts
build/tests/pdf_tests --gtest_filter='JpegTest.*:AfmTest.*:GraphicsTest.*Colour*:SettingsTest.*:WriterScriptTest.*' >/dev/null
scripts/fuzz_build.sh "$target"
seeds=(build/fuzz-seeds/"$target")
if [ "$target" = afm ]; then seeds+=(build/system/Fonts); fi
mkdir -p build-fuzz/corpus/"$target" build-fuzz/findings
UBSAN_OPTIONS=print_stacktrace=1 build-fuzz/fuzz/"${target}_fuzz" -max_total_time="$seconds" \
  -print_final_stats=1 -artifact_prefix=build-fuzz/findings/"$target"- \
  build-fuzz/corpus/"$target" "${seeds[@]}"
