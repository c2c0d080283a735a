// The coherence check: its flags over every coding, and what the panel shows in each case.
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "calculator/coherence.h"
#include "tests/calculator/window_fixture.h"

namespace {

using coherence::Codes;

Codes Lettres(const std::string& twelve) {
  Codes cases;
  for (std::size_t i = 0; i < cases.size(); ++i) cases[i] = twelve.substr(i, 1);
  return cases;
}

// Slots: 1 Cohérence, 2 Orientation, 3 Dépl. ext., 4 Gestion, 5 Achats, 6 Suivi,
// 7 Transferts, 8 Dépl. int., 9 Toilette, 10 Elimination, 11 Habillage, 12 Alimentation.
TEST(CoherenceFlags, ExclusionsAndTheWeightRuleOverEveryCoding) {
  const char letters[] = {'A', 'B', 'C'};
  std::map<std::string, std::string> first_failure;  // rule -> coding
  int codings = 0, with_flag3 = 0;
  std::string coding(12, 'A');
  for (int n = 0; n < 531441; ++n, ++codings) {  // 3^12
    for (std::size_t i = 0, rest = static_cast<std::size_t>(n); i < 12; ++i, rest /= 3) {
      coding[i] = letters[rest % 3];
    }
    const coherence::Drapeaux d = coherence::CalculeDrapeaux(Lettres(coding));
    const std::string keys = {coding[0], coding[1], coding[6], coding[7]};
    const std::string body = coding.substr(8, 4);
    const auto c = std::count(body.begin(), body.end(), 'C');
    const auto b = std::count(body.begin(), body.end(), 'B');
    // In words: every key function A, and two C, or one C and three B, among the body.
    const bool flag3 = keys == "AAAA" && (c >= 2 || (c == 1 && b == 3));
    const std::pair<const char*, bool> rules[] = {
        {"1 and 3 together", d.conservees && d.degradees},
        {"2 and 3 together", d.exterieures && d.degradees},
        {"weight rule", d.degradees != flag3}};
    for (const auto& [rule, broken] : rules) {
      if (broken) first_failure.emplace(rule, coding);
    }
    with_flag3 += d.degradees;
  }
  EXPECT_EQ(codings, 531441);
  EXPECT_TRUE(first_failure.empty())
      << first_failure.begin()->first << " at " << first_failure.begin()->second;
  EXPECT_GT(with_flag3, 0);
}

// Boundaries of each flag, and codes that are not exactly A, B or C.
TEST(CoherenceFlags, Boundaries) {
  const struct {
    const char* what;
    Codes cases;
    bool conservees, exterieures, degradees;
  } cases[] = {
      {"one body A is not enough", Lettres("CBBBBBBBABBB"), false, false, false},
      {"two body A with a key C", Lettres("BBBBBBBCAABB"), true, false, false},
      {"four B weigh 4", Lettres("AABBBBAABBBB"), false, false, false},
      {"C and two B weigh 5", Lettres("AABBBBAACBBA"), false, false, false},
      {"C and three B weigh 6", Lettres("AABBBBAACBBB"), false, false, true},
      {"two C weigh 6", Lettres("AABBBBAACCAA"), false, false, true},
      {"Transferts C does not count for the outside", Lettres("AAAAAACAAAAA"), true, false, false},
      {"Orientation C and Suivi A", Lettres("BCBBBABBBBBB"), false, true, false},
      {"lower case matches nothing", Lettres("cBBBBBBBAAAA"), false, false, false},
      {"a blank key function is not A",
       {"A", "A", "B", "B", "B", "B", "A", "", "C", "C", "C", "C"},
       false,
       false,
       false},
      {"blanks everywhere", Codes{}, false, false, false},
  };
  for (const auto& c : cases) {
    const coherence::Drapeaux d = coherence::CalculeDrapeaux(c.cases);
    EXPECT_EQ(d.conservees, c.conservees) << c.what;
    EXPECT_EQ(d.exterieures, c.exterieures) << c.what;
    EXPECT_EQ(d.degradees, c.degradees) << c.what;
  }
}

// The slots copy their codes from TxtVD2 and TxtVI; a short string leaves blanks.
TEST(CoherenceFlags, SlotsReadTheirPositions) {
  const Codes cases = coherence::LitCases("1234567890", "abcdefg");
  EXPECT_EQ(cases, (Codes{"1", "2", "9", "a", "e", "f", "7", "8", "3", "6", "4", "5"}));
  const Codes short_strings = coherence::LitCases("12", "");
  EXPECT_EQ(short_strings[1], "2");
  EXPECT_EQ(short_strings[2], "");
  EXPECT_EQ(short_strings[3], "");
}

class CoherenceTest : public WindowTest {
 protected:
  // What the assessor sees: the texts shown, the codes, and how each code is drawn.
  struct Vue {
    std::string shown;     // the texts and panels on screen, in a fixed order
    std::string codes;     // TxtDE(1..12), "_" for a blank
    std::string styles;    // by slot: n black on white, g dark green on pale green,
                           // r dark red on pale red; upper case when bold
    std::string captions;  // by slot: B when LabelDE is bold, . otherwise
    bool operator==(const Vue&) const = default;
  };

