#!/usr/bin/env bash
# SPDX-License-Identifier: EUPL-1.2
# The sheet of a person whose name Windows-1252 cannot hold (Vietnamese, Arabic) beside the
# example's all-Latin sheet, written by vaROR and by cairo with pango shaping its texts in the
# faces fontconfig gives for Liberation Sans, in one run: instructions (callgrind) of a
# one-sheet process and per page (a 21-page document less a one-page one, over 20), and the
# bytes of one sheet. Prints the table of bench/README.md. Instruction counts do not follow
# the machine's load.
#   scripts/alphabets_bench.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh bench >/dev/null
scripts/build.sh --target sheet_pages sheet_pages_pango >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

instructions() {  # program arguments... -> instructions of the whole process
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 |
    sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
}
mega() { awk -v n="$1" 'BEGIN { printf "%.2f M", n / 1e6 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# Each writer's figures for one name (none: the example's): one sheet, per page, bytes.
measure() {
  local program=build/bench/$1
  shift
  local one many
  one=$(instructions "$program" --pages 1 "$work/one.pdf" "$@")
  many=$(instructions "$program" --pages 21 "$work/many.pdf" "$@")
  echo "$one $(( (many - one) / 20 )) $(stat -c %s "$work/one.pdf")"
}

echo "| name | one sheet, process: vaROR | pango | vaROR / pango | per page: vaROR | pango | vaROR / pango | bytes of one sheet: vaROR | pango |"
echo "|---|---|---|---|---|---|---|---|---|"
for person in "" "Nguyễn Thị Ánh" "محمد عبد الله"; do
  names=() label="the example (Latin)"
  [ -n "$person" ] && names=("$person") label=$person
  read -r v_one v_page v_bytes < <(measure sheet_pages "${names[@]}")
  read -r p_one p_page p_bytes < <(measure sheet_pages_pango "${names[@]}")
  echo "| $label | $(mega "$v_one") | $(mega "$p_one") | $(ratio "$v_one" "$p_one") |" \
       "$(mega "$v_page") | $(mega "$p_page") | $(ratio "$v_page" "$p_page") | $v_bytes | $p_bytes |"
done
