#include "tests/calculator/window_fixture.h"

namespace {

using GirCommandTest = WindowTest;

TEST_F(GirCommandTest, BlankEvaluationGivesGir6AndShowsTheResult) {
  form.PanelQuestions.Visible = true;
  form.SSCommand7_Click();
  EXPECT_EQ(form.TxtGroupe.Text, "6");
  EXPECT_EQ(form.TxtRang.Text, "13");
  EXPECT_TRUE(form.PanelCalculGIR.Visible);
  EXPECT_FALSE(form.PanelQuestions.Visible);
  EXPECT_TRUE(form.SSCommand1.Enabled);
  EXPECT_TRUE(form.SSCommand2.Enabled);
}

// The command reads the discriminant codes as the derived fields left them.
TEST_F(GirCommandTest, FollowsTheRowCodes) {
  struct Case {
    std::initializer_list<std::pair<int, const char*>> rows;
    const char* rang;
    const char* gir;
  };
  const Case cases[] = {
      {{{1, "C"}, {3, "C"}}, "4", "2"},  // Cohérence and Orientation C
      {{{14, "B"}}, "12", "5"},          // Transferts B
      {{{5, "C"}, {6, "C"}, {7, "C"}, {8, "C"}, {9, "C"}, {10, "B"}, {11, "C"}, {12, "C"}},
       "7",
       "2"},                                           // Toilette to Elimination C: group 4
      {{{16, "C"}, {17, "C"}, {18, "C"}}, "13", "6"},  // Déplacements extérieurs, Alerter, Gestion
  };
  for (const Case& c : cases) {
    form.InitialiseAjout();
    for (auto [k, code] : c.rows) form.CmdVD(k).SetCaption(code);
    form.SSCommand7_Click();
    EXPECT_EQ(form.TxtRang.Text, c.rang) << form.TxtVD2.Text;
    EXPECT_EQ(form.TxtGroupe.Text, c.gir) << form.TxtVD2.Text;
  }
}

}  // namespace
