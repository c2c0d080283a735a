// SPDX-License-Identifier: EUPL-1.2
// The questions behind the four adverbs of each activity of the grid.
#pragma once

#include <array>

#include "grid/grid.h"

namespace grid {

struct Questions {
  const char* titre;                    // "LA PERSONNE ..."
  std::array<const char*, 4> adverbes;  // S, T, C, H
};

// The questions of row k, 1..24; null for any other k.
const Questions* QuestionsDeLigne(int k);

}  // namespace grid
