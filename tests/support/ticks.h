// SPDX-License-Identifier: EUPL-1.2
// Ticking a box of the grid as the assessor does: its value set, then its click handler,
// which codes the row (and asks the three-adverb question through the host).
#pragma once

#include "calculator/saisie_aggir2.h"
#include "calculator/window/layout.h"
#include "test_support/example_evaluation.h"

namespace saisie {

// The adverb box ADV(i).
inline void CocheAdverbe(SaisieAggir2& form, int i) {
  form.ADV(i).Value = 1;
  form.ADV_Click(i);
}

// The NE FAIT PAS box of row k.
inline void CocheNeFaitPas(SaisieAggir2& form, int k) {
  const int i = layout::NeFaitPasBox(k);
  form.ADV4(i).Value = 1;
  form.ADV4_Click(i);
}

}  // namespace saisie

namespace example {

// Types the identity, ticks the boxes through the window's own handlers and computes the GIR,
// on a window just loaded and activated.
inline void Saisit(SaisieAggir2& form) {
  form.TxtNom.Text = kNom;
  form.TxtPrenom.Text = kPrenom;
  form.TxtDossier.Text = kDossier;
  form.TxtAdresse.Text = kAdresse;
  for (int box : kAdverbes) saisie::CocheAdverbe(form, box);
  saisie::CocheNeFaitPas(form, kNeFaitPas);
  form.SSCommand7_Click();
}

}  // namespace example
