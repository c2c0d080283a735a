// SPDX-License-Identifier: EUPL-1.2
// Coding by ticks, at random: whatever the user does, the record follows the ticks. Chosen
// sequences, the question and the results withdrawn are in golden/sessions.txt.
#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "calculator/window/layout.h"
#include "window_fixture.h"

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
    case Geste::ClicNeFaitPas: {
      const int i = layout::NeFaitPasBox(a.index);
      form.ADV4(i).Value = form.ADV4(i).Value == 1 ? 0 : 1;
      form.ADV4_Click(i);
      break;
    }
    case Geste::EntreeNeFaitPas: form.ADV4_KeyDown(layout::NeFaitPasBox(a.index), kEntree); break;
  }
}

// The four ticks of row k as "0"/"1", S to H.
std::string Coches(const SaisieAggir2& form, int k) {
  std::string ticks;
  for (int j = 1; j <= 4; ++j) ticks += form.ADV(layout::AdverbBox(k, j)).Value == 1 ? '1' : '0';
  return ticks;
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

  // The boxes are the evaluation the model holds, and every code shown is the one the grid's
  // rules give for it (grid/ pins each rule by its tables).
  void CheckRecord() {
    const grid::Evaluation evaluation = form.EvaluationAffichee();
    const grid::Cotation cotation = grid::CotationDe(evaluation);
    std::string ticks;
    for (int k = 1; k <= 24; ++k) {
      ticks += Coches(form, k);
      ASSERT_EQ(form.CmdVD(k).Caption(), cotation.lignes.substr(k - 1, 1)) << k;
      ASSERT_EQ(form.ADV4(layout::NeFaitPasBox(k)).Value, evaluation.NeFaitPas(k) ? 1 : 0) << k;
    }
    for (int i = 1; i <= 96; ++i) ASSERT_EQ(form.ADV(i).Value == 1, evaluation.Cochee(i)) << i;
    for (int v = 1; v <= 17; ++v) {
      ASSERT_EQ(form.CFIN(v).Caption(), cotation.variables.substr(v - 1, 1)) << v;
    }
    ASSERT_EQ(form.TxtADV.Text, ticks);
    ASSERT_EQ(form.TxtVD1.Text, cotation.Vd1());
    ASSERT_EQ(form.TxtVD2.Text, cotation.Vd2());
    ASSERT_EQ(form.TxtVI.Text, cotation.Vi());
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
    host.answers = {MessageAnswer::Yes};  // the evaluation of the last seed abandoned
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
