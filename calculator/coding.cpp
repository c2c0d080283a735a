// SPDX-License-Identifier: EUPL-1.2
// Codes of the variables and the code strings, derived from the row codes.
#include "calculator/saisie_aggir2.h"
#include "calculator/window/layout.h"
#include "grid/codes.h"

namespace {

// Row codes as single letters for the combination rules. As for the rang, anything but "B"
// or "C" (an empty or odd caption) counts as "A", so every rule reads a row the same way.
char Lettre(const std::string& caption) {
  return caption == "B" || caption == "C" ? caption[0] : 'A';
}

constexpr int kCombinees = 6;  // variables whose code combines several rows

// Captions of labels first..last of a control array, end to end.
template <typename Array>
std::string BoutABout(const Array& labels, int first, int last) {
  std::string codes;
  for (int i = first; i <= last; ++i) codes += labels(i).Caption();
  return codes;
}

}  // namespace

void SaisieAggir2::ChampsDerives() {
  std::string lettres;
  for (int k = 1; k <= layout::kRows; ++k) lettres += Lettre(CmdVD(k).Caption());

  TxtVD1.Text = BoutABout(CmdVD, 1, layout::kSubVariables);
  for (int v = 1; v <= kCombinees; ++v) {
    CFIN(v).SetCaption(std::string(1, grid::CodeDeVariable(v, lettres)));
  }
  for (int v = kCombinees + 1; v <= layout::kVariables; ++v) {
    CFIN(v).SetCaption(CmdVD(layout::RowsOf(v).first).Caption());
  }
  TxtVD2.Text = BoutABout(CFIN, 1, layout::kDiscriminants);
  TxtVI.Text = BoutABout(CmdVD, layout::kSubVariables + 1, layout::kRows);
}
