#!/usr/bin/env bash
# SPDX-License-Identifier: EUPL-1.2
# Installs what is missing, builds, and opens the calculator.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh run
scripts/build.sh run --target aggir
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Aucun affichage graphique (DISPLAY non défini) : lancez la calculette depuis une session graphique." >&2
  exit 1
fi
exec build/bin/aggir "$@"
