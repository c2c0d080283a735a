// SPDX-License-Identifier: EUPL-1.2
// Documents of the evaluation sheet's page, written by vaROR and by the peer libraries a
// C or C++ developer could pick instead. Every library draws the same page (sheet/sheet.h)
// with its own public API and its own font metrics.
#pragma once

#include <filesystem>
#include <string>

#include "grid/evaluation.h"

namespace sheetbench {

// Writes one document holding `pages` copies of the sheet's page of `evaluation` into `file`.
using DocumentWriter = void (*)(const std::filesystem::path& file, int pages,
                                const grid::Evaluation& evaluation);

// The documentation's example evaluation.
const grid::Evaluation& ExampleEvaluation();
// The same, for the person named `name`: its first word as the surname, the rest as the
// first names, so that the sheet prints it as given.
grid::Evaluation NamedEvaluation(const std::string& name);

void WriteWithVaROR(const std::filesystem::path& file, int pages,
                    const grid::Evaluation& evaluation);
#ifdef AGGIR_HAVE_LIBHARU
void WriteWithLibharu(const std::filesystem::path& file, int pages,
                      const grid::Evaluation& evaluation);
#endif
#ifdef AGGIR_HAVE_CAIRO
void WriteWithCairo(const std::filesystem::path& file, int pages,
                    const grid::Evaluation& evaluation);
#endif
#ifdef AGGIR_HAVE_PANGO
// cairo's PDF surface with pango laying out and shaping the texts, which any alphabet needs.
void WriteWithPango(const std::filesystem::path& file, int pages,
                    const grid::Evaluation& evaluation);
#endif

}  // namespace sheetbench
