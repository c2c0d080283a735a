// SPDX-License-Identifier: EUPL-1.2
// The sample document of the whole-document tests: four pages that use every operation of
// the writer. A small program writes it too, for the README's picture of page 4.
#pragma once

#include <filesystem>

#include "pdf/vaROR.h"

namespace pdftest {

inline constexpr int kSampleGraphicsPage = 4;

// Writes the sample with the generated metric folder into `file`.
void WriteSample(pdf::vaROR& writer, const std::filesystem::path& file);

}  // namespace pdftest