  // Shown when it and every container up to the coherence panel are visible.
  bool OnScreen(const window::Control& control) const {
    for (const window::Control* c = &control; c != &form.PanelCoherence; c = c->Parent) {
      if (!c->Visible) return false;
    }
    return true;
  }

  static char Style(const window::Label& box) {
    char style = '?';
    if (box.BackColor == window::kWhite && box.ForeColor == window::kBlack) style = 'n';
    if (box.BackColor == window::RGB(192, 255, 192) && box.ForeColor == window::RGB(0, 64, 0)) {
      style = 'g';
    }
    if (box.BackColor == window::RGB(255, 192, 192) && box.ForeColor == window::RGB(128, 0, 0)) {
      style = 'r';
    }
    return box.font.bold ? static_cast<char>(style - 'a' + 'A') : style;
  }

  Vue Verifie(const char* vd2, const char* vi) {
    form.TxtVD2.Text = vd2;
    form.TxtVI.Text = vi;
    form.SSCommand2_Click();
    const std::pair<const window::Control*, const char*> texts[] = {
        {&form.TitreVerifie(1), "T1"}, {&form.TitreVerifie(2), "T2"},
        {&form.Label6, "6"},           {&form.Label7, "7"},
        {&form.Label9, "9"},           {&form.Label11, "11"},
        {&form.Label12, "12"},         {&form.AucuneAnomalie, "Aucune"},
        {&form.PanelAnomalies1, "P1"}, {&form.PanelAnomalies2, "P2"}};
    Vue vue;
    for (const auto& [control, name] : texts) {
      if (OnScreen(*control)) vue.shown += vue.shown.empty() ? name : std::string(" ") + name;
    }
    for (int i = 1; i <= 12; ++i) {
      const std::string& code = form.TxtDE(i).Caption();
      vue.codes += code.empty() ? "_" : code;
      vue.styles += Style(form.TxtDE(i));
      vue.captions += form.LabelDE(i).font.bold ? 'B' : '.';
    }
    return vue;
  }

