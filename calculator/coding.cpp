// Codes of the variables and the code strings, derived from the row codes.
#include "calculator/codes.h"
#include "calculator/saisie_aggir2.h"
#include "calculator/window/layout.h"

namespace {

// Row codes as single letters; a caption other than "A", "B" or "C" counts as none of them.
char Lettre(const std::string& caption) {
  return caption == "A" || caption == "B" || caption == "C" ? caption[0] : ' ';
}

constexpr int kCombinees = 6;  // variables whose code combines several rows

}  // namespace

void SaisieAggir2::ChampsDerives() {
  std::string lettres;
  for (int k = 1; k <= layout::kRows; ++k) lettres += Lettre(CmdVD(k).Caption());

  std::string vd1;
  for (int k = 1; k <= layout::kSubVariables; ++k) vd1 += CmdVD(k).Caption();
  TxtVD1.Text = vd1;

  for (int v = 1; v <= kCombinees; ++v) CFIN(v).SetCaption(std::string(1, CodeDeVariable(v, lettres)));
  for (int v = kCombinees + 1; v <= layout::kVariables; ++v) {
    CFIN(v).SetCaption(CmdVD(v + 7).Caption());
  }

  std::string vd2;
  for (int v = 1; v <= layout::kDiscriminants; ++v) vd2 += CFIN(v).Caption();
  TxtVD2.Text = vd2;

  std::string vi;
  for (int k = layout::kSubVariables + 1; k <= layout::kRows; ++k) vi += CmdVD(k).Caption();
  TxtVI.Text = vi;
}
