// Coding by ticks: what the user's clicks and keys on the boxes do to the record, the
// three-adverb question, and the results withdrawn by every change.
#include <algorithm>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "tests/calculator/window_fixture.h"
#include "tests/support/by_name.h"

namespace {

using platform::MessageAnswer;

constexpr int kEntree = 13;

// One user action on a box, as the front end delivers it.
enum class Geste { ClicAdverbe, EntreeAdverbe, AutreToucheAdverbe, ClicNeFaitPas, EntreeNeFaitPas };

struct Action {
  Geste geste;
  int index;  // ADV index, or row k for the NE FAIT PAS box
};

// A click reaches the handler after the box has toggled, as in the toolkit.
void Joue(SaisieAggir2& form, const Action& a) {
  switch (a.geste) {
    case Geste::ClicAdverbe:
      form.ADV(a.index).Value = form.ADV(a.index).Value == 1 ? 0 : 1;
      form.ADV_Click(a.index);
      break;
    case Geste::EntreeAdverbe: form.ADV_KeyDown(a.index, kEntree); break;
    case Geste::AutreToucheAdverbe: form.ADV_KeyDown(a.index, 'A'); break;
    case Geste::ClicNeFaitPas:
      form.ADV4(100 + a.index).Value = form.ADV4(100 + a.index).Value == 1 ? 0 : 1;
      form.ADV4_Click(100 + a.index);
      break;
    case Geste::EntreeNeFaitPas: form.ADV4_KeyDown(100 + a.index, kEntree); break;
  }
}

// The four ticks of row k as "0"/"1", S to H.
std::string Coches(const SaisieAggir2& form, int k) {
  std::string ticks;
  for (int j = 1; j <= 4; ++j) ticks += form.ADV(4 * (k - 1) + j).Value == 1 ? '1' : '0';
  return ticks;
}

using AdverbsTest = WindowTest;

constexpr const char* kQuestion =
    "Vous avez coché TROIS ADVERBES\r\npour cette variable... \r\n \r\n"
    "Confirmez-vous qu'il ne s'agit pas d'une situation    \r\n"
    "où il faut tout faire à la place, tout \"faire faire\"\r\n"
    "ou tout refaire à chaque fois ?\r\n \r\n";

// Sequences of user actions on one row, written "c53 e9 k9 n18 N6": click, Enter or another
// key on an adverb box, click or Enter on the NE FAIT PAS box of a row; then the answers
// given to the question (Y, N), and the ticks, code and number of questions they leave.
struct Sequence {
  const char* name;
  const char* actions;
  const char* answers;
  int k;
  const char* ticks;
  const char* code;
  int questions;
};

void JoueTout(SaisieAggir2& form, const std::string& actions) {
  std::istringstream in(actions);
  char geste;
  int index;
  while (in >> geste >> index) {
    const Geste g = geste == 'c'   ? Geste::ClicAdverbe
                    : geste == 'e' ? Geste::EntreeAdverbe
                    : geste == 'k' ? Geste::AutreToucheAdverbe
                    : geste == 'n' ? Geste::ClicNeFaitPas
                                   : Geste::EntreeNeFaitPas;
    Joue(form, {g, index});
  }
}

class EventSequenceTest : public WindowTest, public ::testing::WithParamInterface<Sequence> {};

TEST_P(EventSequenceTest, LeavesItsRow) {
  const Sequence& c = GetParam();
  for (const char* answer = c.answers; *answer; ++answer) {
    host.answers.push_back(*answer == 'Y' ? MessageAnswer::Yes : MessageAnswer::No);
  }
  JoueTout(form, c.actions);
  EXPECT_EQ(Coches(form, c.k), c.ticks);
  EXPECT_EQ(form.CmdVD(c.k).Caption(), c.code);
  EXPECT_EQ(form.ADV4(100 + c.k).Value, std::string(c.ticks) == "1111" ? 1 : 0);
  EXPECT_EQ(form.TxtADV.Text.substr(static_cast<std::size_t>(4 * (c.k - 1)), 4), c.ticks);
  ASSERT_EQ(static_cast<int>(host.messages.size()), c.questions);
  EXPECT_EQ(host.beeps, c.questions);
  for (const auto& m : host.messages) {
    EXPECT_EQ(m.text, kQuestion);
    EXPECT_EQ(m.title, "Attention...");
    EXPECT_EQ(m.icon, platform::MessageIcon::Critical);
    EXPECT_EQ(m.buttons, platform::MessageButtons::YesNo);
  }
}

constexpr Sequence kSequences[] = {
    {"OneTick", "c53", "", 14, "1000", "B", 0},
    {"ThreeTicksYes", "c53 c54 c55", "Y", 14, "1110", "B", 1},
    {"ThreeTicksNo", "c53 c54 c55", "N", 14, "0000", "A", 1},
    {"FourTicksAskOnceAtTheThird", "c1 c2 c3 c4", "Y", 1, "1111", "C", 1},
    {"UntickOneOfFour", "n5 c19", "Y", 5, "1101", "B", 1},
    {"UntickOneOfFourNo", "n5 c19", "N", 5, "0000", "A", 1},
    {"EnterTicksAndAsksOnce", "e9 e10 e12", "Y", 3, "1101", "B", 1},
    {"EnterUnticks", "c9 e9", "", 3, "0000", "A", 0},
    {"OtherKeysChangeNothing", "k9", "", 3, "0000", "A", 0},
    {"NeFaitPasOn", "n18", "", 18, "1111", "C", 0},
    {"NeFaitPasOnTwoTicked", "c69 c71 n18", "", 18, "1111", "C", 0},
    {"NeFaitPasOff", "n18 n18", "", 18, "0000", "A", 0},
    {"NeFaitPasEnterOnOneTicked", "c24 N6", "", 6, "1111", "C", 0},
    {"NeFaitPasEnterOff", "N6 N6", "", 6, "0000", "A", 0},
    {"FourthTickByEnter", "c93 c94 e95 e96", "Y", 24, "1111", "C", 1},
};
INSTANTIATE_TEST_SUITE_P(Adverbs, EventSequenceTest, ::testing::ValuesIn(kSequences), ByName());

// Ticking S of Transferts reaches the variable and the code string; a result on show is
// withdrawn and "Imprimer" and "Vérifier" wait for a new computation.
TEST_F(AdverbsTest, AChangeWithdrawsTheResults) {
  const Action actions[] = {{Geste::ClicAdverbe, 53},
                            {Geste::EntreeAdverbe, 53},
                            {Geste::ClicNeFaitPas, 14},
                            {Geste::EntreeNeFaitPas, 14}};
  for (const Action& a : actions) {
    form.SSCommand7_Click();
    const std::string gir = form.TxtGroupe.Text;
    form.PanelProfil.Visible = form.PanelCoherence.Visible = form.PanelQuestions.Visible = true;
    Joue(form, a);
    EXPECT_FALSE(form.PanelCalculGIR.Visible);
    EXPECT_FALSE(form.PanelProfil.Visible);
    EXPECT_FALSE(form.PanelCoherence.Visible);
    EXPECT_TRUE(form.PanelQuestions.Visible);  // the questions stay open
    EXPECT_FALSE(form.SSCommand1.Enabled);
    EXPECT_FALSE(form.SSCommand2.Enabled);
    EXPECT_EQ(form.TxtGroupe.Text, gir);  // kept, only hidden
  }
  form.InitialiseAjout();
  Joue(form, {Geste::ClicAdverbe, 53});
  EXPECT_EQ(form.CFIN(7).Caption(), "B");
  EXPECT_EQ(form.TxtVD2.Text, "AAAAAABAAA");
  EXPECT_EQ(form.TxtADV.Text[52], '1');
}

// Gestion coded C changes the illustrative codes only: the rang cannot move.
TEST_F(AdverbsTest, GestionLeavesTheDiscriminantCodes) {
  Joue(form, {Geste::ClicNeFaitPas, 18});
  EXPECT_EQ(form.CFIN(11).Caption(), "C");
  EXPECT_EQ(form.TxtVI.Text, "CAAAAAA");
  EXPECT_EQ(form.TxtVD2.Text, std::string(10, 'A'));
}

// A key other than Enter is the check box's own business: nothing is withdrawn.
TEST_F(AdverbsTest, OtherKeysWithdrawNothing) {
  form.SSCommand7_Click();
  form.ADV_KeyDown(53, ' ');
  form.ADV4_KeyDown(114, 'X');
  EXPECT_TRUE(form.PanelCalculGIR.Visible);
  EXPECT_TRUE(form.SSCommand1.Enabled);
  EXPECT_EQ(form.TxtADV.Text, std::string(96, '0'));
}

// While a NE FAIT PAS box is applied, box clicks do no coding of their own.
TEST_F(AdverbsTest, ClicksDuringANeFaitPasActionOnlyWithdraw) {
  form.SSCommand7_Click();
  form.MajEnCours = 1;
  form.ADV(1).Value = 1;
  form.ADV_Click(1);
  EXPECT_FALSE(form.PanelCalculGIR.Visible);
  EXPECT_EQ(form.CmdVD(1).Caption(), "A");
  EXPECT_EQ(form.DernierADV, 0);
}

// The boxes follow TxtADV: anything but "0" ticks, a missing character too.
TEST_F(AdverbsTest, ChangeAdverbesSetsTheBoxesFromTheCodeString) {
  form.TxtADV.Text = "1010" + std::string(4, '2') + std::string(80, '0') + "0001";
  form.ChangeAdverbes();
  EXPECT_EQ(Coches(form, 1), "1010");
  EXPECT_EQ(Coches(form, 2), "1111");
  EXPECT_EQ(form.ADV4(102).Value, 1);
  EXPECT_EQ(Coches(form, 23), "0001");
  EXPECT_EQ(Coches(form, 24), "1111");  // past the end of the string
  EXPECT_EQ(form.CFIN(1).Caption(), "C");
  EXPECT_EQ(form.TxtVD1.Text.substr(0, 2), "BC");
  EXPECT_TRUE(host.messages.empty());
}

// A variable's code from its rows' codes, by table (codes_test.cpp pins each rule): variables 1
// to 6 from the pair of their rows (AA AB AC BA BB BC CA CB CC), Habillage from its three,
// the others from their one row.
char VariableCode(int v, const std::string& rows) {
  constexpr std::pair<std::size_t, const char*> kPairs[] = {
      {0, ""}, {0, "ABCBBCCCC"}, {2, "ABCBBCCCC"}, {4, "ABBBBBBBC"},
      {6, ""}, {9, "ABBBBCBCC"}, {11, "ABCBBCCCC"}};
  if (v > 6) return rows[static_cast<std::size_t>(v + 6)];
  const auto [first, pairs] = kPairs[v];
  if (v == 4) {
    const std::string three = rows.substr(first, 3);
    return three == "AAA" ? 'A' : three == "CCC" ? 'C' : 'B';
  }
  return pairs[3 * static_cast<std::size_t>(rows[first] - 'A') +
               static_cast<std::size_t>(rows[first + 1] - 'A')];
}

// Any sequence of user actions keeps the record consistent with its ticks, asks the question
// exactly when an action leaves three ticks on an adverb's row, and never offers to print or
// check a GIR that was not computed from the ticks on screen.
class RandomCodingTest : public WindowTest {
 protected:
  // What the next step does: a box action, an answer for a possible question, or a command.
  void Step(std::mt19937& random) {
    std::uniform_int_distribution<int> kind(0, 9), adverb(1, 96), row(1, 24);
    const MessageAnswer answer =
        std::bernoulli_distribution(0.5)(random) ? MessageAnswer::Yes : MessageAnswer::No;
    host.answers = {answer};
    const std::size_t asked = host.messages.size();
    switch (kind(random)) {
      case 0:
        form.SSCommand7_Click();
        computed_from_ = form.TxtADV.Text;
        computed_group_ = form.TxtGroupe.Text;
        return CheckRecord();
      case 1: form.BtnSupprimer_Click(); return CheckRecord();
      case 2:
      case 3: return ActOnRow({Geste::ClicNeFaitPas, row(random)}, asked);
      case 4: return ActOnRow({Geste::EntreeNeFaitPas, row(random)}, asked);
      case 5: return ActOnAdverb({Geste::EntreeAdverbe, adverb(random)}, answer, asked);
      default: return ActOnAdverb({Geste::ClicAdverbe, adverb(random)}, answer, asked);
    }
  }

