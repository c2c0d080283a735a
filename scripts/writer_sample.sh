#!/usr/bin/env bash
# SPDX-License-Identifier: EUPL-1.2
# Writes the writer's sample document and saves a picture of its graphics page
# (default docs/writer.png).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh docs >/dev/null
out=${1:-docs/writer.png}
scripts/build.sh --target pdf_sample
pdf=$(mktemp --suffix=.pdf)
trap 'rm -f "$pdf"' EXIT
build/tools/pdf_sample "$pdf"
page=4
pdftoppm -f "$page" -l "$page" -r 96 -png -singlefile "$pdf" "${out%.png}"
echo "$out"
