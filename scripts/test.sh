#!/usr/bin/env bash
# SPDX-License-Identifier: EUPL-1.2
# Installs what is missing, builds everything, and runs the whole suite twice:
# once as it is and once under a French locale.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh test
scripts/build.sh
ctest --test-dir build --output-on-failure -j "$(nproc)"
LC_ALL=fr_FR.UTF-8 ctest --test-dir build --output-on-failure -j "$(nproc)"