  struct Case {
    const char* what;
    const char* vd2;  // Coh Ori Toi Hab Ali Eli Tra DIn DEx Ale
    const char* vi;   // Ges Cui Men Tra Ach Sui Loi
    Vue vue;
  };
  // Each flag and each text of the panel, in the order the slots are numbered.
  const std::vector<Case> cases_{
      {"all A: no anomaly",
       "AAAAAAAAAA",
       "AAAAAAA",
       {"Aucune", "AAAAAAAAAAAA", "nnGGGGnnGGGG", "............"}},
      {"no flag, but Dépl. int. A with Cohérence C",
       "CBABBBBABB",
       "BBBBBBB",
       {"11", "CBBBBBBAABBB", "nnGGGGnnGGGG", "............"}},
      {"flag 1",
       "CBABBABBBB",
       "BBBBBBB",
       {"T1 12 P1", "CBBBBBBBAABB", "NnGGGGnnRRGG", "B.......BB.."}},
      {"flag 1 with Dépl. int. A",
       "CBABBABABB",
       "BBBBBBB",
       {"T1 9 12 P1", "CBBBBBBAAABB", "NnGGGGnRRRGG", "B.......BB.."}},
      {"four B weigh 4: no flag",
       "AABBBBAAAA",
       "AAAAAAA",
       {"Aucune", "AAAAAAAABBBB", "nnGGGGnnGGGG", "............"}},
      {"flag 3: C and three B",
       "AACBBBAAAA",
       "AAAAAAA",
       {"T2 12 P1", "AAAAAAAACBBB", "RRGGGGRRNNNN", "BB....BBBBBB"}},
      {"flag 2",
       "BCBBBBBBBB",
       "ABBBBBB",
       {"6 P1 P2", "BCBABBBBBBBB", "nNGRGGnnGGGG", ".B.B........"}},
      {"flag 2 with Dépl. int. A",
       "BCBBBBBABB",
       "ABBBBBB",
       {"6 7 P1 P2", "BCBABBBABBBB", "nNGRGGnRGGGG", ".B.B........"}},
      // Label9 lies under PanelAnomalies2, which covers it.
      {"flags 1 and 2",
       "CBABBABABB",
       "ABBBBBB",
       {"T1 7 9 P1 P2", "CBBABBBAAABB", "NnGRGGnRRRGG", "B..B....BB.."}},
      {"an incomplete evaluation",
       "C",
       "",
       {"Aucune", "C___________", "nnGGGGnnGGGG", "............"}},
  };
};

// Each case after the one before it: every run starts from a clean display.
TEST_F(CoherenceTest, WhatTheAssessorSees) {
  for (const Case& c : cases_) {
    EXPECT_EQ(Verifie(c.vd2, c.vi), c.vue) << c.what;
  }
}

TEST_F(CoherenceTest, RunningAgainGivesTheSameDisplay) {
  for (auto c = cases_.rbegin(); c != cases_.rend(); ++c) {
    const Vue once = Verifie(c->vd2, c->vi);
    EXPECT_EQ(once, c->vue) << c->what;
    EXPECT_EQ(Verifie(c->vd2, c->vi), once) << c->what;
  }
}

// The check reads the evaluation and changes nothing in it.
TEST_F(CoherenceTest, ChangesNothingInTheRecord) {
  form.ADV4(101).Value = 1;
  form.ADV4_Click(101);
  form.SSCommand7_Click();
  const std::string before = form.TxtVD1.Text + form.TxtVD2.Text + form.TxtVI.Text +
                             form.TxtADV.Text + form.TxtRang.Text + form.TxtGroupe.Text;
  form.SSCommand2_Click();
  EXPECT_EQ(form.TxtVD1.Text + form.TxtVD2.Text + form.TxtVI.Text + form.TxtADV.Text +
                form.TxtRang.Text + form.TxtGroupe.Text,
            before);
  EXPECT_TRUE(form.TitreVerifie(1).Visible);
  EXPECT_EQ(form.CFIN(1).Caption(), "C");
}

// "Vérifier" shows the panel at its place over the other panels; "Effacer" closes it.
TEST_F(CoherenceTest, VerifierAndEffacer) {
  form.SSCommand7_Click();
  form.PanelProfil.Visible = true;
  form.PanelQuestions.Visible = true;
  form.PanelCoherence.Left = form.PanelCoherence.Top = 0;
  form.SSCommand2_Click();
  EXPECT_TRUE(form.PanelCoherence.Visible);
  EXPECT_EQ(form.PanelCoherence.Left, 240);
  EXPECT_EQ(form.PanelCoherence.Top, 2070);
  EXPECT_FALSE(form.PanelProfil.Visible);
  EXPECT_FALSE(form.PanelQuestions.Visible);
  EXPECT_TRUE(form.PanelCalculGIR.Visible);
  form.SSCommand3_Click();
  EXPECT_FALSE(form.PanelCoherence.Visible);
}

// Where the panel's parts stand, and how its fixed texts read.
// Each code sits in its column of its panel; the second panel covers the first one's foot.
TEST_F(CoherenceTest, Layout) {
  ExpectPlacements({
      {&form.PanelAnomalies1, &form.PanelCoherence, 150, 2580, 4845, 4020},
      {&form.PanelAnomalies2, &form.PanelAnomalies1, 0, 1680, 4845, 2355},
      {&form.TxtDE(7), &form.PanelAnomalies1, 1760, 270, 345, 315},
      {&form.TxtDE(1), &form.PanelAnomalies1, 1760, 1340, 345, 315},
      {&form.TxtDE(12), &form.PanelAnomalies1, 4380, 1340, 345, 315},
      {&form.TxtDE(3), &form.PanelAnomalies2, 4380, 120, 345, 315},
      {&form.Fleche(2), &form.PanelAnomalies2, 900, 390, 1290, 0},
  });
  EXPECT_EQ(form.LabelDE(1).Caption(), "Cohérence ");
  EXPECT_EQ(form.LabelDE(6).Top, form.TxtDE(6).Top);
  EXPECT_NE(form.Label11.Caption().find("Est-ce la réalité ?" + std::string(78, ' ') + "Le"),
            std::string::npos);
}

}  // namespace
