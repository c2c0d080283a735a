#!/usr/bin/env bash
# SPDX-License-Identifier: EUPL-1.2
# Configures build-fuzz/ with clang and the fuzzing sanitizers and builds fuzz targets without
# running them: the one named (jpeg, afm, colour, page_format, writer, unicode_text,
# sheet_reader or csv_reader), or all of them. Installs clang first when it is missing.
#   scripts/fuzz_build.sh [TARGET]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh fuzz >/dev/null
target=${1:+${1}_fuzz}
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DAGGIR_BUILD_FUZZ=ON \
  -DAGGIR_WERROR=ON -DAGGIR_BUILD_APP=OFF -DAGGIR_BUILD_TESTS=OFF -DAGGIR_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz --target "${target:-aggir_fuzz_targets}"
