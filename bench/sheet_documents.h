// SPDX-License-Identifier: EUPL-1.2
// Documents of the evaluation sheet's page, written by vaROR and by the peer libraries a
// C or C++ developer could pick instead. Every library draws the same page (sheet/sheet.h)
// with its own public API and its own font metrics.
#pragma once

#include <filesystem>

#include "grid/evaluation.h"

namespace sheetbench {

// Writes one document holding `pages` copies of the sheet's page into `file`.
using DocumentWriter = void (*)(const std::filesystem::path& file, int pages);

// The documentation's example evaluation.
const grid::Evaluation& ExampleEvaluation();

void WriteWithVaROR(const std::filesystem::path& file, int pages);
#ifdef AGGIR_HAVE_LIBHARU
void WriteWithLibharu(const std::filesystem::path& file, int pages);
#endif
#ifdef AGGIR_HAVE_CAIRO
void WriteWithCairo(const std::filesystem::path& file, int pages);
#endif

}  // namespace sheetbench
