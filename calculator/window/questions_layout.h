// SPDX-License-Identifier: EUPL-1.2
// The questions panel and its labels (twips, relative to the panel; the panel in the window).
#pragma once

#include <array>

#include "calculator/window/layout.h"

namespace layout {

constexpr int kQuestionsLeft = 240;
// Above the rows of the lower half of the grid, below the others.
constexpr int kQuestionsTopAbove = 4320, kQuestionsTopBelow = 6990;
// LabelVD indexes of the rows in the lower half of the grid.
constexpr std::array<int, 10> kLowerRowCaptions{0, 1, 2, 14, 15, 16, 19, 20, 22, 23};

constexpr Rect kQuestionHeading{180, 150, 9000, 315};
constexpr std::array<const char*, 4> kAdverbLetters{"S", "T", "C", "H"};
constexpr std::array<int, 4> kQuestionTops{480, 780, 1080, 1380};
constexpr int kLetterLeft = 180, kLetterWidth = 225, kLetterHeight = 285;
constexpr int kQuestionLeft = 450, kQuestionWidth = 9105, kQuestionHeight = 345;

}  // namespace layout
