#include "bench/sheet_documents.h"

#include "calculator/saisie_aggir2.h"
#include "calculator/sheet.h"
#include "platform/recording_host.h"
#include "tools/example_evaluation.h"

namespace sheetbench {
namespace {

// A program folder beside the metric folder, as for an installed program; the writer lists
// it when it starts, so it must not be an arbitrary current folder.
std::filesystem::path ProgramFolder() {
  return std::filesystem::path(AGGIR_FONTS_DIR).parent_path().parent_path() / "bench";
}

}  // namespace

const SaisieAggir2& ExampleEvaluation() {
  static platform::RecordingHost host;
  static SaisieAggir2 form(host);
  static const bool coded = [] {
    form.Form_Load();
    form.Form_Activate();
    example::Saisit(form);
    return true;
  }();
  static_cast<void>(coded);
  return form;
}

// The same calls as "Imprimer", with the page drawn `pages` times.
void WriteWithVaROR(const std::filesystem::path& file, int pages) {
  platform::RecordingHost host;
  host.program_folder = ProgramFolder();
  pdf::vaROR pdf(host);
  ReglagesFiche(pdf, file, AGGIR_FONTS_DIR);
  pdf.PDFSetBookmark("Signet1", 1, 40);
  for (int page = 1; page <= pages; ++page) {
    if (page > 1) pdf.PDFNewPage();
    FicheVaROR fiche(pdf);
    DessineFiche(fiche, ExampleEvaluation(), host.LocalTime(), file.string());
    pdf.PDFEndPage();
  }
  pdf.PDFEndDoc();
}

}  // namespace sheetbench
