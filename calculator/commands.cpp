// SPDX-License-Identifier: EUPL-1.2
// The command bar: quit, a new evaluation, help, and the tooltip that explains the buttons.
#include "calculator/saisie_aggir2.h"
#include "calculator/window/layout.h"

namespace {

constexpr const char* kFichierAide = "GUIDE SORVANE.HLP";
constexpr const char* kVisionneuseAide = "winhlp32.exe ";
constexpr const char* kAbandon = "L'évaluation affichée n'a pas été imprimée. L'abandonner ?";

// The tooltip of a command of the bar; null for any other control and for "Aide = F1".
const char* TexteBulle(const window::Control& control) {
  for (const layout::Command& command : layout::kCommands) {
    if (control.Name == command.name && *command.tooltip) return command.tooltip;
  }
  return nullptr;
}

}  // namespace

void SaisieAggir2::CmdFermer_Click() {
  if (AbandonAccepte()) Fermee = true;
}

void SaisieAggir2::Form_QueryUnload(int& Cancel) {
  if (Fermee) return;  // "Quitter" has asked already
  Fermee = AbandonAccepte();
  Cancel = Fermee ? 0 : 1;
}

bool SaisieAggir2::EvaluationNonImprimee() const { return !(EvaluationAffichee() == conservee_); }

bool SaisieAggir2::AbandonAccepte() {
  if (!EvaluationNonImprimee()) return true;
  return host_.ShowMessage(kAbandon, Caption, platform::MessageIcon::Exclamation,
                           platform::MessageButtons::YesNoDefaultNo) ==
         platform::MessageAnswer::Yes;
}

void SaisieAggir2::BtnSupprimer_Click() {
  if (AbandonAccepte()) NouvelleEvaluation();
}

void SaisieAggir2::NouvelleEvaluation() {
  for (window::Panel* panel : {&PanelProfil, &PanelCoherence, &PanelCalculGIR, &PanelQuestions}) {
    panel->Visible = false;
  }
  SSCommand1.Enabled = false;
  SSCommand2.Enabled = false;
  InitialiseAjout();
  Focus = &TxtNom;  // the next evaluation starts with the surname, as at start-up
}

void SaisieAggir2::SSCommand4_Click() { CheminAide = OuvreAide(kFichierAide); }

void SaisieAggir2::Form_F1() { OuvreAide(HelpFile); }

// The help viewer gets the path unquoted, whatever the folder's name holds.
std::string SaisieAggir2::OuvreAide(const std::string& fichier) {
  const std::string chemin = (host_.ProgramFolder() / fichier).string();
  host_.StartProgram(kVisionneuseAide + chemin, platform::WindowStyle::Minimized);
  return chemin;
}

// The tooltip stays up from button to button and goes as soon as the mouse reaches the bar,
// the tooltip itself, the window or one of the two large frames.
void SaisieAggir2::Controle_MouseMove(const window::Control& control) {
  if (SurvolProfil(control)) return;
  if (const char* texte = TexteBulle(control)) {
    Bulle.Caption = texte;
    AfficheBulle1();
    return;
  }
  if (&control == &Panel3D11 || &control == &Bulle || &control == &Frame1 || &control == &Panel2) {
    Bulle.Visible = false;
  }
}

void SaisieAggir2::Form_MouseMove() { Bulle.Visible = false; }

void SaisieAggir2::AfficheBulle1() {
  Bulle.Top = layout::kBulle.top;
  Bulle.Left = layout::kBulle.left;
  Bulle.Visible = true;
}

void SaisieAggir2::AfficheErreur(const std::string& message) {
  host_.ShowMessage(message, Caption, platform::MessageIcon::Critical,
                    platform::MessageButtons::Ok);
}
