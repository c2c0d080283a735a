// SPDX-License-Identifier: EUPL-1.2
// The writer on long documents: time and bytes per page, and peak memory, which must not
// grow with the page count since objects go to the file as soon as they are finished.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <string>

#include "pdf/vaROR.h"
#include "test_support/recording_host.h"

namespace {

long PeakResidentKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

void WriteDocument(int pages, const std::filesystem::path& file) {
  platform::RecordingHost host;
  pdf::vaROR writer(host);
  writer.PDFLoadAfm(AGGIR_FONTS_DIR);
  writer.PDFFileName(file.string());
  writer.PDFSetUnit(0);
  writer.PDFBeginDoc();
  for (int page = 1; page <= pages; ++page) {
    if (page > 1) {
      writer.PDFEndPage();
      writer.PDFNewPage();
    }
    writer.PDFSetFont(0, 10);
    for (int line = 0; line < 40; ++line) {
      writer.PDFTextOut("Évaluation " + std::to_string(page) + " : activité cohérente, GIR 4", 40,
                        40 + line * 18);
    }
  }
  writer.PDFEndDoc();
}

void BM_DocumentPages(benchmark::State& state) {
  auto file = std::filesystem::temp_directory_path() / "aggir-bench-document.pdf";
  const int pages = static_cast<int>(state.range(0));
  for (auto _ : state) WriteDocument(pages, file);
  state.SetItemsProcessed(state.iterations() * pages);  // pages per second
  state.counters["bytes_per_page"] = static_cast<double>(std::filesystem::file_size(file)) / pages;
  state.counters["peak_rss_kB"] = static_cast<double>(PeakResidentKilobytes());
  std::filesystem::remove(file);
}
// Run from small to large: the peak memory reading only grows, so equal readings at
// 10 and 1,000 pages show that the page count does not raise it.
BENCHMARK(BM_DocumentPages)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
