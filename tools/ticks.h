// Ticking a box of the grid as the assessor does: its value set, then its click handler,
// which codes the row (and asks the three-adverb question through the host).
#pragma once

#include "calculator/saisie_aggir2.h"
#include "calculator/window/layout.h"

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
