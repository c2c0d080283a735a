// The questions panel: which texts a row caption opens, where, and what closes it.
#include <functional>
#include <string>

#include "tests/calculator/window_fixture.h"

namespace {

class QuestionsTest : public WindowTest {
 protected:
  // The heading and the four questions on show, one line each.
  std::string Texts() const {
    std::string texts;
    for (int i = 0; i <= 4; ++i) texts += form.Question(i).Caption() + "\n";
    return texts;
  }
};

// A caption opens its own row's questions, above the lower rows and below the upper ones.
TEST_F(QuestionsTest, ACaptionOpensItsQuestions) {
  const struct {
    int index;
    const char* heading;
    const char* question_c;
    int top;
  } cases[] = {
      {12, "LA PERSONNE FAIT SEULE SES TRANSFERTS",
       "sans se mettre en danger et en utilisant éventuellement les aides techniques adaptées ?",
       6990},
      {16, "LA PERSONNE ASSUME SEULE LA GESTION", "à bon escient ?", 4320},
      {0, "LA PERSONNE S'ORIENTE DANS L'ESPACE", "sans erreurs flagrantes ?", 4320},
      {1, "LA PERSONNE COMMUNIQUE",
       "de façon compréhensible, logique et sensée, confome aux usages admis et acceptés, sans "
       "exigence outre mesure ?",
       4320},
      {9, "LA PERSONNE MANGE SEULE", "proprement dans le respect des autres, sans fausses routes ?",
       6990},
      {21, "LA PERSONNE ASSUME SEULE LE SUIVI DE SON TRAITEMENT",
       "en suivant la prescription à la lettre, en respectant les doses et le rythme des prises ?",
       6990},
      {22, "LA PERSONNE PRATIQUE VOLONTAIREMENT DES ACTIVIT2S DU TEMPS LIBRE",
       "de manière adaptée à ses désirs et à son état ?", 4320},
      {23, "LA PERSONNE SE COMPORTE \"NORMALEMENT\"",
       "confomément aux convenances et usages admis et acceptés en référence aux normes sociales "
       "et sans exigence outre mesure ?",
       4320},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.heading);
    form.PanelQuestions.Left = 0;
    form.LabelVD_Click(c.index);
    EXPECT_TRUE(form.PanelQuestions.Visible);
    EXPECT_EQ(form.PanelQuestions.Left, 240);
    EXPECT_EQ(form.PanelQuestions.Top, c.top);
    EXPECT_EQ(form.Question(0).Caption(), c.heading);
    EXPECT_EQ(form.Question(3).Caption(), c.question_c);
    form.LabelVD_Click(c.index);
    EXPECT_FALSE(form.PanelQuestions.Visible);
  }
}

// The wash, dressing and elimination rows share one entry; neighbours do not.
TEST_F(QuestionsTest, SubVariablesShareTheirVariablesQuestions) {
  const std::vector<std::vector<int>> groups = {{3, 4}, {5, 6, 7}, {10, 11}, {8}, {9}, {2}};
  std::vector<std::string> seen;
  for (const auto& group : groups) {
    std::string first;
    for (int index : group) {
      form.LabelVD_Click(index);
      const std::string texts = Texts();
      form.PanelQuestions_Click();
      if (first.empty()) first = texts;
      EXPECT_EQ(texts, first) << index;
    }
    for (const std::string& other : seen) EXPECT_NE(first, other) << group.front();
    seen.push_back(first);
  }
  form.LabelVD_Click(4);
  EXPECT_EQ(form.Question(0).Caption(), "LA PERSONNE FAIT SEULE SA TOILETTE (DU HAUT OU DU BAS)");
}

// Every row has a heading and four questions, and its panel never covers the caption clicked.
TEST_F(QuestionsTest, EveryRowHasItsQuestionsClearOfItsCaption) {
  for (int index = 0; index <= 23; ++index) {
    SCOPED_TRACE(index);
    form.LabelVD_Click(index);
    EXPECT_EQ(form.Question(0).Caption().rfind("LA PERSONNE ", 0), 0u);
    for (int j = 1; j <= 4; ++j) EXPECT_EQ(form.Question(j).Caption().back(), '?');
    const window::Label& caption = form.LabelVD(index);
    const int top = form.Panel2.Top + caption.Top, bottom = top + caption.Height;
    const window::Panel& panel = form.PanelQuestions;
    EXPECT_TRUE(bottom <= panel.Top || top >= panel.Top + panel.Height)
        << top << " under a panel at " << panel.Top;
    form.LabelVD_Click(index);
  }
}

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

// A stored index outside the captions shows the panel as it was.
TEST_F(QuestionsTest, AnUnknownRowKeepsTheLastTexts) {
  form.LabelVD_Click(12);
  form.PanelQuestions_Click();
  form.LigneQuestions = 30;
  form.AfficheQuestions();
  EXPECT_TRUE(form.PanelQuestions.Visible);
  EXPECT_EQ(form.PanelQuestions.Top, 6990);
  EXPECT_EQ(form.Question(0).Caption(), "LA PERSONNE FAIT SEULE SES TRANSFERTS");
}

TEST_F(QuestionsTest, Layout) {
  ExpectPlacements({
      {&form.Question(0), &form.PanelQuestions, 180, 150, 9000, 315},
      {&form.Label8(1), &form.PanelQuestions, 180, 480, 225, 285},
      {&form.Label8(4), &form.PanelQuestions, 180, 1380, 225, 285},
      {&form.Question(4), &form.PanelQuestions, 450, 1380, 9105, 345},
  });
  EXPECT_EQ(form.PanelQuestions.BackColor, window::RGB(255, 255, 128));
  EXPECT_EQ(form.PanelQuestions.Width, 9705);
}

}  // namespace
