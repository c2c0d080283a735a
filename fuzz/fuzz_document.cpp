// SPDX-License-Identifier: EUPL-1.2
#include "fuzz/fuzz_document.h"

#include <unistd.h>

#include <cstdlib>
#include <string>

#include "fuzz/qpdf_check.h"
#include "test_support/recording_host.h"

namespace fuzzdocument {

const std::filesystem::path& Scratch() {
  static const std::filesystem::path folder = [] {
    auto path =
        std::filesystem::temp_directory_path() / ("aggir-writer-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(path);
    return path;
  }();
  return folder;
}

void WriteChecked(const std::filesystem::path& metrics,
                  const std::function<void(pdf::vaROR&)>& draw) {
  platform::RecordingHost host;
  host.program_folder = Scratch();
  pdf::vaROR writer(host);
  writer.PDFLoadAfm(metrics.string());
  const auto file = Scratch() / "document.pdf";
  writer.PDFFileName(file.string());
  writer.PDFBeginDoc();
  draw(writer);
  writer.PDFEndDoc();
  if (!QpdfAccepts(file)) std::abort();
}

}  // namespace fuzzdocument
