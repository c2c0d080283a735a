// SPDX-License-Identifier: EUPL-1.2
// "Vérifier": the coherence panel, the check that fills it, and "Effacer" that closes it.
#include "grid/coherence.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "calculator/saisie_aggir2.h"
#include "calculator/window/coherence_layout.h"

namespace {

using coherence::kCases;

const std::string& CodeDe(const coherence::Codes& cases, int i) {
  return cases[static_cast<std::size_t>(i - 1)];
}

// Slots of a group, in rising order; only those holding a given code, when one is given.
std::vector<int> CasesDu(coherence::Groupe groupe, const coherence::Codes& cases = {},
                         const char* code = nullptr) {
  std::vector<int> slots;
  for (int i = 1; i <= kCases; ++i) {
    if (coherence::CaseNumero(i).groupe != groupe) continue;
    if (!code || CodeDe(cases, i) == code) slots.push_back(i);
  }
  return slots;
}

constexpr int kDeplacementInterieur = 8;  // slot of Déplacements int.

}  // namespace

void SaisieAggir2::ConstruitCoherence() {
  const layout::Rect p = layout::kCoherencePanel;
  Place(PanelCoherence, "PanelCoherence", -1, nullptr, p.left, p.top, p.width, p.height);
  PlaceTexte(TitreCoherence, "TitreCoherence", -1, &PanelCoherence, layout::kCoherenceTitle);
  TitreCoherence.Alignment = window::Align::Center;
  TitreCoherence.Transparent = false;
  TitreCoherence.BackColor = window::kLightCyan;
  PlaceTexte(IntroCoherence, "IntroCoherence", -1, &PanelCoherence, layout::kCoherenceIntro);
  for (int i = 1; i <= 2; ++i) {
    PlaceTexte(TitreVerifie(i), "TitreVerifie", i, &PanelCoherence,
               layout::kTitreVerifie[static_cast<std::size_t>(i - 1)]);
  }
  const layout::Rect a1 = layout::kPanelAnomalies1;
  Place(PanelAnomalies1, "PanelAnomalies1", -1, &PanelCoherence, a1.left, a1.top, a1.width,
        a1.height);
  for (const layout::CodeRow& row : layout::kCodeRows) {
    if (!row.in_anomalies2) ConstruitCodeCoherence(row);
  }
  PlaceTexte(Label9, "Label9", -1, &PanelAnomalies1, layout::kLabel9);
  PlaceTexte(Label12, "Label12", -1, &PanelAnomalies1, layout::kLabel12);
  // Last in the first panel, so that it covers Label9 when shown.
  const layout::Rect a2 = layout::kPanelAnomalies2;
  Place(PanelAnomalies2, "PanelAnomalies2", -1, &PanelAnomalies1, a2.left, a2.top, a2.width,
        a2.height);
  for (const layout::CodeRow& row : layout::kCodeRows) {
    if (row.in_anomalies2) ConstruitCodeCoherence(row);
  }
  PlaceTexte(Label7, "Label7", -1, &PanelAnomalies2, layout::kLabel7);
  PlaceTexte(ParAilleurs, "ParAilleurs", -1, &PanelAnomalies2, layout::kParAilleurs);
  ConstruitFleche();
  // Over the first panel, whose top they overlap.
  PlaceTexte(Label6, "Label6", -1, &PanelCoherence, layout::kLabel6);
  PlaceTexte(Label11, "Label11", -1, &PanelCoherence, layout::kLabel11);
  PlaceTexte(AucuneAnomalie, "AucuneAnomalie", -1, &PanelCoherence, layout::kAucuneAnomalie);
  AucuneAnomalie.TabStop = true;
  Label11.TabStop = true;
  AucuneAnomalie.Alignment = window::Align::Center;
  for (window::Label* texte : {&IntroCoherence, &TitreVerifie(1), &TitreVerifie(2), &Label6,
                               &Label12, &AucuneAnomalie, &ParAilleurs, &TitreCoherence}) {
    texte->ForeColor = window::kNavy;
  }
  for (window::Label* avertissement : {&Label7, &Label9, &Label11}) {
    avertissement->ForeColor = window::kDarkRed;
  }
  const layout::Rect e = layout::kEffacer;
  Place(SSCommand3, "SSCommand3", -1, &PanelCoherence, e.left, e.top, e.width, e.height);
  SSCommand3.Caption = layout::kEffacerCaption;
}

