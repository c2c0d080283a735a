#!/usr/bin/env bash
# Installs the Debian packages that the build, the tests, the benchmarks (with the peer
# libraries they compare against and the whole-process tools) and the fuzz targets need.
# Installs only what is missing, never asks a question, and is safe to run again.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libgl-dev fonts-liberation2
  libgtest-dev libgmock-dev libbenchmark-dev
  qpdf libqpdf-dev zlib1g-dev libcsv-dev poppler-utils desktop-file-utils
  clang libclang-rt-14-dev
  libhpdf-dev libcairo2-dev valgrind hyperfine
  python-matplotlib-data
  xvfb xauth x11-apps imagemagick
  locales
)

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
if ! locale -a 2>/dev/null | grep -qi '^fr_FR\.utf-\?8$'; then
  echo "Generating the fr_FR.UTF-8 locale"
  as_root sed -i 's/^# *\(fr_FR.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^fr_FR.UTF-8 UTF-8' /etc/locale.gen || echo 'fr_FR.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
fi
