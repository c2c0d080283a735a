#!/usr/bin/env python3
# SPDX-License-Identifier: EUPL-1.2
"""The establishment's GIRs computed apart from the program, from the regulation's tables
(CASF annexes 2-1 and 2-2, GMP points of annexe 3-6), and checked against the summary that
the end-to-end test compares the batch's output with: a summary regenerated from a wrong
program cannot pass here.

    gir_oracle.py DATA_DIR GOLDEN_DIR
"""
import csv
import sys
from decimal import ROUND_HALF_UP, Decimal
from pathlib import Path

# For groups A to H, what each of the first eight variables adds when coded C, then B.
IF_C = [[2000, 1200, 40, 40, 60, 100, 800, 200], [1500, 1200, 40, 40, 60, 100, 800, -80],
        [0, 0, 40, 40, 60, 160, 1000, 400], [0, 0, 0, 0, 2000, 400, 2000, 200],
        [400, 400, 400, 400, 400, 800, 800, 200], [200, 200, 500, 500, 500, 500, 500, 200],
        [150, 150, 300, 300, 500, 500, 400, 200], [0, 0, 3000, 3000, 3000, 3000, 1000, 1000]]
IF_B = [[0, 0, 16, 16, 20, 16, 120, 32], [320, 120, 16, 16, 0, 16, 120, -40],
        [0, 0, 16, 16, 20, 20, 200, 40], [0, 0, 0, 0, 200, 200, 200, 0],
        [0, 0, 100, 100, 100, 100, 100, 0], [100, 100, 100, 100, 100, 100, 100, 0],
        [0, 0, 200, 200, 200, 200, 200, 100], [0, 0, 2000, 2000, 2000, 2000, 2000, 1000]]
# (group, minimum, rang), tried in this order; none reached gives rang 13.
THRESHOLDS = [(0, 4380, 1), (0, 4140, 2), (0, 3390, 3), (1, 2016, 4), (2, 1700, 5),
              (2, 1432, 6), (3, 2400, 7), (4, 1200, 8), (5, 800, 9), (6, 650, 10),
              (7, 4000, 11), (7, 2000, 12)]
GIR_OF_RANG = [1, 2, 2, 2, 2, 2, 2, 3, 3, 4, 4, 5, 6]
POINTS = {1: 1000, 2: 840, 3: 660, 4: 420, 5: 250, 6: 70}


def activity(cell):
    """A when every condition is met, C for none (NFP or the four adverbs), else B."""
    letters = set(cell.upper().replace(" ", ""))
    return "C" if cell.strip().upper() == "NFP" or len(letters) == 4 else "B" if letters else "A"


def worst(*codes):
    return "C" if "C" in codes else "B" if "B" in codes else "A"


def same_or_b(*codes):
    return codes[0] if len(set(codes)) == 1 else "B"


def variables(a):
    """The 17 variable codes from the 24 activities, in the grid's order."""
    food = "A" if a[9] == a[10] == "A" else "C" if "A" not in a[9:11] and "C" in a[9:11] else "B"
    return [worst(a[0], a[1]), worst(a[2], a[3]), same_or_b(a[4], a[5]),
            same_or_b(a[6], a[7], a[8]), food, worst(a[11], a[12])] + a[13:]


def rang(codes):
    for group, minimum, result in THRESHOLDS:
        total = sum(IF_C[group][v] if codes[v] == "C" else IF_B[group][v] if codes[v] == "B"
                    else 0 for v in range(8))
        if total >= minimum:
            return result
    return 13


def main(data, golden):
    rows = (data / "rows.txt").read_text(encoding="utf-8").splitlines()
    with open(data / "establishment.csv", encoding="utf-8-sig", newline="") as f:
        people = list(csv.DictReader(f, delimiter=";"))
    with open(golden / "establishment_summary.csv", encoding="utf-8-sig", newline="") as f:
        summary = {line[0]: line for line in csv.reader(f, delimiter=";") if line}
    failures, girs = [], []
    for person in people:
        codes = variables([activity(person[row]) for row in rows])
        r = rang(codes)
        girs.append(GIR_OF_RANG[r - 1])
        expected = codes + [str(r), str(girs[-1])]
        got = summary.get(person["dossier"], [])[3:3 + len(expected)]
        if got != expected:
            failures.append(f"dossier {person['dossier']}: {got} instead of {expected}")
    for gir, points in POINTS.items():
        if summary.get(str(gir)) != [str(gir), str(girs.count(gir)), str(points)]:
            failures.append(f"GIR {gir}: {summary.get(str(gir))}, {girs.count(gir)} persons")
    gmp = (Decimal(sum(POINTS[g] for g in girs)) / len(girs)).quantize(Decimal("0.01"),
                                                                        ROUND_HALF_UP)
    if summary.get("GMP") != ["GMP", f"{gmp.normalize():f}".replace(".", ",")]:
        failures.append(f"GMP {summary.get('GMP')} instead of {gmp}")
    print("\n".join(failures) or f"{len(people)} GIRs and the GMP agree with the regulation")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(Path(sys.argv[1]), Path(sys.argv[2])))