void SaisieAggir2::ConstruitCodeCoherence(const layout::CodeRow& row) {
  const window::Control* panel = row.in_anomalies2 ? &PanelAnomalies2 : &PanelAnomalies1;
  const auto column = static_cast<std::size_t>(row.right);
  const int caption_left = layout::kCodeCaptionLefts[column];
  const int box_left = layout::kCodeBoxLefts[column];
  window::Label& caption = LabelDE(row.slot);
  Place(caption, "LabelDE", row.slot, panel, caption_left, row.top,
        box_left - caption_left - layout::kCodeCaptionGap, layout::kCodeCaptionHeight);
  caption.SetCaption(coherence::CaseNumero(row.slot).libelle);
  window::Label& box = TxtDE(row.slot);
  Place(box, "TxtDE", row.slot, panel, box_left, row.top, layout::kCodeBoxWidth,
        layout::kCodeBoxHeight);
  box.Alignment = window::Align::Center;
  box.Transparent = false;  // its background tells how the code stands
  box.TabStop = true;
  box.BackColor = window::kWhite;
}

void SaisieAggir2::ConstruitFleche() {
  for (int i = 1; i <= 4; ++i) {
    const layout::Stroke& s = layout::kArrow[static_cast<std::size_t>(i - 1)];
    window::Line& line = Fleche(i);
    Place(line, "Fleche", i, &PanelAnomalies2, std::min(s.x1, s.x2), std::min(s.y1, s.y2),
          std::abs(s.x2 - s.x1), std::abs(s.y2 - s.y1));
    line.X1 = s.x1;
    line.Y1 = s.y1;
    line.X2 = s.x2;
    line.Y2 = s.y2;
    line.BorderWidth = layout::kArrowWidth;
  }
}

void SaisieAggir2::SSCommand2_Click() {
  CoherenceCodage();
  PanelProfil.Visible = false;
  PanelCoherence.Left = layout::kCoherenceLeft;
  PanelCoherence.Top = layout::kCoherenceTop;
  PanelCoherence.Visible = true;
  PanelQuestions.Visible = false;
  // "dans l'espace" stays dead until "Effacer", even when another command hides the panel.
  LabelVD(0).Enabled = false;
  Focus = PremiereConstatation();
}

// Where the keyboard, and a screen reader with it, reads what the check found: the verdict
// when nothing is suspect, else the first suspect code.
const window::Control* SaisieAggir2::PremiereConstatation() const {
  for (const window::Label* verdict : {&AucuneAnomalie, &Label11}) {
    if (verdict->Visible) return verdict;
  }
  const window::Control* premier = nullptr;
  for (const layout::CodeRow& row : layout::kCodeRows) {
    const window::Label& box = TxtDE(row.slot);
    if (!box.Parent->Visible) continue;
    if (box.BackColor == window::kPaleRed) return &box;
    if (!premier) premier = &box;
  }
  return premier ? premier : &SSCommand3;
}

void SaisieAggir2::SSCommand3_Click() {
  PanelCoherence.Visible = false;
  LabelVD(0).Enabled = true;
}

// Every run starts from the same display, whatever the last one left.
void SaisieAggir2::CoherenceCodage() {
  const coherence::Codes cases = coherence::LitCases(TxtVD2.Text, TxtVI.Text);
  for (window::Label* texte : {&Label6, &Label7, &Label9, &Label11, &Label12}) {
    texte->Visible = false;
  }
  for (int i = 1; i <= kCases; ++i) PrepareCase(i, CodeDe(cases, i));
  const coherence::Drapeaux drapeaux = coherence::CalculeDrapeaux(cases);
  if (drapeaux.Aucun()) {
    SansAnomalie(cases);
    return;
  }
  if (drapeaux.conservees) MarqueConservees(cases, drapeaux.exterieures);
  if (drapeaux.degradees) MarqueDegradees(cases, drapeaux.exterieures);
  MarqueExterieures(cases, drapeaux);
  PanelAnomalies1.Visible = true;
  AucuneAnomalie.Visible = false;
}

