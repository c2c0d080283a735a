// SPDX-License-Identifier: EUPL-1.2
// The evaluation shown in the documentation's pictures: a person who needs help for the
// toilet and dressing, with some domestic activities; GIR 4.
#pragma once

#include <array>

#include "grid/evaluation.h"

namespace example {

constexpr const char* kNom = "DUPONT";
constexpr const char* kPrenom = "Jeanne";
constexpr const char* kDossier = "123";
constexpr const char* kAdresse = "12 rue des Lilas 29000 Quimper";
// Adverb boxes ticked (never three on one row: that would ask a question).
constexpr std::array kAdverbes{21, 22, 25, 29, 33, 34, 45, 57, 61, 62, 73, 74, 77, 78, 85, 86};
constexpr int kNeFaitPas = 21;  // the row of Transports

// The evaluation as a value.
inline grid::Evaluation Evaluation() {
  grid::Evaluation evaluation{kDossier, kNom, kPrenom, kAdresse, {}};
  for (int box : kAdverbes) evaluation.Coche(box, true);
  evaluation.NeFaitPas(kNeFaitPas, true);
  return evaluation;
}
}  // namespace example
