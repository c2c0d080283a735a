// SPDX-License-Identifier: EUPL-1.2
// "Imprimer" end to end, from the command to the closed file, for a coded evaluation; and
// the way back: a sheet opened again, from the file to the GIR on screen.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "calculator/saisie_aggir2.h"
#include "sheet/sheet_reader.h"
#include "test_support/recording_host.h"
#include "test_support/ticks.h"

namespace {

// The program folder is the benchmark's own: the metric folder stands beside it, in the
// build tree, as beside an installed program.
class Fenetre {
 public:
  Fenetre() : form(host) {
    host.program_folder =
        std::filesystem::path(AGGIR_FONTS_DIR).parent_path().parent_path() / "bench";
    form.Form_Load();
    form.Form_Activate();
  }
  ~Fenetre() { std::filesystem::remove(Fiche()); }
  std::filesystem::path Fiche() const { return host.program_folder / "4242.pdf"; }

  // Types, ticks and computes an evaluation, then prints its sheet.
  void Imprime() {
    form.TxtNom.Text = "Lefèvre";
    form.TxtDossier.Text = "4242";
    for (int box : {21, 23, 53, 54, 60, 74}) saisie::CocheAdverbe(form, box);
    form.SSCommand7_Click();
    form.SSCommand1_Click();
  }

  platform::RecordingHost host;
  SaisieAggir2 form;
};

void BM_ImprimeFiche(benchmark::State& state) {
  Fenetre fenetre;
  fenetre.Imprime();
  for (auto _ : state) fenetre.form.SSCommand1_Click();
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ImprimeFiche)->Unit(benchmark::kMillisecond);

// The evaluation read from the file through libqpdf, and checked.
void BM_LitFiche(benchmark::State& state) {
  Fenetre fenetre;
  fenetre.Imprime();
  for (auto _ : state) benchmark::DoNotOptimize(fiche::LitFiche(fenetre.Fiche()));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LitFiche)->Unit(benchmark::kMillisecond);

// Into a blank window each time, as when the program starts with a sheet.
void BM_OuvreFiche(benchmark::State& state) {
  Fenetre fenetre;
  fenetre.Imprime();
  for (auto _ : state) {
    state.PauseTiming();
    fenetre.form.BtnSupprimer_Click();
    state.ResumeTiming();
    fenetre.form.OuvreFiche(fenetre.Fiche());
  }
  if (!fenetre.form.PanelCalculGIR.Visible) state.SkipWithError("the sheet did not open");
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_OuvreFiche)->Unit(benchmark::kMillisecond);

}  // namespace
