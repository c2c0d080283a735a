// SPDX-License-Identifier: EUPL-1.2
#include "batch/evaluator.h"

#include "batch/columns.h"
#include "grid/evaluation.h"
#include "sheet/sheet.h"

namespace batch {

Evaluateur::Evaluateur() { pdf_.PDFKeepMetrics(true); }

Resultat Evaluateur::Evalue(const grid::Evaluation& evaluation,
                            const std::filesystem::path* dossier) {
  const grid::Cotation cotation = grid::CotationDe(evaluation);
  const grid::Classement classement = grid::ClassementDe(cotation);
  Resultat resultat;
  resultat.codes = cotation.variables;
  resultat.rang = std::to_string(classement.rang);
  resultat.gir = std::to_string(classement.gir);
  resultat.drapeaux = grid::DrapeauxDe(cotation);
  if (dossier == nullptr) return resultat;
  const std::string fiche = evaluation.dossier + ".pdf";
  try {
    pdf_.PDFInit();
    fiche::ImprimeFiche(evaluation, *dossier, host_.ProgramFolder(), host_.LocalTime(), pdf_);
    resultat.fiche = fiche;
  } catch (const std::exception& erreur) {
    resultat.refus = "la fiche " + Cite(fiche) + " n'a pas pu être écrite : " + erreur.what();
  }
  resultat.avis = host_.PrendAvis();
  return resultat;
}

}  // namespace batch
