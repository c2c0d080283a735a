#!/usr/bin/env bash
# SPDX-License-Identifier: EUPL-1.2
# An installed copy holds the program, its help, the font module and the metric folder beside
# the program's folder, and a valid menu entry with its icon, metadata and manual page.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix/aggir" >/dev/null
cd "$prefix/aggir"
entry=share/applications/fr.sorvane.aggir.desktop
for file in bin/aggir "bin/GUIDE SORVANE.HLP" lib/aggir_unicode_fonts.so system/Fonts/Helvetica.afm \
    system/Fonts/Helvetica-Bold.afm $entry share/icons/hicolor/scalable/apps/aggir.svg \
    share/metainfo/fr.sorvane.aggir.metainfo.xml share/man/man1/aggir.1.gz; do
  [ -e "$file" ] || { echo "missing from the installed copy: $file"; exit 1; }
done
desktop-file-validate $entry
grep -qx "Exec=\"$prefix/aggir/bin/aggir\" %f" $entry ||
  { echo "the menu entry does not start the installed program"; exit 1; }
echo "installed copy complete"
