// The questions panel: what opens and closes it. The texts and place of each row's questions
// are in golden/window.txt.
#include <functional>

#include "tests/calculator/window_fixture.h"

namespace {

using QuestionsTest = WindowTest;

// With the panel open, a click on another caption only closes it: switching takes two clicks.
TEST_F(QuestionsTest, SwitchingRowsTakesTwoClicks) {
  form.LabelVD_Click(12);
  form.LabelVD_Click(16);
  EXPECT_FALSE(form.PanelQuestions.Visible);
  EXPECT_EQ(form.Question(0).Caption(), "LA PERSONNE FAIT SEULE SES TRANSFERTS");
  form.LabelVD_Click(16);
  EXPECT_TRUE(form.PanelQuestions.Visible);
  EXPECT_EQ(form.Question(0).Caption(), "LA PERSONNE ASSUME SEULE LA GESTION");
  EXPECT_EQ(form.PanelQuestions.Top, 4320);
}

// The panel, its heading, its questions and its letters each close it.
TEST_F(QuestionsTest, EveryPartOfThePanelClosesIt) {
  std::vector<std::function<void()>> clicks = {[this] { form.PanelQuestions_Click(); }};
  for (int i = 0; i <= 4; ++i) clicks.push_back([this, i] { form.Question_Click(i); });
  for (int i = 1; i <= 4; ++i) clicks.push_back([this, i] { form.Label8_Click(i); });
  for (const auto& click : clicks) {
    form.LabelVD_Click(13);
    ASSERT_TRUE(form.PanelQuestions.Visible);
    click();
    EXPECT_FALSE(form.PanelQuestions.Visible);
  }
  EXPECT_EQ(form.Label8(4).Caption(), "H");
}

// The commands that open another panel or start again close the questions; a tick does not.
TEST_F(QuestionsTest, CommandsThatCloseThePanel) {
  const struct {
    const char* what;
    std::function<void()> action;
    bool stays_open;
  } cases[] = {
      {"Calcul du GIR", [this] { form.SSCommand7_Click(); }, false},
      {"Vérifier", [this] { form.SSCommand2_Click(); }, false},
      {"Profil", [this] { form.SSCommand6_Click(); }, false},
      {"Saisir", [this] { form.BtnSupprimer_Click(); }, false},
      {"a tick",
       [this] {
         form.ADV(53).Value = 1;
         form.ADV_Click(53);
       },
       true},
  };
  for (const auto& c : cases) {
    form.PanelProfil.Visible = false;
    form.LabelVD_Click(12);
    c.action();
    EXPECT_EQ(form.PanelQuestions.Visible, c.stays_open) << c.what;
  }
}

// "dans l'espace" stays dead from "Vérifier" to "Effacer", whatever hides the panel between.
TEST_F(QuestionsTest, DansLEspaceIsDeadUntilEffacer) {
  form.SSCommand7_Click();
  form.SSCommand2_Click();
  EXPECT_FALSE(form.LabelVD(0).Enabled);
  form.ADV(1).Value = 1;
  form.ADV_Click(1);
  EXPECT_FALSE(form.PanelCoherence.Visible);
  form.BtnSupprimer_Click();
  EXPECT_FALSE(form.LabelVD(0).Enabled);
  form.SSCommand7_Click();
  form.SSCommand2_Click();
  form.SSCommand3_Click();
  EXPECT_TRUE(form.LabelVD(0).Enabled);
  EXPECT_TRUE(form.LabelVD(2).Enabled);
}

// A stored index outside the captions shows the panel, at its Left, with the last texts.
TEST_F(QuestionsTest, AnUnknownRowKeepsTheLastTexts) {
  form.LabelVD_Click(12);
  form.PanelQuestions_Click();
  form.LigneQuestions = 30;
  form.PanelQuestions.Left = 0;
  form.AfficheQuestions();
  EXPECT_TRUE(form.PanelQuestions.Visible);
  EXPECT_EQ(form.PanelQuestions.Left, 240);
  EXPECT_EQ(form.PanelQuestions.Top, 6990);
  EXPECT_EQ(form.Question(0).Caption(), "LA PERSONNE FAIT SEULE SES TRANSFERTS");
}

}  // namespace
