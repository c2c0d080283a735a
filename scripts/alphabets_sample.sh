#!/usr/bin/env bash
# SPDX-License-Identifier: EUPL-1.2
# Prints three sheets through `aggir --batch`, a Vietnamese, an Arabic and a Chinese identity,
# and saves their identity blocks one above the other (default docs/alphabets.png, which the
# help also shows, held in the help file itself as a data URL).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh docs >/dev/null
out=${1:-docs/alphabets.png}
scripts/build.sh --target aggir >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mapfile -t rows <tests/batch/data/rows.txt
header="dossier;nom;prénom;adresse"
for row in "${rows[@]}"; do header+=";$row"; done
empty=$(printf ';%.0s' "${rows[@]}")
cat >"$work/evaluations.csv" <<CSV
$header
1;Nguyễn;Thị Ánh;15 phố Hàng Bạc, Hà Nội$empty
2;عبد الله;محمد;12 شارع الحرية, Paris 75011$empty
3;王;秀英;北京市朝阳区$empty
CSV
build/bin/aggir --batch "$work/evaluations.csv" --out "$work/fiches" >/dev/null

# The name and the address, under the title's rule, at 120 dpi.
dpi=120
crop=(-x $((25 * dpi / 72)) -y $((100 * dpi / 72)) -W $((300 * dpi / 72)) -H $((48 * dpi / 72)))
for n in 1 2 3; do
  pdftoppm -r "$dpi" -gray -png -singlefile "${crop[@]}" "$work/fiches/$n.pdf" "$work/$n"
done
convert "$work"/{1,2,3}.png -bordercolor '#999999' -border 1 -append -strip "$out"
if [ "$out" = docs/alphabets.png ]; then
  sed -i "s|src=\"data:image/png;base64,[^\"]*\"|src=\"data:image/png;base64,$(base64 -w0 "$out")\"|" \
    "desktop/GUIDE SORVANE.HLP"
fi
echo "$out"
