// SPDX-License-Identifier: EUPL-1.2
// PDFCell on long French texts: the cost must grow linearly with the text length, since
// every character is measured from a metric table parsed once per writer.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "pdf/vaROR.h"
#include "test_support/recording_host.h"

namespace {

std::string FrenchText(std::size_t characters) {
  const std::string sentence =
      "La personne âgée se déplace à l'intérieur du logement, s'habille et mange seule ; "
      "l'évaluation relève où l'aide est nécessaire. ";
  std::string text;
  while (text.size() < characters) text += sentence;
  text.resize(characters);
  return text;
}

void BM_CellText(benchmark::State& state) {
  const std::string text = FrenchText(static_cast<std::size_t>(state.range(0)));
  platform::RecordingHost host;
  pdf::vaROR writer(host);
  writer.PDFLoadAfm(AGGIR_FONTS_DIR);
  writer.PDFSetUnit(0);
  writer.PDFBeginDoc();  // no file: pages are composed, written nowhere
  writer.PDFSetFont(2, 10);
  writer.PDFSetAlignement(3);
  for (auto _ : state) {
    writer.PDFSetBorder(1);
    writer.PDFCell(text, 40, 40, 500, 12);
    state.PauseTiming();
    writer.PDFNewPage();  // drops the page content so that it does not pile up
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_CellText)->RangeMultiplier(4)->Range(1250, 20000)->Complexity(benchmark::oN);

}  // namespace
