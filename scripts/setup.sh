#!/usr/bin/env bash
# SPDX-License-Identifier: EUPL-1.2
# Installs the Debian packages that one use of the project needs, only those missing, without
# a question; safe to run again (as root, or through sudo):
#   scripts/setup.sh run       building and running the calculator
#   scripts/setup.sh package   run, and building its Debian package (scripts/package.sh)
#   scripts/setup.sh check     package, and its check on a fresh Debian (scripts/package_check.sh):
#                              mmdebstrap and the PDF tools
#   scripts/setup.sh test      package, and the tests: GoogleTest, Google Benchmark (the
#                              benchmarks are compiled with the tests), the PDF tools, Debian's
#                              package checkers, ImageMagick (a CMYK JPEG) and the French
#                              locale (the default), openpyxl and LibreOffice Calc (the
#                              batch's summaries read back), pango-view with Pillow and NumPy
#                              (the names' drawings compared)
#   scripts/setup.sh bench     test, and the benchmarks' peer libraries and process tools
#   scripts/setup.sh fuzz      test, and clang with libFuzzer
#   scripts/setup.sh docs      test, and the virtual screen of the window's pictures
#   scripts/setup.sh orca      test, and the Orca screen reader and xdotool of
#                              tools/orca_speech.sh
#   scripts/setup.sh web       test, and the page's build and tests: Emscripten, node and npm,
#                              chromium, Firefox ESR; the machine's Debian sources get their
#                              source lines (deb-src), for the libraries the page compiles
#                              from them
#   scripts/setup.sh source DIR PACKAGE...
#                              the Debian source packages unpacked into DIR (those missing)
set -euo pipefail

run=(g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev qt6-translations-l10n
  fonts-liberation2 python-matplotlib-data libqpdf-dev zlib1g-dev
  libcsv-dev libxlsxwriter-dev libminizip-dev libisal-dev
  libfreetype-dev libharfbuzz-dev libfribidi-dev libfontconfig-dev libutf8proc-dev fonts-noto-core fonts-noto-cjk fonts-dejavu-core)
package=("${run[@]}" dpkg-dev file)
check=("${package[@]}" mmdebstrap poppler-utils)
test=("${package[@]}" libgtest-dev libgmock-dev libbenchmark-dev qpdf poppler-utils
  desktop-file-utils appstream lintian locales imagemagick python3 python3-openpyxl
  libreoffice-calc-nogui xvfb xauth dbus at-spi2-core python3-pyatspi pango1.0-tools
  python3-pil python3-numpy)
bench=("${test[@]}" libhpdf-dev libcairo2-dev libpango1.0-dev valgrind hyperfine time)
fuzz=("${test[@]}" clang libclang-rt-14-dev)
docs=("${test[@]}")
orca=("${test[@]}" orca xdotool)
web=("${test[@]}" emscripten chromium firefox-esr nodejs)
# npm comes with some builds of node; Debian's own is a package of its own.
command -v npm >/dev/null || web+=(npm)

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

# Source lines beside the machine's own binary lines, so that apt-get source finds Debian's
# sources of the libraries the page compiles with Emscripten.
enable_sources() {
  local list=/etc/apt/sources.list.d/aggir-deb-src
  if grep -rqs '^Types:.*deb-src\|^deb-src ' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    return
  fi
  echo "Adding source lines beside the Debian sources"
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] && sed -n '/^Types:/s/.*/Types: deb-src/;p' "$f"
    echo
  done | as_root tee "$list.sources" >/dev/null
  if [ -f /etc/apt/sources.list ]; then
    sed -n 's/^deb /deb-src /p' /etc/apt/sources.list | as_root tee "$list.list" >/dev/null
  fi
  as_root apt-get update -qq
}

use=${1:-test}
if [ "$use" = source ]; then
  dir=$2
  shift 2
  mkdir -p "$dir"
  release=$(. /etc/os-release && echo "$VERSION_CODENAME")
  for package in "$@"; do
    ls -d "$dir/$package"-*/ >/dev/null 2>&1 && continue
    # The newest version, else the release's own (a mirror may lack an update's sources).
    (cd "$dir" && { apt-get source -qq "$package" 2>/dev/null ||
      apt-get source -qq "$package/$release"; })
  done
  exit 0
fi
case "$use" in
  run) packages=("${run[@]}") ;;
  package) packages=("${package[@]}") ;;
  check) packages=("${check[@]}") ;;
  test) packages=("${test[@]}") ;;
  bench) packages=("${bench[@]}") ;;
  fuzz) packages=("${fuzz[@]}") ;;
  docs) packages=("${docs[@]}") ;;
  orca) packages=("${orca[@]}") ;;
  web) packages=("${web[@]}") ;;
  *) echo "usage: scripts/setup.sh run|package|check|test|bench|fuzz|docs|orca|web | source DIR PACKAGE..." >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
if [ "$use" = web ]; then enable_sources; fi

# The suite runs a second time under a French locale: numbers in the PDF must not follow it.
if [[ " ${packages[*]} " == *" locales "* ]] && ! locale -a 2>/dev/null | grep -qi '^fr_FR\.utf-\?8$'; then
  echo "Generating the fr_FR.UTF-8 locale"
  as_root sed -i 's/^# *\(fr_FR.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^fr_FR.UTF-8 UTF-8' /etc/locale.gen || echo 'fr_FR.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
fi
