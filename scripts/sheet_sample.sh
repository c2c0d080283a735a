#!/usr/bin/env bash
# SPDX-License-Identifier: EUPL-1.2
# Prints the example evaluation's sheet and saves a picture of it (default docs/sheet.png).
# The sheet's footer names the file written, in the program's folder: the program runs from
# a copy laid out under /tmp/aggir (bin/ and system/Fonts), so that the picture shows no
# folder of the machine that made it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh docs >/dev/null
out=${1:-docs/sheet.png}
scripts/build.sh --target aggir_sheet_sample >/dev/null
copy=/tmp/aggir
if [ -e "$copy" ]; then
  echo "$copy is in the way: remove it and run again" >&2
  exit 1
fi
trap 'rm -rf "$copy"' EXIT
mkdir -p "$copy/bin" "$copy/system"
cp build/tools/aggir_sheet_sample "$copy/bin/"
cp -r build/system/Fonts "$copy/system/"
pdf=$("$copy/bin/aggir_sheet_sample")
pdftoppm -r 72 -png -singlefile "$pdf" "${out%.png}"
echo "$out"
