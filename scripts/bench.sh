#!/usr/bin/env bash
# SPDX-License-Identifier: EUPL-1.2
# Measures the sheet's page written by vaROR and by the peer libraries found at build time,
# in one run on this machine, and prints the table of bench/README.md:
#   instructions (callgrind) of a process that starts and stops, of a one-sheet process and
#   per page (a 101-page document less a one-page one, over 100); time per sheet and per page
#   (Google Benchmark, in process); a one-sheet process's wall time (hyperfine); bytes per
#   page; peak memory of a process writing 1 and 1,000 pages (/usr/bin/time).
# Run it on a quiet machine: the times follow the load, the instruction counts do not.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh bench >/dev/null
scripts/build.sh --target sheet_pages sheet_pages_shared_runtime sheet_page_bench >/dev/null
scripts/build.sh --target sheet_pages_libharu sheet_pages_cairo >/dev/null 2>&1 || true  # when found
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

programs=(sheet_pages sheet_pages_shared_runtime)
for peer in libharu cairo; do
  [ -x build/bench/sheet_pages_$peer ] && programs+=(sheet_pages_$peer)
done

instructions() {  # program arguments... -> instructions of the whole process
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 |
    sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
}
peak_kb() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1; }
mega() { awk -v n="$1" 'BEGIN { printf "%.2f M", n / 1e6 }'; }

build/bench/sheet_page_bench --benchmark_format=csv 2>/dev/null >"$work/bench.csv"
ms() {  # benchmark name -> CPU milliseconds per iteration (the benchmarks report in ms)
  awk -F, -v name="\"$1\"" '$1 == name { printf "%.3f", $4 }' "$work/bench.csv"
}
per_page_bytes() {
  awk -F, -v name="\"$1\"" '$1 == name { printf "%.0f", $(NF) }' "$work/bench.csv"
}

echo "| | start-up (instr.) | one sheet, process (instr.) | per page (instr.) | one sheet, in process (CPU) | per page, 1,000-page document (CPU) | one sheet, process (wall) | bytes per page | peak memory, 1 page | peak memory, 1,000 pages |"
echo "|---|---|---|---|---|---|---|---|---|---|"
for program in "${programs[@]}"; do
  library=${program#sheet_pages_}
  bench_name=$library
  case "$program" in
    sheet_pages) library=vaROR bench_name=vaROR ;;
    sheet_pages_shared_runtime) library="vaROR, shared libstdc++" bench_name=vaROR ;;
  esac
  binary=build/bench/$program
  startup=$(instructions "$binary" || true)
  one=$(instructions "$binary" --pages 1 "$work/one.pdf")
  hundred_and_one=$(instructions "$binary" --pages 101 "$work/many.pdf")
  per_page=$(( (hundred_and_one - one) / 100 ))
  wall=$(hyperfine -N --warmup 10 --runs 100 --export-json "$work/h.json" \
    "$binary --files 1 $work/h" >/dev/null && python3 -c \
    "import json; print('%.2f ms' % (json.load(open('$work/h.json'))['results'][0]['mean'] * 1e3))")
  peak_one=$(peak_kb "$binary" --pages 1 "$work/one.pdf")
  peak_thousand=$(peak_kb "$binary" --pages 1000 "$work/many.pdf")
  echo "| $library | $(mega "$startup") | $(mega "$one") | $(mega "$per_page") |" \
       "$(ms "Sheet/$bench_name/1") ms | $(awk -v t="$(ms "Sheet/$bench_name/1000")" 'BEGIN { printf "%.3f", t / 1000 }') ms |" \
       "$wall | $(per_page_bytes "Sheet/$bench_name/1000") | $peak_one kB | $peak_thousand kB |"
done
