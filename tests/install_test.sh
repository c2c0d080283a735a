#!/usr/bin/env bash
# An installed copy holds the program, its help, the metric folder beside the program's
# folder, and a valid menu entry with its icon.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix/aggir" >/dev/null
cd "$prefix/aggir"
for file in bin/aggir "bin/GUIDE SORVANE.HLP" system/Fonts/Helvetica.afm \
    system/Fonts/Helvetica-Bold.afm share/applications/aggir.desktop \
    share/icons/hicolor/scalable/apps/aggir.svg; do
  [ -e "$file" ] || { echo "missing from the installed copy: $file"; exit 1; }
done
desktop-file-validate share/applications/aggir.desktop
grep -qx "Exec=\"$prefix/aggir/bin/aggir\" %f" share/applications/aggir.desktop ||
  { echo "the menu entry does not start the installed program"; exit 1; }
echo "installed copy complete"
