// SPDX-License-Identifier: EUPL-1.2
// One evaluation on the grid as a plain value, and the grid's rules as functions of it: the
// codes of rows and variables, the rang and GIR, the coherence check's findings. The window,
// the batch and any other front end read the same answers from here.
#pragma once

#include <bitset>
#include <cstdint>
#include <string>

#include "grid/coherence.h"
#include "grid/grid.h"

namespace grid {

// What the assessor types and ticks; everything else follows from it.
struct Evaluation {
  // As typed, UTF-8.
  std::string dossier, nom, prenom, adresse;
  // Box ADV(i) at position i - 1: ticked when the adverb's condition is not met.
  std::bitset<kAdverbBoxes> adverbes;

  bool operator==(const Evaluation&) const = default;

  bool Cochee(int i) const { return adverbes[static_cast<std::size_t>(i - 1)]; }
  void Coche(int i, bool cochee) { adverbes[static_cast<std::size_t>(i - 1)] = cochee; }
  int CochesDeLigne(int k) const;
  // NE FAIT PAS stands for the four adverbs of its row ticked.
  bool NeFaitPas(int k) const { return CochesDeLigne(k) == kAdverbs; }
  // Ticking it ticks the four adverbs; unticking clears them only when all four were ticked,
  // so that a partial coding survives.
  void NeFaitPas(int k, bool coche);
};

// The codes of an evaluation, one letter "A", "B" or "C" each.
struct Cotation {
  std::string lignes;     // row k at k - 1, 24 letters
  std::string variables;  // variable v (CFIN index) at v - 1, 17 letters

  // The window's code strings: TxtVD1 (rows 1..17), TxtVD2 (the ten discriminant
  // variables), TxtVI (the seven illustrative variables, which are rows 18..24).
  std::string Vd1() const { return lignes.substr(0, kSubVariables); }
  std::string Vd2() const { return variables.substr(0, kDiscriminants); }
  std::string Vi() const { return lignes.substr(kSubVariables); }
};
Cotation CotationDe(const Evaluation& evaluation);

struct Classement {
  std::int16_t rang;  // 1..13
  std::int16_t gir;   // 1..6
};
Classement ClassementDe(const Cotation& cotation);
inline Classement ClassementDe(const Evaluation& evaluation) {
  return ClassementDe(CotationDe(evaluation));
}

// The coherence check's codes, slot by slot, and the anomalies they show.
coherence::Codes CasesDe(const Cotation& cotation);
coherence::Drapeaux DrapeauxDe(const Cotation& cotation);

// The file number names the sheet: digits only, and at least one.
bool DossierValide(const std::string& dossier);

}  // namespace grid
