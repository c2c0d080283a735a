// SPDX-License-Identifier: EUPL-1.2
#include "grid/evaluation.h"

#include <algorithm>

#include "grid/codes.h"
#include "grid/gir.h"

namespace grid {

int Evaluation::CochesDeLigne(int k) const {
  int cochees = 0;
  for (int j = 1; j <= kAdverbs; ++j) cochees += Cochee(AdverbBox(k, j));
  return cochees;
}

void Evaluation::NeFaitPas(int k, bool coche) {
  if (!coche && !NeFaitPas(k)) return;
  for (int j = 1; j <= kAdverbs; ++j) Coche(AdverbBox(k, j), coche);
}

Cotation CotationDe(const Evaluation& evaluation) {
  Cotation cotation;
  for (int k = 1; k <= kRows; ++k) cotation.lignes += CodeDeLigne(evaluation.CochesDeLigne(k));
  for (int v = 1; v <= kVariables; ++v) {
    cotation.variables += CodeDeVariable(v, cotation.lignes);
  }
  return cotation;
}

Classement ClassementDe(const Cotation& cotation) {
  const std::int16_t rang = CalculRang(cotation.Vd2());
  return {rang, GirDuRang(rang)};
}

coherence::Codes CasesDe(const Cotation& cotation) {
  return coherence::LitCases(cotation.Vd2(), cotation.Vi());
}

coherence::Drapeaux DrapeauxDe(const Cotation& cotation) {
  return coherence::CalculeDrapeaux(CasesDe(cotation));
}

bool DossierValide(const std::string& dossier) {
  return !dossier.empty() &&
         std::all_of(dossier.begin(), dossier.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace grid
