#include "calculator/gir.h"

#include <gtest/gtest.h>

namespace {

struct RangCase {
  const char* codes;
  int rang;
  int gir;
  const char* why;
};

// Each case pins the first group that reaches a threshold, or the lack of one.
const RangCase kRangCases[] = {
    {"AAAAAAAAAA", 13, 6, "all A: every sum 0"},
    {"CCCCCCCCCC", 1, 1, "all C: group 1 sum 4440"},
    {"BBBBBBBBBB", 10, 4, "all B: group 7 sum 1100 is the first to reach"},
    {"CCAAAAAAAA", 4, 2, "group 1 sum 3200 misses, group 2 sum 2700"},
    {"AACCCCAAAA", 7, 2, "group 4 sum 2400 reaches exactly"},
    {"AAABAAAAAA", 12, 5, "only Habillage B: group 8 sum 2000 exactly"},
    {"AAAAAAABAA", 13, 6, "only Déplacements intérieurs B: group 2 sum -40"},
    {"AAAAAACAAA", 13, 6, "only Transferts C: all sums below"},
    {"AAAAAABAAA", 12, 5, "only Transferts B: B weighs more than C in group 8"},
    {"AAAAAAAACC", 13, 6, "variables 9 and 10 take no part"},
    {"CC", 4, 2, "short string: missing positions count as A"},
    {"", 13, 6, "empty string"},
    {"cccccccccc", 13, 6, "lower case counts as A"},
    {" c-*bxAAAACCCCC", 13, 6, "stray characters count as A; past 10 ignored"},
    {"CCCCCCCCAAXYZ", 1, 1, "characters past the tenth are ignored"},
    {"CCCACCCAAA", 2, 2, "group 1 sum 4200"},
    {"CCAAAACAAA", 3, 2, "group 1 sum 4000"},
    {"AACCCCCCAA", 5, 2, "group 3 sum 1700 exactly"},
    {"AAAAACCCAA", 6, 2, "group 3 sum 1560"},
    {"CABAACAAAA", 8, 3, "group 5 sum 1300"},
    {"AACCAAAAAA", 9, 3, "group 6 sum 1000"},
    {"AACBAAAAAA", 11, 4, "group 8 sum 5000"},
};

class CalculRangTest : public ::testing::TestWithParam<RangCase> {};

TEST_P(CalculRangTest, GivesTheRangAndGir) {
  const RangCase& c = GetParam();
  SCOPED_TRACE(c.why);
  EXPECT_EQ(CalculRang(c.codes), c.rang) << '"' << c.codes << '"';
  EXPECT_EQ(GirDuRang(CalculRang(c.codes)), c.gir);
}

INSTANTIATE_TEST_SUITE_P(Cases, CalculRangTest, ::testing::ValuesIn(kRangCases));

}  // namespace
