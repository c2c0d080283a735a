// Documents of the evaluation sheet's page, written by vaROR and by the peer libraries a
// C or C++ developer could pick instead. Every library draws the same page (calculator/
// sheet.h) with its own public API and its own font metrics.
#pragma once

#include <filesystem>

class SaisieAggir2;

namespace sheetbench {

// Writes one document holding `pages` copies of the sheet's page into `file`.
using DocumentWriter = void (*)(const std::filesystem::path& file, int pages);

// The documentation's example evaluation, coded and computed once per process.
const SaisieAggir2& ExampleEvaluation();

void WriteWithVaROR(const std::filesystem::path& file, int pages);
#ifdef AGGIR_HAVE_LIBHARU
void WriteWithLibharu(const std::filesystem::path& file, int pages);
#endif
#ifdef AGGIR_HAVE_CAIRO
void WriteWithCairo(const std::filesystem::path& file, int pages);
#endif

}  // namespace sheetbench
