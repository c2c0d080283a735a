#!/usr/bin/env bash
# SPDX-License-Identifier: EUPL-1.2
# Builds the Debian package build/aggir_VERSION_amd64.deb (CPack, from the install rules) and
# prints its path. Install it with `sudo apt install ./build/aggir_VERSION_amd64.deb`.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh package
scripts/build.sh run --target aggir
cpack --config build/CPackConfig.cmake -B build >/dev/null
ls build/aggir_*_amd64.deb
