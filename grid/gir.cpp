// SPDX-License-Identifier: EUPL-1.2
#include "grid/gir.h"

#include <array>

namespace grid {

namespace {

constexpr int kVariables = 10;
constexpr int kGroups = 8;

// W(i, g): rows 1..10 weigh a variable coded C, rows 11..20 the same variable coded B.
// Only variables 1..8 enter the sums.
constexpr std::array<std::array<std::int16_t, kGroups>, 2 * kVariables> kWeights{{
    // g = 1     2     3     4     5     6     7     8
    {2000, 1500, 0, 0, 400, 200, 150, 0},         // 1 Cohérence, C
    {1200, 1200, 0, 0, 400, 200, 150, 0},         // 2 Orientation, C
    {40, 40, 40, 0, 400, 500, 300, 3000},         // 3 Toilette, C
    {40, 40, 40, 0, 400, 500, 300, 3000},         // 4 Habillage, C
    {60, 60, 60, 2000, 400, 500, 500, 3000},      // 5 Alimentation, C
    {100, 100, 160, 400, 800, 500, 500, 3000},    // 6 Elimination, C
    {800, 800, 1000, 2000, 800, 500, 400, 1000},  // 7 Transferts, C
    {200, -80, 400, 200, 200, 200, 200, 1000},    // 8 Déplacements intérieurs, C
    {0, 0, 0, 0, 0, 0, 0, 0},                     // 9 Déplacements extérieurs, C
    {0, 0, 0, 0, 0, 0, 0, 0},                     // 10 Alerter, C
    {0, 320, 0, 0, 0, 100, 0, 0},                 // 1 Cohérence, B
    {0, 120, 0, 0, 0, 100, 0, 0},                 // 2 Orientation, B
    {16, 16, 16, 0, 100, 100, 200, 2000},         // 3 Toilette, B
    {16, 16, 16, 0, 100, 100, 200, 2000},         // 4 Habillage, B
    {20, 0, 20, 200, 100, 100, 200, 2000},        // 5 Alimentation, B
    {16, 16, 20, 200, 100, 100, 200, 2000},       // 6 Elimination, B
    {120, 120, 200, 200, 100, 100, 200, 2000},    // 7 Transferts, B
    {32, -40, 40, 0, 0, 0, 100, 1000},            // 8 Déplacements intérieurs, B
    {0, 0, 0, 0, 0, 0, 0, 0},                     // 9 Déplacements extérieurs, B
    {0, 0, 0, 0, 0, 0, 0, 0},                     // 10 Alerter, B
}};

// R(1..12): the least group sum that gives rang 1..12.
constexpr std::array<std::int16_t, 12> kThresholds{4380, 4140, 3390, 2016, 1700, 1432,
                                                   2400, 1200, 800,  650,  4000, 2000};

// GIR of rang 1..13 (index 0 unused).
constexpr std::array<std::int16_t, 14> kGirOfRang{0, 1, 2, 2, 2, 2, 2, 2, 3, 3, 4, 4, 5, 6};

std::int16_t R(int n) { return kThresholds[static_cast<std::size_t>(n - 1)]; }

std::array<std::int16_t, kVariables> CodeVector(const std::string& codes) {
  std::array<std::int16_t, kVariables> v{};
  for (std::size_t i = 0; i < v.size() && i < codes.size(); ++i) {
    if (codes[i] == 'B')
      v[i] = 1;
    else if (codes[i] == 'C')
      v[i] = 2;
  }
  return v;
}

std::int16_t GroupSum(const std::array<std::int16_t, kVariables>& v, int g) {
  std::int16_t sum = 0;
  for (std::size_t i = 0; i < 8; ++i) {
    const std::size_t row = v[i] == 2 ? i : i + kVariables;
    if (v[i] != 0)
      sum = static_cast<std::int16_t>(sum + kWeights[row][static_cast<std::size_t>(g - 1)]);
  }
  return sum;
}

// Rang given by group g for its sum, 0 when the group gives none.
std::int16_t RangOfGroup(int g, std::int16_t s) {
  switch (g) {
    case 1: return s >= R(1) ? 1 : s >= R(2) ? 2 : s >= R(3) ? 3 : 0;
    case 2: return s >= R(4) ? 4 : 0;
    case 3: return s >= R(5) ? 5 : s >= R(6) ? 6 : 0;
    case 4: return s >= R(7) ? 7 : 0;
    case 5: return s >= R(8) ? 8 : 0;
    case 6: return s >= R(9) ? 9 : 0;
    case 7: return s >= R(10) ? 10 : 0;
    default: return s >= R(11) ? 11 : s >= R(12) ? 12 : 13;
  }
}

}  // namespace

std::int16_t CalculRang(const std::string& codes) {
  const auto v = CodeVector(codes);
  std::int16_t rang = 0;
  for (int g = 1; g <= kGroups && rang == 0; ++g) rang = RangOfGroup(g, GroupSum(v, g));
  return rang;
}

std::int16_t GirDuRang(std::int16_t rang) {
  if (rang < 1 || rang > 13) return 6;
  return kGirOfRang[static_cast<std::size_t>(rang)];
}

}  // namespace grid
