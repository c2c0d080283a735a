#!/usr/bin/env bash
# SPDX-License-Identifier: EUPL-1.2
# Draws the calculator's window on a virtual screen into a PNG file.
#   scripts/screenshot.sh [file.png] [blank|coded|coherence|questions|profile]
#   (default: docs/window.png, coded)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh docs >/dev/null
out=${1:-docs/window.png}
scenario=${2:-coded}
scripts/build.sh --target aggir_window_shot >/dev/null
xvfb-run -a -s "-screen 0 1280x1024x24" build/tools/aggir_window_shot "$out" "$scenario"
echo "$out"
