// SPDX-License-Identifier: EUPL-1.2
#include "sheet_documents.h"

#include "sheet/sheet.h"
#include "test_support/example_evaluation.h"
#include "test_support/recording_host.h"

namespace sheetbench {
namespace {

// A program folder beside the metric folder, as for an installed program; the writer lists
// it when it starts, so it must not be an arbitrary current folder.
std::filesystem::path ProgramFolder() {
  return std::filesystem::path(AGGIR_FONTS_DIR).parent_path().parent_path() / "bench";
}

}  // namespace

const grid::Evaluation& ExampleEvaluation() {
  static const grid::Evaluation evaluation = example::Evaluation();
  return evaluation;
}

grid::Evaluation NamedEvaluation(const std::string& name) {
  grid::Evaluation evaluation = ExampleEvaluation();
  const auto blank = name.find(' ');
  evaluation.nom = name.substr(0, blank);
  evaluation.prenom = blank == std::string::npos ? "" : name.substr(blank + 1);
  return evaluation;
}

// The same calls as "Imprimer", with the page drawn `pages` times.
void WriteWithVaROR(const std::filesystem::path& file, int pages,
                    const grid::Evaluation& evaluation) {
  platform::RecordingHost host;
  host.program_folder = ProgramFolder();
  pdf::vaROR pdf(host);
  fiche::ReglagesFiche(pdf, file, AGGIR_FONTS_DIR, "Test");
  pdf.PDFSetBookmark("Signet1", 1, 40);
  for (int page = 1; page <= pages; ++page) {
    if (page > 1) pdf.PDFNewPage();
    fiche::FicheVaROR page_fiche(pdf);
    fiche::DessineFiche(page_fiche, evaluation, host.LocalTime(), file.string());
    pdf.PDFEndPage();
  }
  pdf.PDFEndDoc();
}

}  // namespace sheetbench
