// The evaluation shown in the documentation's pictures: a person who needs help for the
// toilet and dressing, with some domestic activities; GIR 4.
#pragma once

#include <array>

#include "calculator/saisie_aggir2.h"
#include "tools/ticks.h"

namespace example {

constexpr const char* kNom = "DUPONT";
constexpr const char* kPrenom = "Jeanne";
constexpr const char* kDossier = "123";
constexpr const char* kAdresse = "12 rue des Lilas 29000 Quimper";
// Adverb boxes ticked (never three on one row: that would ask a question).
constexpr std::array kAdverbes{21, 22, 25, 29, 33, 34, 45, 57, 61, 62, 73, 74, 77, 78, 85, 86};
constexpr int kNeFaitPas = 21;  // the row of Transports

// Types the identity, ticks the boxes through the window's own handlers and computes the GIR,
// on a window just loaded and activated.
inline void Saisit(SaisieAggir2& form) {
  form.TxtNom.Text = kNom;
  form.TxtPrenom.Text = kPrenom;
  form.TxtDossier.Text = kDossier;
  form.TxtAdresse.Text = kAdresse;
  for (int box : kAdverbes) saisie::CocheAdverbe(form, box);
  saisie::CocheNeFaitPas(form, kNeFaitPas);
  form.SSCommand7_Click();
}

}  // namespace example
