// The questions behind the four adverbs of each activity, by row caption (LabelVD index).
#pragma once

#include <array>

struct Questions {
  const char* titre;                    // "LA PERSONNE ..."
  std::array<const char*, 4> adverbes;  // S, T, C, H
};

// The questions of the row caption LabelVD(index), 0..23; null for any other index.
const Questions* QuestionsDuLibelle(int index);