// Key functions black on white, the other codes bold dark green on pale green.
void SaisieAggir2::PrepareCase(int i, const std::string& code) {
  const bool cle = coherence::EstFonctionCle(i);
  window::Label& box = TxtDE(i);
  box.font.bold = !cle;
  box.SetCaption(code);
  box.BackColor = cle ? window::kWhite : window::kPaleGreen;
  box.ForeColor = cle ? window::kBlack : window::kDarkGreen;
  LabelDE(i).font.bold = false;
}

// No anomaly: only a word, or the doubt about Déplacements intérieurs.
void SaisieAggir2::SansAnomalie(const coherence::Codes& cases) {
  PanelAnomalies1.Visible = false;
  TitreVerifie(1).Visible = false;
  TitreVerifie(2).Visible = false;
  const bool doute = CodeDe(cases, kDeplacementInterieur) == "A" &&
                     (CodeDe(cases, 1) == "C" || CodeDe(cases, 2) == "C");
  AucuneAnomalie.Visible = !doute;
  Label11.Visible = doute;
}

// Flag 1: the key functions coded C and the body activities coded A stand out.
void SaisieAggir2::MarqueConservees(const coherence::Codes& cases, bool exterieures) {
  TitreVerifie(1).Visible = true;
  TitreVerifie(2).Visible = false;
  MarqueFonctionsC(cases);
  MarqueSuspects(CasesDu(coherence::Groupe::Corporelle, cases, "A"), false);
  MarqueDeplacementInterieur(cases, Label9);
  if (!exterieures) Label12.Visible = true;
}

// Flag 3: the degraded body activities and the key functions coded A stand out.
void SaisieAggir2::MarqueDegradees(const coherence::Codes& cases, bool exterieures) {
  TitreVerifie(2).Visible = true;
  TitreVerifie(1).Visible = false;
  for (int i : CasesDu(coherence::Groupe::Corporelle)) {
    window::Label& box = TxtDE(i);
    box.BackColor = window::kWhite;
    box.ForeColor = window::kBlack;
    const bool atteinte = CodeDe(cases, i) == "C" || CodeDe(cases, i) == "B";
    box.font.bold = atteinte;
    LabelDE(i).font.bold = atteinte;
  }
  MarqueSuspects(CasesDu(coherence::Groupe::FonctionCle, cases, "A"), true);
  if (!exterieures) Label12.Visible = true;
}

// Flag 2 shows the outside activities; without it their panel stays closed.
void SaisieAggir2::MarqueExterieures(const coherence::Codes& cases,
                                     const coherence::Drapeaux& drapeaux) {
  if (!drapeaux.exterieures) {
    PanelAnomalies2.Visible = false;
    return;
  }
  TitreVerifie(2).Visible = false;
  if (!drapeaux.conservees) {
    Label6.Visible = true;
    TitreVerifie(1).Visible = false;
    MarqueFonctionsC(cases);
  }
  MarqueSuspects(CasesDu(coherence::Groupe::Exterieure, cases, "A"), false);
  MarqueDeplacementInterieur(cases, Label7);
  PanelAnomalies2.Visible = true;
}

void SaisieAggir2::MarqueFonctionsC(const coherence::Codes& cases) {
  for (int i : CasesDu(coherence::Groupe::FonctionCle, cases, "C")) {
    LabelDE(i).font.bold = true;
    TxtDE(i).font.bold = true;
  }
}

// Suspect codes: dark red on pale red, their captions bold, and the codes too if asked.
void SaisieAggir2::MarqueSuspects(const std::vector<int>& slots, bool code_gras) {
  for (int i : slots) {
    Suspect(i);
    LabelDE(i).font.bold = true;
    if (code_gras) TxtDE(i).font.bold = true;
  }
}

// Déplacements intérieurs coded A beside a suspect coding: its warning, its code marked.
void SaisieAggir2::MarqueDeplacementInterieur(const coherence::Codes& cases,
                                              window::Label& avertissement) {
  if (CodeDe(cases, kDeplacementInterieur) != "A") return;
  avertissement.Visible = true;
  TxtDE(kDeplacementInterieur).font.bold = true;
  Suspect(kDeplacementInterieur);
}

void SaisieAggir2::Suspect(int i) {
  TxtDE(i).BackColor = window::kPaleRed;
  TxtDE(i).ForeColor = window::kDarkRed;
}
