// SPDX-License-Identifier: EUPL-1.2
// The window SaisieAggir2: its controls as plain data and its procedures. The procedures
// are defined in the file of their concern (record, coding, gir, ...).
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "calculator/window/control_array.h"
#include "calculator/window/controls.h"
#include "grid/coherence.h"
#include "grid/evaluation.h"
#include "grid/profile.h"
#include "platform/host.h"

namespace layout {
struct CodeRow;
struct Text;
}  // namespace layout

class SaisieAggir2 {
 public:
  explicit SaisieAggir2(platform::Host& host);
  SaisieAggir2(const SaisieAggir2&) = delete;
  SaisieAggir2& operator=(const SaisieAggir2&) = delete;

  // Every control, containers before their contents, for the front end to mirror.
  const std::vector<window::Control*>& Controls() const { return controls_; }

  // The window itself.
  std::string Caption;
  int Left = 0, Top = 0, Width = 0, Height = 0;
  window::Colour BackColor = window::kGrey;
  std::string HelpFile;                    // application help file, used by F1
  std::string CheminAide;                  // help file opened by the help command
  const window::Control* Focus = nullptr;  // control that holds the focus
  bool Fermee = false;                     // closed by "Quitter": the program ends

  // Command bar.
  window::Panel Panel3D11;
  window::Panel CmdFermer{window::Kind::Button}, BtnSupprimer{window::Kind::Button},
      SSCommand2{window::Kind::Button}, SSCommand1{window::Kind::Button},
      SSCommand6{window::Kind::Button}, SSCommand4{window::Kind::Button};
  window::Panel Bulle;

  // Identity frame.
  window::Panel Frame1{window::Kind::Frame};
  window::Label LabelNom, LabelPrenom, LabelDossier, LabelAdresse;
  window::TextBox TxtNom, TxtPrenom, TxtDossier, TxtAdresse;

  // Grid frame.
  window::Panel Panel2{window::Kind::Frame};
  window::ControlArray<window::Label, 0, 23> LabelVD;
  window::ControlArray<window::CheckBox, 1, 96> ADV;
  window::ControlArray<window::CheckBox, 101, 124> ADV4;
  window::ControlArray<window::Label, 1, 24> CmdVD;
  window::ControlArray<window::Label, 1, 17> CFIN;
  window::ControlArray<window::Shape, 0, 16> Shape1;
  window::Label LabelAdverbes, LabelNeFaitPas, LabelExplication, LabelConsigne, LabelLegende;
  window::Image Image1;

  // Result panel and the command that fills it.
  window::Panel PanelCalculGIR;
  window::Label LabelGroupe;
  window::TextBox TxtGroupe;
  window::Panel SSCommand7{window::Kind::Button};

  // Hidden code fields.
  window::TextBox TxtVD1, TxtVD2, TxtVI, TxtADV, TxtRang;

  // Coherence panel, shown by "Vérifier".
  window::Panel PanelCoherence;
  window::Label TitreCoherence, IntroCoherence;
  window::ControlArray<window::Label, 1, 2> TitreVerifie;
  window::Label Label6, Label11, AucuneAnomalie;
  window::Panel PanelAnomalies1, PanelAnomalies2;
  window::ControlArray<window::Label, 1, 12> LabelDE, TxtDE;  // by slot of the check
  window::Label Label9, Label12, Label7, ParAilleurs;
  window::ControlArray<window::Line, 1, 4> Fleche;
  window::Panel SSCommand3{window::Kind::Button};

  // Questions panel, shown by a click on a row caption.
  window::Panel PanelQuestions;
  window::ControlArray<window::Label, 0, 4> Question;  // heading, then S, T, C, H
  window::ControlArray<window::Label, 1, 4> Label8;    // the letters S, T, C, H

  // Profile panel, shown by "Profil": two radar charts with their legends.
  window::Panel PanelProfil;
  window::ControlArray<window::PictureBox, 1, 2> Radar;
  window::Label Label4, Label5;                              // coding of the axis under the mouse
  window::ControlArray<window::Label, 1, 24> Label3;         // hot spot on the number of row k
  window::ControlArray<window::Label, 1, 2> TitreProfil;     // by chart
  window::ControlArray<window::Label, 1, 24> LegendeProfil;  // by row
  window::Shape CadreEchelle;
  window::Label Echelle, LesAdverbes;
  window::ControlArray<window::Label, 1, 10> Padv;  // row r: value 2r - 1, meaning 2r
  window::ControlArray<window::Label, 1, 4> AdverbeProfil;
  window::ControlArray<window::Label, 1, 2> AideProfil;

  // Coding state.
  std::int16_t DernierADV = 0;

  // Questions state: the LabelVD index of the last row caption clicked.
  std::int16_t LigneQuestions = 0;

  // The row whose coding the keyboard shows on the profile; 0 before the first arrow key.
  int AxeProfil = 0;

  // Profile state, by row k at position k - 1: radius in percent and coding shown on hover.
  grid::Profil ProfilCourant;
  std::uint8_t RadarCourant = 0;  // chart TraceRadar draws, 1 or 2

  // Events. Only the front end calls them, for the user's own actions: a value the logic
  // sets never runs one.
  void Form_Load();
  void Form_Activate();
  void Form_MouseMove();
  void Form_F1();
  // The window is being closed other than by "Quitter": Cancel = 1 keeps it open.
  void Form_QueryUnload(int& Cancel);
  void Form_CtrlO();   // a sheet to open again, chosen by the user
  void Form_CtrlP();   // "Imprimer", when it can be pressed
  void Form_Escape();  // closes the panel that covers the grid
  // Files dropped onto the window, a local file's path each; an empty path for anything else.
  void Form_DragDrop(const std::vector<std::filesystem::path>& fichiers);
  void TxtDossier_KeyPress(int& KeyAscii);
  // Text that reaches the file number other than by a typed key (paste, drop, input
  // method): taken only when it is all digits; otherwise a beep and no change.
  bool TxtDossier_Accepte(const std::string& text);
  // Clicks arrive after the box has toggled; keys before anything changed.
  void ADV_Click(int Index);
  void ADV_KeyDown(int Index, int KeyCode);
  void ADV4_Click(int Index);
  void ADV4_KeyDown(int Index, int KeyCode);
  void SSCommand7_Click();
  void CmdFermer_Click();
  void BtnSupprimer_Click();
  void SSCommand4_Click();
  void SSCommand1_Click();
  void SSCommand2_Click();  // "Vérifier"
  void SSCommand3_Click();  // "Effacer"
  void LabelVD_Click(int Index);
  // F2 and the arrows on a row's caption, as on its boxes.
  void LabelVD_KeyDown(int Index, int KeyCode);
  void PanelQuestions_Click();
  void Question_Click(int Index);
  void Label8_Click(int Index);
  void SSCommand6_Click();  // "Profil"
  void Radar_Click(int Index);
  void Radar_KeyDown(int Index, int KeyCode);
  // The mouse moved over a control: tooltips of the command bar, codings of the radar.
  void Controle_MouseMove(const window::Control& control);

  // Procedures.
  void InitialiseAjout();
  void ActualiseADV();
  void TroisAdverbes();
  void AfficheBulle1();
  void CoherenceCodage();
  void AfficheQuestions();
  // Writes the evaluation sheet and opens it; a failure of the writer is raised.
  void ImprimeFiche();
  // The evaluation on screen: the identity as typed, the boxes as ticked.
  grid::Evaluation EvaluationAffichee() const;
  // Opens a sheet again: its evaluation replaces the one on screen (asking first if anything
  // is typed or ticked), and its GIR is computed. A refused file is told and changes nothing.
  void OuvreFiche(const std::filesystem::path& fichier);
  // An evaluation as the assessor would have typed and ticked it, and its GIR computed.
  void Restaure(const grid::Evaluation& evaluation);
  // Where sheets are written: the program's folder, or the documents folder when it is
  // read-only.
  std::filesystem::path DossierDesFiches() const;
  // Whether the evaluation on screen may go: at once when it was printed, reopened or begun
  // blank and has not changed since; otherwise the assessor is asked, No by default.
  bool AbandonAccepte();
  // Whether the evaluation on screen changed since it was last printed, reopened or begun.
  bool EvaluationNonImprimee() const;
  // A failure that ended a handler, told to the user; the evaluation stays as it is.
  void AfficheErreur(const std::string& message);

