// SPDX-License-Identifier: EUPL-1.2
// The document the writer's fuzz targets draw into: each input makes a whole file on a new
// writer, and qpdf must read the file without fault (fuzz/qpdf_check.h).
#pragma once

#include <filesystem>
#include <functional>

#include "pdf/vaROR.h"

namespace fuzzdocument {

// This process's own folder for the files a target writes.
const std::filesystem::path& Scratch();

// Opens a document with the metric files of the folder `metrics`, lets `draw` make its calls,
// ends the document and aborts when qpdf finds a fault in the file.
void WriteChecked(const std::filesystem::path& metrics,
                  const std::function<void(pdf::vaROR&)>& draw);

}  // namespace fuzzdocument
