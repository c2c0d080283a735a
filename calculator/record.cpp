// SPDX-License-Identifier: EUPL-1.2
// The evaluation record: start-up, a blank evaluation, the file-number filter, and the
// procedures that copy code strings back into the row codes.
#include <algorithm>
#include <cmath>

#include "calculator/saisie_aggir2.h"
#include "calculator/window/layout.h"
#include "calculator/window/placement.h"

namespace {

constexpr int kBackspace = 8;
// The rang of a blank evaluation: no rang has been computed yet.
constexpr const char* kRangNonCalcule = "15";

bool EstChiffre(int key) { return key >= '0' && key <= '9'; }

}  // namespace

void CentreFormulaire(SaisieAggir2& form, const platform::Host& host) {
  const platform::ScreenSize screen = host.ScreenTwips();
  const auto twips = [](float value) { return static_cast<int>(std::nearbyint(value)); };
  const window::Area placed = window::PlaceWindow(
      {twips(screen.left), twips(screen.top), twips(screen.width), twips(screen.height)},
      form.Width, form.Height);
  form.Top = placed.top;
  form.Left = placed.left;
}

void SaisieAggir2::Form_Load() {
  CentreFormulaire(*this, host_);
  Bulle.Visible = false;
  for (window::TextBox* field : {&TxtVD1, &TxtVD2, &TxtVI, &TxtRang, &TxtADV}) {
    field->Visible = false;
  }
  for (window::Panel* panel : {&PanelQuestions, &PanelProfil, &PanelCoherence, &PanelCalculGIR}) {
    panel->Visible = false;
  }
  SSCommand1.Enabled = false;
  SSCommand2.Enabled = false;
  HelpFile = "Guide SORVANE.HLP";
}

void SaisieAggir2::Form_Activate() {
  InitialiseAjout();
  Focus = &TxtNom;
}

void SaisieAggir2::InitialiseAjout() {
  for (window::TextBox* field : {&TxtNom, &TxtPrenom, &TxtDossier, &TxtAdresse}) {
    field->Text.clear();
  }
  evaluation_.adverbes.reset();
  AfficheCoches();
  for (int k = 1; k <= layout::kRows; ++k) {
    CmdVD(k).SetCaption("A");
    ADV4(layout::NeFaitPasBox(k)).Value = 0;
  }
  TxtGroupe.Text = "6";
  TxtRang.Text = kRangNonCalcule;
  TxtVD2.Text = std::string(layout::kDiscriminants, 'A');
  TxtVD1.Text = std::string(layout::kSubVariables, 'A');
  TxtADV.Text = std::string(layout::kAdverbBoxes, '0');
  TxtVI.Text = std::string(layout::kRows - layout::kSubVariables, 'A');
  Bulle.Visible = false;
  conservee_ = EvaluationAffichee();
}

void SaisieAggir2::TxtDossier_KeyPress(int& KeyAscii) {
  if (EstChiffre(KeyAscii) || KeyAscii == kBackspace) return;
  host_.Beep();
  KeyAscii = 0;
}

bool SaisieAggir2::TxtDossier_Accepte(const std::string& text) {
  if (!std::all_of(text.begin(), text.end(), [](char c) { return EstChiffre(c); })) {
    host_.Beep();
    return false;
  }
  TxtDossier.Text = text;
  return true;
}
