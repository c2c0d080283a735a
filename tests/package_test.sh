#!/usr/bin/env bash
# SPDX-License-Identifier: EUPL-1.2
# The Debian package as CPack builds it from the build tree: its files, lintian without
# error, valid AppStream metadata and menu entry, and the packaged program answering on the
# terminal through a link, without a display, and printing names in two other alphabets.
set -euo pipefail
build=$1
if ! command -v dpkg-deb >/dev/null; then
  echo "dpkg-deb is missing: the package is not built"
  exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
deb=$(echo "$work"/aggir_*_amd64.deb)

# Every file but the metric files, which are checked by name below.
dpkg-deb -c "$deb" | grep -v '^d' | sed -E 's/^([^ ]+ +){5}\.//' >"$work/files"
cat >"$work/expected" <<'LIST'
/opt/aggir/bin/GUIDE SORVANE.HLP
/opt/aggir/bin/aggir
/opt/aggir/lib/aggir_unicode_fonts.so
/usr/bin/aggir -> /opt/aggir/bin/aggir
/usr/share/applications/fr.sorvane.aggir.desktop
/usr/share/doc/aggir/changelog.gz
/usr/share/doc/aggir/copyright
/usr/share/icons/hicolor/scalable/apps/aggir.svg
/usr/share/lintian/overrides/aggir
/usr/share/man/man1/aggir.1.gz
/usr/share/metainfo/fr.sorvane.aggir.metainfo.xml
LIST
grep -v '\.afm$' "$work/files" | diff -u "$work/expected" -
grep -qx /opt/aggir/system/Fonts/Helvetica-Bold.afm "$work/files"

lintian --fail-on error "$deb"
dpkg-deb -x "$deb" "$work/root"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/fr.sorvane.aggir.metainfo.xml"
entry="$work/root/usr/share/applications/fr.sorvane.aggir.desktop"
desktop-file-validate "$entry"
grep -q '^Exec="/usr/bin/aggir"' "$entry" || { echo "the menu entry does not start /usr/bin/aggir"; exit 1; }

mkdir "$work/link"
ln -s "$work/root/opt/aggir/bin/aggir" "$work/link/aggir"
version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$work/link/aggir" --version)
[ "$version" = "Calculette AGGIR $(dpkg-deb -f "$deb" Version)" ] || { echo "version: $version"; exit 1; }
# The packaged program finds its font module: both names print, each in an embedded face.
source "$(dirname "$0")/package_sheets.sh"
evaluations >"$work/evaluations.csv"
LSAN_OPTIONS=suppressions=$(dirname "$0")/lsan.supp \
  "$work/link/aggir" --batch "$work/evaluations.csv" --out "$work/sheets" >"$work/batch.out" 2>&1 ||
  { cat "$work/batch.out"; exit 1; }
[ "$(name_line "$work/sheets/1.pdf")" = "Ахматова Анна" ] || { echo "Cyrillic name"; exit 1; }
[ "$(name_line "$work/sheets/2.pdf")" = "عبد الله محمد" ] || { echo "Arabic name"; exit 1; }
echo "package $(basename "$deb") complete"
