// SPDX-License-Identifier: EUPL-1.2
// libFuzzer entry for the whole writer: the input is played as a script of public calls
// (fuzz/writer_script.h) on a document, and the file it ends with must pass `qpdf --check`.
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <sstream>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "fuzz/writer_script.h"
#include "test_support/recording_host.h"

namespace {

const std::filesystem::path& Scratch() {
  static const std::filesystem::path folder = [] {
    auto path =
        std::filesystem::temp_directory_path() / ("aggir-writer-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(path);
    return path;
  }();
  return folder;
}

// qpdf also decodes the images, whose data the writer copies unchanged from the files it
// is given without decoding them: a warning about that data alone is no fault of the file.
bool OnlyImageDataWarnings(const std::string& report) {
  std::istringstream lines(report);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("WARNING", 0) != 0) continue;
    if (line.find("error decoding stream data") == std::string::npos &&
        line.find("stream will be re-processed without filtering") == std::string::npos) {
      return false;
    }
  }
  return true;
}

bool QpdfAccepts(const std::filesystem::path& file) {
  const std::string command = "qpdf --check '" + file.string() + "' 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return false;
  std::string report;
  std::array<char, 4096> piece;
  for (std::size_t n; (n = std::fread(piece.data(), 1, piece.size(), pipe)) > 0;)
    report.append(piece.data(), n);
  const int status = pclose(pipe);
  const bool accepted = status == 0 || (WEXITSTATUS(status) == 3 && OnlyImageDataWarnings(report));
  if (!accepted) std::fputs(report.c_str(), stderr);
  return accepted;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  platform::RecordingHost host;
  host.program_folder = Scratch();
  pdf::vaROR writer(host);
  writer.PDFLoadAfm(AGGIR_FONTS_DIR);
  const auto file = Scratch() / "document.pdf";
  writer.PDFFileName(file.string());
  writer.PDFBeginDoc();
  fuzzinput::Reader script({data, size});
  writerscript::Play(writer, script, Scratch());
  writer.PDFEndDoc();
  if (!QpdfAccepts(file)) std::abort();
  return 0;
}
