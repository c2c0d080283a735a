// SPDX-License-Identifier: EUPL-1.2
// The keyboard's ways through the window besides Tab: the arrows in the grid and on the
// charts, F2 for a row's questions, Escape for the panels over the grid, Ctrl+P; and what the
// panels cover, which no key may reach.
#include <algorithm>

#include "calculator/saisie_aggir2.h"
#include "calculator/window/layout.h"

namespace {

// Column 0 is NE FAIT PAS, then S, T, C, H; the row's caption stands before them.
constexpr int kColonnes = layout::kAdverbs;
constexpr int kLegende = -1;

layout::Rect SurEcran(const window::Control& control) {
  layout::Rect rect{control.Left, control.Top, control.Width, control.Height};
  for (const window::Control* parent = control.Parent; parent; parent = parent->Parent) {
    rect.left += parent->Left;
    rect.top += parent->Top;
  }
  return rect;
}

bool SeCroisent(const layout::Rect& a, const layout::Rect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

bool Dans(const window::Control& control, const window::Control& panel) {
  for (const window::Control* c = &control; c; c = c->Parent) {
    if (c == &panel) return true;
  }
  return false;
}

}  // namespace

bool window::TakesFocus(const Control& control) {
  switch (control.kind) {
    case Kind::CheckBox:
    case Kind::TextBox:
    case Kind::Button:
    case Kind::PictureBox: return true;
    case Kind::Label: return control.KeyDown || static_cast<const Label&>(control).TabStop;
    default: return false;
  }
}

bool SaisieAggir2::GrilleCouverte() const {
  return PanelProfil.Visible || PanelCoherence.Visible || PanelQuestions.Visible;
}

bool SaisieAggir2::Couvert(const window::Control& control) const {
  for (const window::Panel* panel : {&PanelCoherence, &PanelProfil, &PanelQuestions}) {
    if (panel->Visible && !Dans(control, *panel) &&
        SeCroisent(SurEcran(control), SurEcran(*panel))) {
      return true;
    }
  }
  return false;
}

// Up and Down go from row to row as the screen shows them, Left and Right from column to
// column, the caption first; what a panel covers is passed over. F2 opens the row's questions.
bool SaisieAggir2::ToucheDeGrille(int k, int colonne, int KeyCode) {
  if (KeyCode == window::kF2Key) {
    LabelVD_Click(layout::RowOf(k).label_index);
    return true;
  }
  const int pas_ligne = KeyCode == window::kDownKey ? 1 : KeyCode == window::kUpKey ? -1 : 0;
  const int pas_colonne = KeyCode == window::kRightKey ? 1 : KeyCode == window::kLeftKey ? -1 : 0;
  if (pas_ligne == 0 && pas_colonne == 0) return false;
  int position = layout::RowOf(k).screen_position;
  colonne = std::clamp(colonne + pas_colonne, kLegende, kColonnes);
  do {
    position += pas_ligne;
    if (position < 1 || position > layout::kRows) return true;
    const window::Control& cellule = Cellule(layout::RowAt(position), colonne);
    if (!Couvert(cellule)) {
      Focus = &cellule;
      return true;
    }
  } while (pas_ligne != 0);
  return true;
}

const window::Control& SaisieAggir2::Cellule(int k, int colonne) const {
  if (colonne == kLegende) return LabelVD(layout::RowOf(k).label_index);
  if (colonne == 0) return ADV4(layout::NeFaitPasBox(k));
  return ADV(layout::AdverbBox(k, colonne));
}

void SaisieAggir2::LabelVD_KeyDown(int Index, int KeyCode) {
  ToucheDeGrille(layout::RowWithLabel(Index), kLegende, KeyCode);
}

void SaisieAggir2::Form_CtrlP() {
  if (SSCommand1.Enabled) SSCommand1_Click();
}

void SaisieAggir2::Form_Escape() {
  if (PanelProfil.Visible) {
    PanelProfil.Visible = false;
  } else if (PanelQuestions.Visible) {
    PanelQuestions.Visible = false;
  } else if (PanelCoherence.Visible) {
    SSCommand3_Click();
  }
}

// The arrows go from axis to axis of a chart, clockwise with Right and Down, and show the
// coding of each as the mouse over its number does.
void SaisieAggir2::ParcourtProfil(int chart, int pas) {
  const int premiere = chart == 1 ? 1 : layout::kSubVariables + 1;
  const int nombre = chart == 1 ? layout::kSubVariables : layout::kRows - layout::kSubVariables;
  const bool sur_ce_graphique = AxeProfil >= premiere && AxeProfil < premiere + nombre;
  const int axe = sur_ce_graphique ? AxeProfil - premiere + pas : (pas > 0 ? 0 : nombre - 1);
  AxeProfil = premiere + (axe + nombre) % nombre;
  Controle_MouseMove(Label3(AxeProfil));
}
