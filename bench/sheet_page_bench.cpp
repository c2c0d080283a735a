// SPDX-License-Identifier: EUPL-1.2
// The evaluation sheet's page written by vaROR and by the peer libraries found at build
// time, in one run on one machine: one sheet as its own document, and documents of 100 and
// 1,000 pages; then, for the writers that draw any alphabet (vaROR and pango), the sheet of a
// Vietnamese and of an Arabic name. Time and bytes per page; peak memory is measured per
// process with the command-line program sheet_pages (bench/README.md).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "sheet_documents.h"

namespace {

struct Library {
  const char* name;
  sheetbench::DocumentWriter write;
  bool any_alphabet;
};

struct Person {
  const char* alphabet;
  const char* name;
};
constexpr Person kPeople[] = {{"Vietnamese", "Nguyễn Thị Ánh"}, {"Arabic", "محمد عبد الله"}};

std::vector<Library> Libraries() {
  std::vector<Library> libraries{{"vaROR", sheetbench::WriteWithVaROR, true}};
#ifdef AGGIR_HAVE_LIBHARU
  libraries.push_back({"libharu", sheetbench::WriteWithLibharu, false});
#endif
#ifdef AGGIR_HAVE_CAIRO
  libraries.push_back({"cairo", sheetbench::WriteWithCairo, false});
#endif
#ifdef AGGIR_HAVE_PANGO
  libraries.push_back({"pango", sheetbench::WriteWithPango, true});
#endif
  return libraries;
}

void Document(benchmark::State& state, Library library, const grid::Evaluation& evaluation) {
  const auto file = std::filesystem::temp_directory_path() /
                    ("aggir-bench-sheet-" + std::string(library.name) + ".pdf");
  const int pages = static_cast<int>(state.range(0));
  for (auto _ : state) library.write(file, pages, evaluation);
  state.SetItemsProcessed(state.iterations() * pages);  // pages per second
  state.counters["bytes_per_page"] = static_cast<double>(std::filesystem::file_size(file)) / pages;
  std::filesystem::remove(file);
}

const bool registered = [] {
  // Each evaluation coded once, outside the timing.
  static const grid::Evaluation& latin = sheetbench::ExampleEvaluation();
  static const std::vector<grid::Evaluation> named = [] {
    std::vector<grid::Evaluation> evaluations;
    for (const Person& person : kPeople)
      evaluations.push_back(sheetbench::NamedEvaluation(person.name));
    return evaluations;
  }();
  for (const Library& library : Libraries()) {
    benchmark::RegisterBenchmark((std::string("Sheet/") + library.name).c_str(), Document, library,
                                 latin)
        ->Arg(1)
        ->Arg(100)
        ->Arg(1000)
        ->Unit(benchmark::kMillisecond);
  }
  for (const Library& library : Libraries()) {
    if (!library.any_alphabet) continue;
    for (std::size_t i = 0; i < std::size(kPeople); ++i) {
      const std::string name = std::string("Sheet/") + library.name + "/" + kPeople[i].alphabet;
      benchmark::RegisterBenchmark(name.c_str(), Document, library, named[i])
          ->Arg(1)
          ->Arg(100)
          ->Unit(benchmark::kMillisecond);
    }
  }
  return true;
}();

}  // namespace