  // Whether a panel (coherence, profile, questions) lies over the control: the keyboard and
  // the shortcuts must not reach what cannot be seen.
  bool Couvert(const window::Control& control) const;
  // Whether one of those panels is shown.
  bool GrilleCouverte() const;

  // The keyboard's walk through the window: identity, the grid row by row from the top
  // (NE FAIT PAS, then S, T, C, H), "Calcul du GIR", then the command bar.
  std::vector<const window::Control*> OrdreTabulation() const;

 private:
  void Construit();
  void LieEvenements();
  void ConstruitBarre();
  void ConstruitIdentite();
  void ConstruitGrille();
  void ConstruitLigne(int k);
  void ConstruitVariable(int v);
  void ConstruitResultat();
  void ConstruitChampsCaches();
  void ConstruitCoherence();
  void ConstruitCodeCoherence(const layout::CodeRow& row);
  void ConstruitFleche();
  void ConstruitQuestions();
  void ConstruitProfil();
  void ConstruitRadar(int chart);
  void ConstruitLegendes();
  void ConstruitEchelle();
  void Place(window::Control& control, const std::string& name, int index,
             const window::Control* parent, int left, int top, int width, int height);
  void PlaceTexte(window::Label& label, const std::string& name, int index,
                  const window::Control* parent, const layout::Text& text);

  int RetraitSousVariable(int k, const window::Font& font) const;

  void NouvelleEvaluation();
  void ChampsDerives();
  void RetireResultats();
  void ActionAdverbe(int Index);
  void AppliqueNeFaitPas(int k, bool coche);
  void LitCoches();
  void AfficheCoches();
  void CocheLigne(int k, int value);
  int CochesDeLigne(int k) const;
  std::string OuvreAide(const std::string& fichier);
  bool EvaluationEnCours() const;
  bool RemplacementAccepte(const std::filesystem::path& fichier);

  void PrepareCase(int i, const std::string& code);
  void SansAnomalie(const coherence::Codes& cases);
  void MarqueConservees(const coherence::Codes& cases, bool exterieures);
  void MarqueDegradees(const coherence::Codes& cases, bool exterieures);
  void MarqueExterieures(const coherence::Codes& cases, const coherence::Drapeaux& drapeaux);
  void MarqueDeplacementInterieur(const coherence::Codes& cases, window::Label& avertissement);
  void MarqueFonctionsC(const coherence::Codes& cases);
  void MarqueSuspects(const std::vector<int>& slots, bool code_gras);
  void Suspect(int i);
  const window::Control* PremiereConstatation() const;

  bool ToucheDeGrille(int k, int colonne, int KeyCode);
  // The grid's cell of row k in column colonne, its caption in column -1.
  const window::Control& Cellule(int k, int colonne) const;
  void ParcourtProfil(int chart, int pas);
  void CalculeProfil();
  void TraceRadar();
  bool SurvolProfil(const window::Control& control);

  platform::Host& host_;
  std::vector<window::Control*> controls_;
  // The coding the boxes show; the identity lives in its text fields, which the front end
  // edits.
  grid::Evaluation evaluation_;
  // The evaluation as last printed, reopened or begun blank: nothing of it can be lost.
  grid::Evaluation conservee_;
};

// Centres a window in the screen's free area, never beyond its edges.
void CentreFormulaire(SaisieAggir2& form, const platform::Host& host);