  // NE FAIT PAS never asks.
  void ActOnRow(const Action& a, std::size_t asked) {
    Joue(form, a);
    EXPECT_EQ(host.messages.size(), asked);
    CheckRecord();
  }

  void ActOnAdverb(const Action& a, MessageAnswer answer, std::size_t asked) {
    const int k = (a.index - 1) / 4 + 1;
    std::string before = Coches(form, k);
    char& tick = before[static_cast<std::size_t>((a.index - 1) % 4)];
    tick = tick == '1' ? '0' : '1';
    const bool three = std::count(before.begin(), before.end(), '1') == 3;
    Joue(form, a);
    EXPECT_EQ(host.messages.size(), asked + (three ? 1 : 0)) << before;
    const bool cleared = three && answer == MessageAnswer::No;
    EXPECT_EQ(Coches(form, k), cleared ? "0000" : before);
    CheckRecord();
  }

  void CheckRecord() {
    std::string rows, ticks;
    for (int k = 1; k <= 24; ++k) {
      const std::string row = Coches(form, k);
      const auto n = static_cast<std::size_t>(std::count(row.begin(), row.end(), '1'));
      ASSERT_EQ(form.CmdVD(k).Caption(), std::string(1, "ABBBC"[n])) << k;
      ASSERT_EQ(form.ADV4(100 + k).Value, n == 4 ? 1 : 0) << k;
      rows += form.CmdVD(k).Caption();
      ticks += row;
    }
    ASSERT_EQ(form.TxtADV.Text, ticks);
    ASSERT_EQ(form.TxtVD1.Text, rows.substr(0, 17));
    ASSERT_EQ(form.TxtVI.Text, rows.substr(17));
    std::string discriminants;
    for (int v = 1; v <= 17; ++v) {
      ASSERT_EQ(form.CFIN(v).Caption(), std::string(1, VariableCode(v, rows))) << v;
      if (v <= 10) discriminants += form.CFIN(v).Caption();
    }
    ASSERT_EQ(form.TxtVD2.Text, discriminants);
    ASSERT_EQ(form.SSCommand1.Enabled, form.SSCommand2.Enabled);
    if (form.SSCommand1.Enabled) {
      ASSERT_TRUE(form.PanelCalculGIR.Visible);
      ASSERT_EQ(computed_from_, form.TxtADV.Text);
      ASSERT_EQ(form.TxtGroupe.Text, computed_group_);
    }
  }

  std::string computed_group_;
  std::string computed_from_;
};

TEST_F(RandomCodingTest, RecordFollowsTheTicksWhateverTheUserDoes) {
  for (unsigned seed = 1; seed <= 3000; ++seed) {
    std::mt19937 random(seed);
    form.BtnSupprimer_Click();
    computed_from_.clear();
    for (int step = 0; step < 40; ++step) {
      SCOPED_TRACE("seed " + std::to_string(seed) + " step " + std::to_string(step));
      Step(random);
      if (HasFatalFailure()) return;
    }
  }
}

}  // namespace
