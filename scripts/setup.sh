#!/usr/bin/env bash
# SPDX-License-Identifier: EUPL-1.2
# Installs the Debian packages that one use of the project needs, only those missing, without
# a question; safe to run again (as root, or through sudo):
#   scripts/setup.sh run       building and running the calculator
#   scripts/setup.sh package   run, and building its Debian package (scripts/package.sh)
#   scripts/setup.sh test      package, and the tests: GoogleTest, Google Benchmark (the
#                              benchmarks are compiled with the tests), the PDF tools, Debian's
#                              package checkers, ImageMagick (a CMYK JPEG) and the French
#                              locale (the default)
#   scripts/setup.sh bench     test, and the benchmarks' peer libraries and process tools
#   scripts/setup.sh fuzz      test, and clang with libFuzzer
#   scripts/setup.sh docs      test, and the virtual screen of the window's pictures
set -euo pipefail

run=(g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev qt6-translations-l10n
  fonts-liberation2 python-matplotlib-data libqpdf-dev zlib1g-dev
  libcsv-dev)
package=("${run[@]}" dpkg-dev file)
test=("${package[@]}" libgtest-dev libgmock-dev libbenchmark-dev qpdf poppler-utils
  desktop-file-utils appstream lintian locales imagemagick python3)
bench=("${test[@]}" libhpdf-dev libcairo2-dev valgrind hyperfine time)
fuzz=("${test[@]}" clang libclang-rt-14-dev)
docs=("${test[@]}" xvfb xauth)

use=${1:-test}
case "$use" in
  run) packages=("${run[@]}") ;;
  package) packages=("${package[@]}") ;;
  test) packages=("${test[@]}") ;;
  bench) packages=("${bench[@]}") ;;
  fuzz) packages=("${fuzz[@]}") ;;
  docs) packages=("${docs[@]}") ;;
  *) echo "usage: scripts/setup.sh run|package|test|bench|fuzz|docs" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The suite runs a second time under a French locale: numbers in the PDF must not follow it.
if [[ " ${packages[*]} " == *" locales "* ]] && ! locale -a 2>/dev/null | grep -qi '^fr_FR\.utf-\?8$'; then
  echo "Generating the fr_FR.UTF-8 locale"
  as_root sed -i 's/^# *\(fr_FR.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^fr_FR.UTF-8 UTF-8' /etc/locale.gen || echo 'fr_FR.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
fi
