// SPDX-License-Identifier: EUPL-1.2
// "Calcul du GIR": the rang and GIR of the current coding, shown in the result panel.
#include <string>

#include "calculator/saisie_aggir2.h"
#include "grid/gir.h"

void SaisieAggir2::SSCommand7_Click() {
  const std::string codes = TxtVD2.Text;
  const std::int16_t rang = grid::CalculRang(codes);
  const std::int16_t gir = grid::GirDuRang(rang);
  TxtGroupe.Text = std::to_string(gir);
  TxtRang.Text = std::to_string(rang);
  PanelCalculGIR.Visible = true;
  PanelQuestions.Visible = false;
  SSCommand1.Enabled = true;
  SSCommand2.Enabled = true;
  Focus = &TxtGroupe;  // the group read out at once by a screen reader
}
