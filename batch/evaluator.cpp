// SPDX-License-Identifier: EUPL-1.2
#include "batch/evaluator.h"

#include <cctype>

#include "batch/columns.h"
#include "grid/evaluation.h"
#include "pdf/pdf_error.h"
#include "sheet/sheet.h"

namespace batch {
namespace {

// The writer's message inside a refusal's sentence: its first letter small unless it starts
// an acronym ("PDF"), without its period.
std::string DansLaPhrase(std::string motif) {
  if (!motif.empty() && motif.back() == '.') motif.pop_back();
  const auto lettre = [&motif](std::size_t i) { return static_cast<unsigned char>(motif[i]); };
  if (motif.size() > 1 && std::isupper(lettre(0)) && std::islower(lettre(1)))
    motif[0] = static_cast<char>(std::tolower(lettre(0)));
  return motif;
}

// The writer's message about its file names the file and the reason: said once, as a
// refusal reads ("le fichier PDF « … » n'a pas pu être écrit : fichier trop gros").
std::string MotifDeLaFiche(const std::string& fiche, const std::exception& erreur) {
  const auto* pdf = dynamic_cast<const pdf::PdfError*>(&erreur);
  const bool fichier = pdf != nullptr && (pdf->code() == pdf::PdfErrorCode::FileNotCreated ||
                                          pdf->code() == pdf::PdfErrorCode::FileNotWritten);
  const std::string motif = DansLaPhrase(erreur.what());
  if (!fichier || motif.empty())
    return "la fiche " + Cite(fiche) + " n'a pas pu être écrite : " + motif;
  return motif;
}

}  // namespace

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
    resultat.refus = MotifDeLaFiche(fiche, erreur);
  }
  resultat.messages = host_.PrendsMessages();
  return resultat;
}

}  // namespace batch
