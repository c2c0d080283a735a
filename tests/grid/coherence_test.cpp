// SPDX-License-Identifier: EUPL-1.2
// The coherence check's flags over every coding. What the panel shows in each case is in
// golden/window.txt, the commands that show and hide it in golden/sessions.txt.
#include <algorithm>
#include <map>
#include <string>

#include <gtest/gtest.h>
#include "grid/coherence.h"
#include "test_support/golden.h"

namespace {

using coherence::Codes;

Codes Lettres(const std::string& twelve) {
  Codes cases;
  for (std::size_t i = 0; i < cases.size(); ++i) {
    cases[i] = twelve[i] == '_' ? "" : twelve.substr(i, 1);
  }
  return cases;
}

// Slots: 1 Cohérence, 2 Orientation, 3 Dépl. ext., 4 Gestion, 5 Achats, 6 Suivi,
// 7 Transferts, 8 Dépl. int., 9 Toilette, 10 Elimination, 11 Habillage, 12 Alimentation.
TEST(CoherenceFlags, ExclusionsAndTheWeightRuleOverEveryCoding) {
  const char letters[] = {'A', 'B', 'C'};
  std::map<std::string, std::string> first_failure;  // rule -> coding
  int codings = 0, with_flag3 = 0;
  std::string coding(12, 'A');
  for (int n = 0; n < 531441; ++n, ++codings) {  // 3^12
    for (std::size_t i = 0, rest = static_cast<std::size_t>(n); i < 12; ++i, rest /= 3) {
      coding[i] = letters[rest % 3];
    }
    const coherence::Drapeaux d = coherence::CalculeDrapeaux(Lettres(coding));
    const std::string keys = {coding[0], coding[1], coding[6], coding[7]};
    const std::string body = coding.substr(8, 4);
    const auto c = std::count(body.begin(), body.end(), 'C');
    const auto b = std::count(body.begin(), body.end(), 'B');
    // In words: every key function A, and two C, or one C and three B, among the body.
    const bool flag3 = keys == "AAAA" && (c >= 2 || (c == 1 && b == 3));
    const std::pair<const char*, bool> rules[] = {
        {"1 and 3 together", d.conservees && d.degradees},
        {"2 and 3 together", d.exterieures && d.degradees},
        {"weight rule", d.degradees != flag3}};
    for (const auto& [rule, broken] : rules) {
      if (broken) first_failure.emplace(rule, coding);
    }
    with_flag3 += d.degradees;
  }
  EXPECT_EQ(codings, 531441);
  EXPECT_TRUE(first_failure.empty())
      << first_failure.begin()->first << " at " << first_failure.begin()->second;
  EXPECT_GT(with_flag3, 0);
}

// The flags of the codings of golden/coherence.txt: boundaries of each flag, and codes that
// are not exactly A, B or C.
std::string Flags(const std::string& codes) {
  const coherence::Drapeaux d = coherence::CalculeDrapeaux(Lettres(codes));
  return std::to_string(d.conservees) + std::to_string(d.exterieures) + std::to_string(d.degradees);
}

TEST(CoherenceFlags, TheTable) {
  ExpectTable(AGGIR_SOURCE_DIR "/tests/grid/golden/coherence.txt", Flags);
}

// The slots copy their codes from TxtVD2 and TxtVI; a short string leaves blanks.
TEST(CoherenceFlags, SlotsReadTheirPositions) {
  const Codes cases = coherence::LitCases("1234567890", "abcdefg");
  EXPECT_EQ(cases, (Codes{"1", "2", "9", "a", "e", "f", "7", "8", "3", "6", "4", "5"}));
  const Codes short_strings = coherence::LitCases("12", "");
  EXPECT_EQ(short_strings[1], "2");
  EXPECT_EQ(short_strings[2], "");
  EXPECT_EQ(short_strings[3], "");
}

}  // namespace
