// SPDX-License-Identifier: EUPL-1.2
// Which user action on which control runs which handler of the window: bound once, when the
// window is built, so that the front end runs a control's own handlers and knows no names.
#include "calculator/saisie_aggir2.h"

namespace {

using Handler = void (SaisieAggir2::*)();
using IndexHandler = void (SaisieAggir2::*)(int Index);
using KeyHandler = void (SaisieAggir2::*)(int Index, int KeyCode);

void BindClick(window::Control& control, SaisieAggir2& form, Handler handler) {
  control.Click = [&form, handler] { (form.*handler)(); };
}

// Each member of a control array passes its own index to the handler.
template <typename Array>
void BindClicks(Array& controls, SaisieAggir2& form, IndexHandler handler) {
  for (window::Control& control : controls) {
    control.Click = [&form, handler, index = control.Index] { (form.*handler)(index); };
  }
}

template <typename Array>
void BindKeyDowns(Array& controls, SaisieAggir2& form, KeyHandler handler) {
  for (window::Control& control : controls) {
    control.KeyDown = [&form, handler, index = control.Index](int KeyCode) {
      (form.*handler)(index, KeyCode);
    };
  }
}

// Panels, frames, buttons and picture boxes report the mouse moving over them: the tooltip
// and the radar's codings follow it. Other controls leave it to their container.
bool ReportsMouse(const window::Control& control) {
  switch (control.kind) {
    case window::Kind::Panel:
    case window::Kind::Frame:
    case window::Kind::Button:
    case window::Kind::PictureBox: return true;
    default: return false;
  }
}

}  // namespace

void SaisieAggir2::LieEvenements() {
  BindClick(CmdFermer, *this, &SaisieAggir2::CmdFermer_Click);
  BindClick(BtnSupprimer, *this, &SaisieAggir2::BtnSupprimer_Click);
  BindClick(SSCommand2, *this, &SaisieAggir2::SSCommand2_Click);
  BindClick(SSCommand1, *this, &SaisieAggir2::SSCommand1_Click);
  BindClick(SSCommand6, *this, &SaisieAggir2::SSCommand6_Click);
  BindClick(SSCommand4, *this, &SaisieAggir2::SSCommand4_Click);
  BindClick(SSCommand7, *this, &SaisieAggir2::SSCommand7_Click);
  BindClick(SSCommand3, *this, &SaisieAggir2::SSCommand3_Click);
  BindClick(PanelQuestions, *this, &SaisieAggir2::PanelQuestions_Click);
  BindClicks(LabelVD, *this, &SaisieAggir2::LabelVD_Click);
  BindKeyDowns(LabelVD, *this, &SaisieAggir2::LabelVD_KeyDown);
  BindClicks(Question, *this, &SaisieAggir2::Question_Click);
  BindClicks(Label8, *this, &SaisieAggir2::Label8_Click);
  BindClicks(ADV, *this, &SaisieAggir2::ADV_Click);
  BindKeyDowns(ADV, *this, &SaisieAggir2::ADV_KeyDown);
  BindClicks(ADV4, *this, &SaisieAggir2::ADV4_Click);
  BindKeyDowns(ADV4, *this, &SaisieAggir2::ADV4_KeyDown);
  BindClicks(Radar, *this, &SaisieAggir2::Radar_Click);
  BindKeyDowns(Radar, *this, &SaisieAggir2::Radar_KeyDown);
  TxtDossier.KeyPress = [this](int& KeyAscii) { TxtDossier_KeyPress(KeyAscii); };
  TxtDossier.Edited = [this](const std::string& text) { TxtDossier_Accepte(text); };
  for (window::Control* control : controls_) {
    if (ReportsMouse(*control)) {
      control->MouseMove = [this, control] { Controle_MouseMove(*control); };
    }
  }
  // The number of a row on the radar too: its coding shows while the mouse is on it.
  for (window::Label& spot : Label3) {
    spot.MouseMove = [this, &spot] { Controle_MouseMove(spot); };
  }
}
