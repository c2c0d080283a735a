// SPDX-License-Identifier: EUPL-1.2
// Adverb ticks: the user's clicks and keys on the adverb and NE FAIT PAS boxes, the row
// codes and NE FAIT PAS boxes rebuilt from the ticks, and the three-adverb question.
#include "calculator/saisie_aggir2.h"
#include "calculator/window/layout.h"

namespace {

constexpr const char* kTitreQuestion = "Attention...";
constexpr const char* kQuestion =
    "Vous avez coché TROIS ADVERBES\r\n"
    "pour cette variable... \r\n"
    " \r\n"
    "Confirmez-vous qu'il ne s'agit pas d'une situation    \r\n"
    "où il faut tout faire à la place, tout \"faire faire\"\r\n"
    "ou tout refaire à chaque fois ?\r\n"
    " \r\n";

}  // namespace

// Every user action on a box withdraws what was computed from the previous coding.
void SaisieAggir2::RetireResultats() {
  PanelCalculGIR.Visible = false;
  PanelProfil.Visible = false;
  PanelCoherence.Visible = false;
  SSCommand1.Enabled = false;
  SSCommand2.Enabled = false;
}

void SaisieAggir2::ADV_Click(int Index) {
  RetireResultats();
  ActionAdverbe(Index);
}

void SaisieAggir2::ADV_KeyDown(int Index, int KeyCode) {
  window::CheckBox& box = ADV(Index);
  const int colonne = (Index - 1) % layout::kAdverbs + 1;
  if (ToucheDeGrille(layout::RowOfAdverbBox(Index), colonne, KeyCode)) return;
  if (KeyCode != window::kEnterKey) return;
  RetireResultats();
  box.Value = box.Value == 0 ? 1 : 0;
  ActionAdverbe(Index);
}

void SaisieAggir2::ActionAdverbe(int Index) {
  DernierADV = static_cast<std::int16_t>(Index);
  ActualiseADV();
  TroisAdverbes();
}

void SaisieAggir2::ADV4_Click(int Index) {
  const window::CheckBox& box = ADV4(Index);
  RetireResultats();
  AppliqueNeFaitPas(layout::RowOfNeFaitPasBox(Index), box.Value == 1);
}

void SaisieAggir2::ADV4_KeyDown(int Index, int KeyCode) {
  window::CheckBox& box = ADV4(Index);
  if (ToucheDeGrille(layout::RowOfNeFaitPasBox(Index), 0, KeyCode)) return;
  if (KeyCode != window::kEnterKey) return;
  RetireResultats();
  box.Value = box.Value != 1 ? 1 : 0;
  AppliqueNeFaitPas(layout::RowOfNeFaitPasBox(Index), box.Value == 1);
}

// Ticking NE FAIT PAS ticks the four adverbs; unticking it clears them only when all four
// were ticked, so a partial coding survives. No question follows.
void SaisieAggir2::AppliqueNeFaitPas(int k, bool coche) {
  LitCoches();
  evaluation_.NeFaitPas(k, coche);
  AfficheCoches();
  ActualiseADV();
}

// The boxes as the user left them become the evaluation's coding, which the row codes, the
// NE FAIT PAS boxes and the adverb string then show.
void SaisieAggir2::ActualiseADV() {
  LitCoches();
  std::string adverbes;
  for (int i = 1; i <= layout::kAdverbBoxes; ++i) adverbes += evaluation_.Cochee(i) ? '1' : '0';
  TxtADV.Text = adverbes;
  const grid::Cotation cotation = grid::CotationDe(evaluation_);
  for (int k = 1; k <= layout::kRows; ++k) {
    CmdVD(k).SetCaption(cotation.lignes.substr(static_cast<std::size_t>(k - 1), 1));
    ADV4(layout::NeFaitPasBox(k)).Value = evaluation_.NeFaitPas(k) ? 1 : 0;
  }
}

void SaisieAggir2::LitCoches() {
  for (int i = 1; i <= layout::kAdverbBoxes; ++i) evaluation_.Coche(i, ADV(i).Value == 1);
}

// The adverb boxes from the evaluation's coding.
void SaisieAggir2::AfficheCoches() {
  for (int i = 1; i <= layout::kAdverbBoxes; ++i) ADV(i).Value = evaluation_.Cochee(i) ? 1 : 0;
}

void SaisieAggir2::TroisAdverbes() {
  if (DernierADV < 1 || DernierADV > layout::kAdverbBoxes) return;
  const int k = layout::RowOfAdverbBox(DernierADV);
  if (CochesDeLigne(k) != 3) return;
  host_.Beep();
  const platform::MessageAnswer answer = host_.ShowMessage(
      kQuestion, kTitreQuestion, platform::MessageIcon::Critical, platform::MessageButtons::YesNo);
  if (answer == platform::MessageAnswer::Yes) return;
  // Any other answer, the box closed unanswered too, leaves the row to be coded again.
  CocheLigne(k, 0);
  ActualiseADV();
}

void SaisieAggir2::CocheLigne(int k, int value) {
  for (int j = 1; j <= layout::kAdverbs; ++j) ADV(layout::AdverbBox(k, j)).Value = value;
}

int SaisieAggir2::CochesDeLigne(int k) const {
  int cochees = 0;
  for (int j = 1; j <= layout::kAdverbs; ++j) cochees += ADV(layout::AdverbBox(k, j)).Value == 1;
  return cochees;
}
