// SPDX-License-Identifier: EUPL-1.2
#include "grid/grid.h"

#include <array>
#include <stdexcept>
#include <string>

namespace grid {

namespace {

// The first row of variables 1..17, and one past the last variable's.
constexpr std::array<int, kVariables + 1> kFirstRows{1,  3,  5,  7,  10, 12, 14, 15, 16,
                                                     17, 18, 19, 20, 21, 22, 23, 24, 25};

}  // namespace

RowSpan RowsOf(int v) {
  if (v < 1 || v > kVariables) throw std::out_of_range("variable " + std::to_string(v));
  const auto i = static_cast<std::size_t>(v - 1);
  return {kFirstRows[i], kFirstRows[i + 1] - 1};
}

int VariableOf(int k) {
  if (k < 1 || k > kRows) throw std::out_of_range("row " + std::to_string(k));
  int v = 1;
  while (kFirstRows[static_cast<std::size_t>(v)] <= k) ++v;
  return v;
}

}  // namespace grid
