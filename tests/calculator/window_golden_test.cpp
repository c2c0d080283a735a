// SPDX-License-Identifier: EUPL-1.2
// The whole window as text: every control after load, the tab order, then what each later
// state changes (the coherence cases, the questions of each row, the profile), against the
// reviewed copy in golden/window.txt. scripts/golden.sh regenerates it when a change is meant.
#include <gtest/gtest.h>

#include <locale>
#include <sstream>
#include <string>

#include "test_support/example_evaluation.h"
#include "test_support/golden.h"
#include "test_support/ticks.h"
#include "window_text.h"

namespace {

// First row of each variable v = 1..17; its rows run up to the next one's first.
constexpr int kFirstRow[] = {0, 1, 3, 5, 7, 10, 12, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25};

// Codes the 17 variables ("10 discriminants, blank, 7 illustratives") through the boxes of a
// new evaluation: B ticks S on the variable's first row, C ticks NE FAIT PAS on each of its
// rows.
void Code(SaisieAggir2& form, const std::string& variables) {
  form.BtnSupprimer_Click();
  for (int v = 1; v <= 17; ++v) {
    const char code = variables[static_cast<std::size_t>(v <= 10 ? v - 1 : v)];
    const int first = kFirstRow[v];
    if (code == 'B') saisie::CocheAdverbe(form, layout::AdverbBox(first, 1));
    for (int k = first; code == 'C' && k < kFirstRow[v + 1]; ++k) saisie::CocheNeFaitPas(form, k);
  }
}

// Variables: Cohérence, Orientation, Toilette, Habillage, Alimentation, Elimination,
// Transferts, Déplacements int., Déplacements ext., Alerter | Gestion, Cuisine, Ménage,
// Transports, Achats, Suivi du traitement, Temps libre.
constexpr std::pair<const char*, const char*> kCoherenceCases[] = {
    {"flags 1 and 2, Déplacements int. A", "CBABBABABB ABBBBBB"},
    {"no flag", "AAAAAAAAAA AAAAAAA"},
    {"no flag, Déplacements int. A with Cohérence C", "CBABBBBABB BBBBBBB"},
    {"flag 1", "CBABBABBBB BBBBBBB"},
    {"flag 1, Déplacements int. A", "CBABBABABB BBBBBBB"},
    {"four B weigh 4: no flag", "AABBBBAAAA AAAAAAA"},
    {"flag 3", "AACBBBAAAA AAAAAAA"},
    {"flag 2", "BCBBBBBBBB ABBBBBB"},
    {"flag 2, Déplacements int. A", "BCBBBBBABB ABBBBBB"},
};

std::string Window() {
  std::ostringstream out;
  out.imbue(std::locale::classic());
  {
    Session s(out);
    out << "== after load\n";
    for (const auto& [key, line] : Snapshot(s.form)) out << line << "\n";
    out << "\n== tab order\n";
    for (const window::Control* c : s.form.OrdreTabulation()) out << NameOf(c) << "\n";
  }
  {
    Session s(out);
    for (const auto& [name, codes] : kCoherenceCases) {
      Code(s.form, codes);
      s.form.SSCommand7_Click();
      s.form.SSCommand2_Click();
      s.Write(std::string("Vérifier, ") + name + ": " + codes);
    }
  }
  {
    Session s(out);
    for (int row = 0; row <= 23; ++row) {
      s.form.LabelVD_Click(row);
      s.Write("questions of row " + std::to_string(row));
      s.form.LabelVD_Click(row);
    }
  }
  Session s(out);
  example::Saisit(s.form);
  s.form.SSCommand6_Click();
  s.Write("profile of the example evaluation");
  return out.str();
}

TEST(WindowGoldenTest, EveryControlInEveryState) {
  ExpectGolden(AGGIR_SOURCE_DIR "/tests/calculator/golden/window.txt", Window());
}

}  // namespace
