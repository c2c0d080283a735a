#include "app/batch/evaluator.h"

#include "app/batch/columns.h"
#include "calculator/window/layout.h"

namespace batch {

Evaluateur::Evaluateur() {
  form_.Form_Load();
  form_.Form_Activate();
  pdf_.PDFKeepMetrics(true);
}

Resultat Evaluateur::Evalue(const fiche::Evaluation& evaluation,
                            const std::filesystem::path* dossier) {
  form_.Restaure(evaluation);
  Resultat resultat;
  for (int v = 1; v <= layout::kVariables; ++v) resultat.codes += form_.CFIN(v).Caption();
  resultat.rang = form_.TxtRang.Text;
  resultat.gir = form_.TxtGroupe.Text;
  resultat.drapeaux =
      coherence::CalculeDrapeaux(coherence::LitCases(form_.TxtVD2.Text, form_.TxtVI.Text));
  if (dossier == nullptr) return resultat;
  const std::string fiche = form_.TxtDossier.Text + ".pdf";
  try {
    pdf_.PDFInit();
    form_.ImprimeFiche(*dossier, pdf_);
    resultat.fiche = fiche;
  } catch (const std::exception& erreur) {
    resultat.refus = "la fiche " + Cite(fiche) + " n'a pas pu être écrite : " + erreur.what();
  }
  return resultat;
}

}  // namespace batch
