#!/usr/bin/env bash
# SPDX-License-Identifier: EUPL-1.2
# The batch command on 10,000 evaluations, to sheets and summary, beside a program that only
# writes as many files of the same sizes in the same folder (the floor), in one run: wall time
# with --jobs 1 and --jobs 2, peak memory at 1,000 and 10,000 lines (/usr/bin/time); and
# --jobs 1 on the same lines with one name in ten outside Windows-1252 (batch_input --mixed).
# Prints the table of bench/README.md. Run it on a quiet machine.
#   scripts/batch_bench.sh [ROUNDS] [OTHER]   (7 rounds by default)
# OTHER, another build of batch_command (say, one that writes no workbook), is measured in the
# same rounds, with --jobs 1 and --jobs 2, beside this tree's.
# Each round runs the commands one after another, so that a change of the disk's speed
# weighs on all of them alike. Every run replaces the files of the run before, the floor its own
# as the batch its sheets: the first two rounds, which find none or files the disk has not yet
# taken, are not measured.
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-7}
scripts/setup.sh >/dev/null
scripts/build.sh --target batch_input batch_command plain_files >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bin=build/bench
"$bin"/batch_input 10000 "$work/10000.csv"
"$bin"/batch_input 1000 "$work/1000.csv"
"$bin"/batch_input 10000 "$work/mixed.csv" --mixed
# The sheets whose sizes the floor writes again.
"$bin"/batch_command "$work/10000.csv" --out "$work/out" --jobs 1 >/dev/null
commands=("$bin/plain_files $work/out"
          "$bin/batch_command $work/10000.csv --out $work/out --jobs 1"
          "$bin/batch_command $work/10000.csv --out $work/out --jobs 2"
          "$bin/batch_command $work/mixed.csv --out $work/out --jobs 1")
other=${2:-}
if [ -n "$other" ]; then
  commands+=("$other $work/10000.csv --out $work/out --jobs 1"
             "$other $work/10000.csv --out $work/out --jobs 2")
fi
for round in $(seq -1 "$rounds"); do
  line=""
  for command in "${commands[@]}"; do
    start=$(date +%s.%N)
    $command >/dev/null
    line+=" $(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN { printf "%.3f", b - a }')"
  done
  [ "$round" -gt 0 ] && echo "$line" >>"$work/times"
  echo "round $round:$line s (floor, --jobs 1, --jobs 2, mixed --jobs 1${other:+, OTHER --jobs 1 and 2})" >&2
done
# Column n's mean, and its standard deviation after "±".
mean() { awk -v n="$1" '{ s += $n; q += $n * $n } END { printf "%.2f", s / NR }' "$work/times"; }
spread() {
  awk -v n="$1" '{ s += $n; q += $n * $n } END { m = s / NR; printf "%.2f", sqrt(q / NR - m * m) }' \
    "$work/times"
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
peak_kb() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1; }
floor=$(mean 1) one=$(mean 2) two=$(mean 3) mixed=$(mean 4)
echo "| 10,000 evaluations | wall (s), mean ± deviation over $rounds rounds | against the floor | peak memory, 1,000 lines | peak memory, 10,000 lines |"
echo "|---|---|---|---|---|"
echo "| plain files of the same sizes (floor) | $floor ± $(spread 1) | 1.00 | | |"
for jobs in 1 2; do
  time=$([ "$jobs" = 1 ] && echo "$one" || echo "$two")
  small=$(peak_kb "$bin"/batch_command "$work/1000.csv" --out "$work/m1" --jobs "$jobs")
  large=$(peak_kb "$bin"/batch_command "$work/10000.csv" --out "$work/m2" --jobs "$jobs")
  echo "| aggir --batch, --jobs $jobs | $time ± $(spread $((jobs + 1))) | $(ratio "$time" "$floor") | $small kB | $large kB |"
done
echo "| aggir --batch, one name in ten outside Windows-1252, --jobs 1 | $mixed ± $(spread 4) | $(ratio "$mixed" "$floor") | | |"
if [ -n "$other" ]; then
  for jobs in 1 2; do
    column=$((jobs + 4))
    echo "| $other, --jobs $jobs | $(mean $column) ± $(spread $column) |" \
      "$(ratio "$(mean $column)" "$floor") | | |"
  done
fi
echo
echo "One name in ten outside Windows-1252 against all Latin, --jobs 1: $(ratio "$mixed" "$one")."
echo "--jobs 2 against --jobs 1: $(ratio "$one" "$two") times faster ($(nproc) cores); round" \
  "by round, from $(awk '{ r = $2 / $3; if (NR == 1 || r < lo) lo = r; if (r > hi) hi = r }
                         END { printf "%.2f to %.2f", lo, hi }' "$work/times")."
