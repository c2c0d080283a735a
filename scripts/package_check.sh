#!/usr/bin/env bash
# SPDX-License-Identifier: EUPL-1.2
# The Debian package on a fresh Debian 12: a minimal bookworm made by mmdebstrap from Debian's
# mirror, `apt install ./aggir_*.deb` in it, then `aggir --batch` prints a Cyrillic and an
# Arabic name, and the host's poppler reads the sheets back. Twice: with the package's
# recommendations (the Noto fonts), where both names print; and without them, where the
# Cyrillic name prints in Liberation and the Arabic one is told of, with its font's package.
#   sudo scripts/package_check.sh [aggir_VERSION_amd64.deb]
# BOOKWORM=FILE keeps the minimal system's tarball in FILE, made when missing, for the next run.
# As root (chroot); downloads some 300 MB, so CI leaves it to a person.
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "package_check.sh runs as root (chroot)" >&2; exit 2; }
scripts/setup.sh check
deb=${1:-}
[ -n "$deb" ] || deb=$(scripts/package.sh | tail -n 1)
mirror=http://deb.debian.org/debian

work=$(mktemp -d /var/tmp/aggir-check.XXXXXX)
cleanup() {
  for root in "$work"/*/; do umount --lazy "$root/proc" 2>/dev/null || true; done
  rm -rf --one-file-system "$work"
}
trap cleanup EXIT

# A fresh bookworm with apt and nothing else, unpacked anew for each check.
bookworm=${BOOKWORM:-$work/bookworm.tar}
[ -s "$bookworm" ] || mmdebstrap --quiet --variant=apt bookworm "$bookworm" \
  "deb $mirror bookworm main" "deb $mirror bookworm-updates main" \
  "deb $mirror-security bookworm-security main"

source tests/package_sheets.sh

failed=0
fail() { echo "FAILED: $*"; failed=1; }

# check NAME APT-OPTION...: installs the package in a fresh root and prints the two sheets;
# without the Noto fonts (NAME depends) the Arabic name is told of instead.
check() {
  local name=$1 root="$work/$1"
  shift
  mkdir "$root"
  tar -C "$root" -xf "$bookworm"
  # /dev holds the nodes the tarball brings (null, random, ...): none of the host's is bound.
  mount -t proc proc "$root/proc"
  cp /etc/resolv.conf "$root/etc/"
  cp "$deb" "$root/tmp/"
  evaluations >"$root/tmp/evaluations.csv"
  echo "== $name: apt install ./$(basename "$deb") $*"
  { chroot "$root" apt-get update -qq &&
    chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$@" \
      "/tmp/$(basename "$deb")"; } >"$work/$name.apt" 2>&1 || { cat "$work/$name.apt"; exit 1; }
  chroot "$root" dpkg-query -W -f '${Package} ${Version}\n' aggir fonts-liberation2 \
    fonts-noto-core fonts-noto-cjk 2>/dev/null || true
  chroot "$root" aggir --batch /tmp/evaluations.csv --out /tmp/fiches 2>&1 | tee "$work/$name.out"
  for sheet in "$root"/tmp/fiches/{1,2}.pdf; do
    echo "-- $(basename "$sheet"): $(pdffonts "$sheet" | tail -n +3 | awk '{print $1}' | xargs)"
    echo "   $(name_line "$sheet")"
  done
  [ "$(name_line "$root/tmp/fiches/1.pdf")" = "Ахматова Анна" ] || fail "$name: Cyrillic name"
  if [ "$name" = depends ]; then
    grep -q "fonts-noto-core" "$work/$name.out" || fail "$name: no word of fonts-noto-core"
  else
    [ "$(name_line "$root/tmp/fiches/2.pdf")" = "عبد الله محمد" ] || fail "$name: Arabic name"
    ! grep -q "sans police" "$work/$name.out" || fail "$name: characters without a font"
  fi
  umount --lazy "$root/proc"
}

check recommends
check depends --no-install-recommends
exit "$failed"
