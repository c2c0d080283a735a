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
#include "platform/host.h"

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
  std::string HelpFile;                      // application help file, used by F1
  std::string CheminAide;                    // help file opened by the help command
  const window::Control* Focus = nullptr;    // control that holds the focus
  bool Fermee = false;                       // closed by "Quitter": the program ends

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

  // Overlay panels of the other commands.
  window::Panel PanelQuestions, PanelProfil, PanelCoherence;

  // Coding state.
  std::int16_t MajEnCours = 0;
  std::int16_t DernierADV = 0;

  // Events. Only the front end calls them, for the user's own actions: a value the logic
  // sets never runs one.
  void Form_Load();
  void Form_Activate();
  void Form_MouseMove();
  void Form_F1();
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
  // The mouse moved over a control: tooltips of the command bar.
  void Controle_MouseMove(const window::Control& control);

  // Procedures.
  void InitialiseAjout();
  void ChangeAutonomie2();
  void ChangeIllustratives2();
  void ActualiseADV();
  void TroisAdverbes();
  void ChangeAdverbes();
  void AfficheBulle1();
  // Writes the evaluation sheet and opens it; a failure of the writer is raised.
  void ImprimeFiche();
  // Where sheets are written: the program's folder, or the documents folder when it is
  // read-only.
  std::filesystem::path DossierDesFiches() const;
  // A failure that ended a handler, told to the user; the evaluation stays as it is.
  void AfficheErreur(const std::string& message);

  // The keyboard's walk through the window: identity, the grid row by row from the top
  // (NE FAIT PAS, then S, T, C, H), "Calcul du GIR", then the command bar.
  std::vector<const window::Control*> OrdreTabulation() const;

 private:
  void Construit();
  void ConstruitBarre();
  void ConstruitIdentite();
  void ConstruitGrille();
  void ConstruitLigne(int k);
  void ConstruitVariable(int v);
  void ConstruitResultat();
  void ConstruitChampsCaches();
  void Place(window::Control& control, const std::string& name, int index,
             const window::Control* parent, int left, int top, int width, int height);

  int RetraitSousVariable(int k, const window::Font& font) const;

  void ChampsDerives();
  void RetireResultats();
  void ActionAdverbe(int Index);
  void AppliqueNeFaitPas(int k, bool coche);
  void CocheLigne(int k, int value);
  int CochesDeLigne(int k) const;
  std::string OuvreAide(const std::string& fichier);

  platform::Host& host_;
  std::vector<window::Control*> controls_;
};

// Centres a window on the screen; a window larger than the screen gets negative Left/Top.
void CentreFormulaire(SaisieAggir2& form, const platform::Host& host);
