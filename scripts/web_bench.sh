#!/usr/bin/env bash
# SPDX-License-Identifier: EUPL-1.2
# The page's size and speed (bench/web_bench.mjs), never run as a test:
#   scripts/web_bench.sh [LOADS] [PRINTS]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/web.sh >/dev/null
NODE_PATH=build/web-deps/npm/node_modules node bench/web_bench.mjs build/web/aggir.html "$@"
