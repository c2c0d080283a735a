#!/usr/bin/env bash
# Opens the calculator on a virtual screen and saves a picture of it (default docs/window.png).
# Optional: the number of seconds to wait before the shot.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/window.png}
wait_s=${2:-2}
[ -x build/bin/aggir ] || scripts/build.sh --target aggir
xvfb-run -a -s "-screen 0 1024x768x24" bash -c "
  build/bin/aggir & app=\$!
  sleep $wait_s
  import -window root '$out'
  kill \$app
"
echo "$out"
