// "Imprimer" end to end: from the command to the closed file, for a coded evaluation.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "calculator/saisie_aggir2.h"
#include "platform/recording_host.h"

namespace {

// The program folder is the benchmark's own: the metric folder stands beside it, in the
// build tree, as beside an installed program.
void BM_ImprimeFiche(benchmark::State& state) {
  platform::RecordingHost host;
  host.program_folder =
      std::filesystem::path(AGGIR_FONTS_DIR).parent_path().parent_path() / "bench";
  SaisieAggir2 form(host);
  form.Form_Load();
  form.Form_Activate();
  form.TxtNom.Text = "Lefèvre";
  form.TxtDossier.Text = "bench-sheet";
  for (int box : {21, 23, 53, 54, 60, 74}) {
    form.ADV(box).Value = 1;
    form.ADV_Click(box);
  }
  form.SSCommand7_Click();
  for (auto _ : state) form.SSCommand1_Click();
  std::filesystem::remove(host.program_folder / "bench-sheet.pdf");
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ImprimeFiche)->Unit(benchmark::kMillisecond);

}  // namespace
