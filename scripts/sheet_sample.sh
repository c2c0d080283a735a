#!/usr/bin/env bash
# Prints the example evaluation's sheet and saves a picture of it (default docs/sheet.png).
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/sheet.png}
scripts/build.sh --target aggir_sheet_sample >/dev/null
pdf=$(build/tools/aggir_sheet_sample)
pdftoppm -r 72 -png -singlefile "$pdf" "${out%.png}"
rm -f "$pdf"
echo "$out"
