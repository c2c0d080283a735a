#include "calculator/codes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CodeDeLigne, NoneIsAAllFourIsCOtherwiseB) {
  const char expected[] = {'A', 'B', 'B', 'B', 'C'};
  for (int n = 0; n <= 4; ++n) EXPECT_EQ(CodeDeLigne(n), expected[n]) << n;
}

// 24 row codes, all A but the given rows.
std::string Lignes(std::initializer_list<std::pair<int, char>> codes) {
  std::string rows(24, 'A');
  for (auto [k, code] : codes) rows[static_cast<std::size_t>(k - 1)] = code;
  return rows;
}

// Two-row variables: the nine pairs for each family of rule.
TEST(CodeDeVariable, TwoRowCombinations) {
  struct Case {
    char first, second;
    char one_c_enough, toilette, alimentation;
  };
  const Case cases[] = {
      {'A', 'A', 'A', 'A', 'A'}, {'A', 'B', 'B', 'B', 'B'}, {'A', 'C', 'C', 'B', 'B'},
      {'B', 'A', 'B', 'B', 'B'}, {'B', 'B', 'B', 'B', 'B'}, {'B', 'C', 'C', 'B', 'C'},
      {'C', 'A', 'C', 'B', 'B'}, {'C', 'B', 'C', 'B', 'C'}, {'C', 'C', 'C', 'C', 'C'},
  };
  struct Variable {
    int v, first_row;
    char Case::*expected;
  };
  const Variable variables[] = {{1, 1, &Case::one_c_enough},
                                {2, 3, &Case::one_c_enough},
                                {6, 12, &Case::one_c_enough},
                                {3, 5, &Case::toilette},
                                {5, 10, &Case::alimentation}};
  for (const Variable& var : variables) {
    for (const Case& c : cases) {
      const std::string rows = Lignes({{var.first_row, c.first}, {var.first_row + 1, c.second}});
      EXPECT_EQ(CodeDeVariable(var.v, rows), c.*var.expected)
          << "variable " << var.v << ": " << c.first << c.second;
    }
  }
}

// Habillage needs all three rows alike for A or C.
TEST(CodeDeVariable, Habillage) {
  const struct {
    const char* rows;
    char code;
  } cases[] = {{"AAA", 'A'}, {"CCC", 'C'}, {"CCB", 'B'}, {"ACC", 'B'}, {"BBB", 'B'}, {"AAB", 'B'}};
  for (const auto& c : cases) {
    const std::string rows = Lignes({{7, c.rows[0]}, {8, c.rows[1]}, {9, c.rows[2]}});
    EXPECT_EQ(CodeDeVariable(4, rows), c.code) << c.rows;
  }
}

// Single-row variables take their row's code; other rows never leak in.
TEST(CodeDeVariable, SingleRowVariablesFollowTheirRow) {
  for (int v = 7; v <= 17; ++v) {
    const int k = v + 7;
    EXPECT_EQ(CodeDeVariable(v, Lignes({{k, 'B'}})), 'B') << v;
    EXPECT_EQ(CodeDeVariable(v, Lignes({{k == 24 ? 23 : k + 1, 'C'}})), 'A') << v;
  }
}

}  // namespace
