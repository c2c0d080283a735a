// SPDX-License-Identifier: EUPL-1.2
// The evaluation sheet's page written by vaROR and by the peer libraries found at build
// time, in one run on one machine: one sheet as its own document, and documents of 100 and
// 1,000 pages. Time and bytes per page; peak memory is measured per process with the
// command-line program sheet_pages (bench/README.md).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "sheet_documents.h"

namespace {

struct Library {
  const char* name;
  sheetbench::DocumentWriter write;
};

std::vector<Library> Libraries() {
  std::vector<Library> libraries{{"vaROR", sheetbench::WriteWithVaROR}};
#ifdef AGGIR_HAVE_LIBHARU
  libraries.push_back({"libharu", sheetbench::WriteWithLibharu});
#endif
#ifdef AGGIR_HAVE_CAIRO
  libraries.push_back({"cairo", sheetbench::WriteWithCairo});
#endif
  return libraries;
}

void Document(benchmark::State& state, Library library) {
  const auto file = std::filesystem::temp_directory_path() /
                    ("aggir-bench-sheet-" + std::string(library.name) + ".pdf");
  const int pages = static_cast<int>(state.range(0));
  sheetbench::ExampleEvaluation();  // coded once, outside the timing
  for (auto _ : state) library.write(file, pages);
  state.SetItemsProcessed(state.iterations() * pages);  // pages per second
  state.counters["bytes_per_page"] = static_cast<double>(std::filesystem::file_size(file)) / pages;
  std::filesystem::remove(file);
}

const bool registered = [] {
  for (const Library& library : Libraries()) {
    benchmark::RegisterBenchmark((std::string("Sheet/") + library.name).c_str(), Document, library)
        ->Arg(1)
        ->Arg(100)
        ->Arg(1000)
        ->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace
