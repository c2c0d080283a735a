// The command bar: a new evaluation, quitting, help, and the tooltip.
#include <filesystem>

#include "tests/calculator/window_fixture.h"

namespace {

using CommandsTest = WindowTest;

TEST_F(CommandsTest, SaisirStartsABlankEvaluationAndClosesEveryPanel) {
  form.TxtNom.Text = "Martin";
  form.ADV4(114).Value = 1;
  form.ADV4_Click(114);
  form.SSCommand7_Click();
  for (window::Panel* panel :
       {&form.PanelProfil, &form.PanelCoherence, &form.PanelCalculGIR, &form.PanelQuestions}) {
    panel->Visible = true;
  }
  form.Focus = nullptr;
  form.BtnSupprimer_Click();
  for (const window::Panel* panel :
       {&form.PanelProfil, &form.PanelCoherence, &form.PanelCalculGIR, &form.PanelQuestions}) {
    EXPECT_FALSE(panel->Visible) << panel->Name;
  }
  EXPECT_FALSE(form.SSCommand1.Enabled);
  EXPECT_FALSE(form.SSCommand2.Enabled);
  EXPECT_EQ(form.TxtNom.Text, "");
  EXPECT_EQ(form.ADV4(114).Value, 0);
  EXPECT_EQ(form.TxtADV.Text, std::string(96, '0'));
  EXPECT_EQ(form.CFIN(7).Caption(), "A");
  EXPECT_EQ(form.Focus, &form.TxtNom);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(CommandsTest, QuitterClosesTheWindowWithoutAQuestion) {
  EXPECT_FALSE(form.Fermee);
  form.CmdFermer_Click();
  EXPECT_TRUE(form.Fermee);
  EXPECT_TRUE(host.messages.empty());
}

// The button and F1 hand the viewer the path unquoted, whatever the folder holds.
TEST_F(CommandsTest, HelpCommandLine) {
  const std::filesystem::path folders[] = {"/opt/aggir/bin", "/home/anne/Mes programmes/aggir"};
  for (const auto& folder : folders) {
    host.program_folder = folder;
    host.started.clear();
    form.SSCommand4_Click();
    form.Form_F1();
    const std::string button_path = (folder / "GUIDE SORVANE.HLP").string();
    ASSERT_EQ(host.started.size(), 2u);
    EXPECT_EQ(host.started[0], "winhlp32.exe " + button_path);
    EXPECT_EQ(host.started[1], "winhlp32.exe " + (folder / "Guide SORVANE.HLP").string());
    EXPECT_EQ(form.CheminAide, button_path);
  }
}

// The tooltip follows the mouse over the buttons and goes when the mouse reaches the bar,
// the tooltip, the window or a frame; "Aide = F1" leaves the last tooltip up.
TEST_F(CommandsTest, TooltipFollowsTheMouse) {
  struct Move {
    const window::Control* over;  // null: the window itself
    bool shown;
    const char* text;
  };
  const Move moves[] = {
      {&form.BtnSupprimer, true, "Saisir une nouvelle évaluation"},
      {&form.CmdFermer, true, "Quitter et fermer la calculette AGGIR"},
      {&form.SSCommand4, true, "Quitter et fermer la calculette AGGIR"},
      {&form.Panel3D11, false, ""},
      {&form.SSCommand2, true, "Contrôler la vraisemeblance du codage"},
      {&form.Bulle, false, ""},
      {&form.SSCommand1, true, "Imprimer une fiche de l'évaluation en cours"},
      {&form.Frame1, false, ""},
      {&form.SSCommand6, true, "Afficher le profil d'autonomie en cours"},
      {&form.TxtNom, true, "Afficher le profil d'autonomie en cours"},
      {&form.Panel2, false, ""},
      {&form.SSCommand6, true, "Afficher le profil d'autonomie en cours"},
      {nullptr, false, ""},
      {&form.SSCommand4, false, ""},
  };
  for (const Move& m : moves) {
    if (m.over) {
      form.Controle_MouseMove(*m.over);
    } else {
      form.Form_MouseMove();
    }
    SCOPED_TRACE(m.over ? m.over->Name : "window");
    EXPECT_EQ(form.Bulle.Visible, m.shown);
    if (m.shown) {
      EXPECT_EQ(form.Bulle.Caption, m.text);
    }
  }
}

TEST_F(CommandsTest, AfficheBulle1PlacesTheTooltipWithoutTouchingItsText) {
  form.Bulle.Caption = "texte";
  form.Bulle.Left = form.Bulle.Top = 0;
  form.AfficheBulle1();
  EXPECT_EQ(form.Bulle.Left, 6000);
  EXPECT_EQ(form.Bulle.Top, 480);
  EXPECT_TRUE(form.Bulle.Visible);
  EXPECT_EQ(form.Bulle.Caption, "texte");
}

TEST_F(CommandsTest, ErrorsAreToldInACriticalBox) {
  form.AfficheErreur("Le dossier « /x » ne peut pas être écrit.");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Le dossier « /x » ne peut pas être écrit.");
  EXPECT_EQ(host.messages[0].title, "Modèle SORVANE");
  EXPECT_EQ(host.messages[0].icon, platform::MessageIcon::Critical);
  EXPECT_EQ(host.messages[0].buttons, platform::MessageButtons::Ok);
}

}  // namespace
