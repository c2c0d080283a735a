// SPDX-License-Identifier: EUPL-1.2
// The grid's shape: 24 rows of four adverbs, 17 variables, and how the window's box indexes
// name them. Row k = 1..17 feed the ten discriminant variables, rows 18..24 are the seven
// illustrative ones.
#pragma once

namespace grid {

constexpr int kRows = 24;       // k = 1..24
constexpr int kVariables = 17;  // v = 1..17
constexpr int kDiscriminants = 10;
constexpr int kSubVariables = 17;  // rows 1..17 feed the discriminant variables
constexpr int kIllustratives = kRows - kSubVariables;
constexpr int kAdverbs = 4;  // S, T, C, H: adverb j = 1..4 of every row
constexpr int kAdverbBoxes = kAdverbs * kRows;

// The adverb box ADV(i) of row k and adverb j, and the row of box i.
constexpr int AdverbBox(int k, int j) { return kAdverbs * (k - 1) + j; }
constexpr int RowOfAdverbBox(int i) { return (i - 1) / kAdverbs + 1; }
// The NE FAIT PAS box ADV4(i) of row k, and the row of box i.
constexpr int NeFaitPasBox(int k) { return 100 + k; }
constexpr int RowOfNeFaitPasBox(int i) { return i - 100; }

// Rows of variable v: first..last (consecutive row numbers).
struct RowSpan {
  int first, last;
};
RowSpan RowsOf(int v);
// The variable (CFIN index) of row k.
int VariableOf(int k);

}  // namespace grid
