// SPDX-License-Identifier: EUPL-1.2
// The questions behind the adverbs of a row, opened by a click on its caption.
#include <algorithm>

#include "calculator/saisie_aggir2.h"
#include "calculator/window/layout.h"
#include "calculator/window/questions_layout.h"
#include "grid/questions.h"

void SaisieAggir2::ConstruitQuestions() {
  const layout::Rect p = layout::kQuestionsPanel;
  Place(PanelQuestions, "PanelQuestions", -1, nullptr, p.left, p.top, p.width, p.height);
  PanelQuestions.BackColor = window::kPaleYellow;
  const layout::Rect h = layout::kQuestionHeading;
  Place(Question(0), "Question", 0, &PanelQuestions, h.left, h.top, h.width, h.height);
  for (int j = 1; j <= 4; ++j) {
    const auto row = static_cast<std::size_t>(j - 1);
    const int top = layout::kQuestionTops[row];
    window::Label& letter = Label8(j);
    Place(letter, "Label8", j, &PanelQuestions, layout::kLetterLeft, top, layout::kLetterWidth,
          layout::kLetterHeight);
    letter.SetCaption(layout::kAdverbLetters[row]);
    window::Label& question = Question(j);
    Place(question, "Question", j, &PanelQuestions, layout::kQuestionLeft, top,
          layout::kQuestionWidth, layout::kQuestionHeight);
    question.WordWrap = true;
    question.font.bold = false;  // the longest questions fit their two lines
  }
}

// A click on a caption opens its questions, or only closes the panel when it is open: going
// from one row's questions to another's takes two clicks.
void SaisieAggir2::LabelVD_Click(int Index) {
  if (PanelQuestions.Visible) {
    PanelQuestions.Visible = false;
    return;
  }
  LigneQuestions = static_cast<std::int16_t>(Index);
  AfficheQuestions();
}

void SaisieAggir2::AfficheQuestions() {
  const int r = LigneQuestions;
  if (const grid::Questions* questions = grid::QuestionsDeLigne(layout::RowWithLabel(r))) {
    Question(0).SetCaption(questions->titre);
    for (int j = 1; j <= 4; ++j) {
      Question(j).SetCaption(questions->adverbes[static_cast<std::size_t>(j - 1)]);
    }
    const auto& lower = layout::kLowerRowCaptions;
    const bool below = std::find(lower.begin(), lower.end(), r) == lower.end();
    PanelQuestions.Top = below ? layout::kQuestionsTopBelow : layout::kQuestionsTopAbove;
  }
  PanelQuestions.Left = layout::kQuestionsLeft;
  PanelQuestions.Visible = true;
}

void SaisieAggir2::PanelQuestions_Click() { PanelQuestions.Visible = false; }

void SaisieAggir2::Question_Click(int) { PanelQuestions.Visible = false; }

void SaisieAggir2::Label8_Click(int) { PanelQuestions.Visible = false; }
