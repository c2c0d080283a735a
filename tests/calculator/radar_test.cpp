// The profile: radii and codings from the ticks, the codings shown on hover, and what opens
// and closes the panel. The charts drawn for the example evaluation are in golden/window.txt.
#include <functional>
#include <string>
#include <vector>

#include "tests/calculator/window_fixture.h"

namespace {

class RadarTest : public WindowTest {
 protected:
  void Tick(int box) {
    form.ADV(box).Value = 1;
    form.ADV_Click(box);
  }
  void NeFaitPas(int k) {
    form.ADV4(100 + k).Value = 1;
    form.ADV4_Click(100 + k);
  }
  void Profil() {
    form.PanelProfil.Visible = false;
    form.SSCommand6_Click();
  }
};

// Each adverb ticked adds its digit, S 1 to H 4, and a quarter of the radius.
TEST_F(RadarTest, RowCodings) {
  const struct {
    std::vector<int> ticks;
    std::size_t row;
    int radius;
    const char* coding;
  } cases[] = {{{53, 55}, 14, 50, "B 13"}, {{72}, 18, 25, "B 4"}, {{2, 3, 4}, 1, 75, "B 234"}};
  for (const auto& c : cases) {
    form.InitialiseAjout();
    for (int box : c.ticks) Tick(box);
    Profil();
    EXPECT_EQ(form.RayonProfil[c.row - 1], c.radius) << c.coding;
    EXPECT_EQ(form.CodageProfil[c.row - 1], c.coding);
  }
  // A B row without a "1" among its adverb characters, or without them: at the centre.
  for (const std::string& adverbs : {std::string(96, '0'), std::string()}) {
    form.InitialiseAjout();
    form.TxtVD1.Text[13] = 'B';
    form.TxtADV.Text = adverbs;
    Profil();
    EXPECT_EQ(form.RayonProfil[13], 0) << adverbs.size();
    EXPECT_EQ(form.CodageProfil[13], "B ");
  }
}

// A code other than A, B or C leaves its row as the last showing left it.
TEST_F(RadarTest, AnOddCodeKeepsTheLastValues) {
  NeFaitPas(14);
  NeFaitPas(15);
  Profil();
  for (const char* odd : {"x", ""}) {
    form.TxtVD1.Text = std::string("AAAAAAAAAAAAA") + odd;
    Profil();
    EXPECT_EQ(form.RayonProfil[13], 100) << odd;
    EXPECT_EQ(form.CodageProfil[13], "C") << odd;
    EXPECT_EQ(form.RayonProfil[14], 100) << "a missing code";
  }
}

// The button toggles: a second click hides the panel without drawing again.
TEST_F(RadarTest, SecondClickHidesWithoutDrawing) {
  form.SSCommand6_Click();
  const auto revisions = std::pair{form.Radar(1).Revision(), form.Radar(2).Revision()};
  form.SSCommand6_Click();
  EXPECT_FALSE(form.PanelProfil.Visible);
  EXPECT_EQ(std::pair(form.Radar(1).Revision(), form.Radar(2).Revision()), revisions);
  form.SSCommand6_Click();
  EXPECT_TRUE(form.PanelProfil.Visible);
  EXPECT_FALSE(form.Radar(1).Picture().empty());
}

// "Profil" closes the questions and the coherence panel, whether it opens or closes.
TEST_F(RadarTest, ProfilClosesTheOtherPanels) {
  for (bool shown : {false, true}) {
    form.PanelProfil.Visible = shown;
    form.PanelQuestions.Visible = form.PanelCoherence.Visible = true;
    form.SSCommand6_Click();
    EXPECT_FALSE(form.PanelQuestions.Visible);
    EXPECT_FALSE(form.PanelCoherence.Visible);
    EXPECT_EQ(form.PanelProfil.Visible, !shown);
  }
}

// The mouse over a number shows its row's coding under that row's chart.
TEST_F(RadarTest, HoverShowsTheCodingInClear) {
  Tick(53);
  Tick(55);
  Tick(80);
  Profil();
  const struct {
    const window::Control* over;
    const char* label4;
    const char* label5;
  } moves[] = {
      {&form.Label3(14), "B 13", ""}, {&form.Label3(20), "", "B 4"}, {&form.Label3(1), "A", ""},
      {&form.PanelProfil, "", ""},    {&form.Label3(24), "", "A"},   {&form.PanelProfil, "", "A"},
      {&form.Radar(1), "", "A"},      {&form.Label3(2), "A", ""},    {&form.Radar(2), "A", ""},
      {&form.Radar(1), "", ""},
  };
  for (const auto& m : moves) {
    form.Controle_MouseMove(*m.over);
    EXPECT_EQ(form.Label4.Caption(), m.label4) << m.over->Name << m.over->Index;
    EXPECT_EQ(form.Label5.Caption(), m.label5) << m.over->Name << m.over->Index;
  }
}

// A click on either chart closes the panel, and so does Enter on the first.
TEST_F(RadarTest, ClosingThePanel) {
  const struct {
    const char* what;
    std::function<void()> action;
    bool closes;
  } cases[] = {
      {"click chart 1", [this] { form.Radar_Click(1); }, true},
      {"click chart 2", [this] { form.Radar_Click(2); }, true},
      {"Enter on chart 1", [this] { form.Radar_KeyDown(1, 13); }, true},
      {"another key on chart 1", [this] { form.Radar_KeyDown(1, 'A'); }, false},
      {"Enter on chart 2", [this] { form.Radar_KeyDown(2, 13); }, false},
      {"a tick", [this] { Tick(1); }, true},
  };
  for (const auto& c : cases) {
    Profil();
    c.action();
    EXPECT_EQ(form.PanelProfil.Visible, !c.closes) << c.what;
  }
}

}  // namespace
