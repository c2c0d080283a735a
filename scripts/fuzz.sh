#!/usr/bin/env bash
# Fuzzes the JPEG header reader with libFuzzer under AddressSanitizer for the given number
# of seconds (default 300). The seeds are the files the JPEG tests make; new inputs gather
# in build-fuzz/corpus/jpeg and any crashing input is saved in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}
scripts/setup.sh
scripts/build.sh --target pdf_tests
build/tests/pdf_tests --gtest_filter='JpegTest.*' >/dev/null
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DAGGIR_BUILD_FUZZ=ON \
  -DAGGIR_BUILD_APP=OFF -DAGGIR_BUILD_TESTS=OFF -DAGGIR_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz --target jpeg_fuzz
mkdir -p build-fuzz/corpus/jpeg build-fuzz/findings
build-fuzz/fuzz/jpeg_fuzz -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix=build-fuzz/findings/ build-fuzz/corpus/jpeg build/fuzz-seeds/jpeg
