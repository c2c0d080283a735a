#!/usr/bin/env bash
# SPDX-License-Identifier: EUPL-1.2
# The page's pictures for the documentation, from headless chromium:
#   scripts/web_screenshot.sh [FOLDER]   (default: docs/) web_1280x800.png, web_768x1024.png
#                                        and web_profile_200.png
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/web.sh >/dev/null
folder=${1:-docs}
NODE_PATH=build/web-deps/npm/node_modules node tools/web_shot.mjs build/web/aggir.html "$folder"
ls "$folder"/web_*.png
