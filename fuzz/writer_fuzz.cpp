// libFuzzer entry for the whole writer: the input is played as a script of public calls
// (fuzz/writer_script.h) on a document, and the file it ends with must pass `qpdf --check`.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "fuzz/writer_script.h"
#include "platform/recording_host.h"

namespace {

const std::filesystem::path& Scratch() {
  static const std::filesystem::path folder = [] {
    auto path = std::filesystem::temp_directory_path() /
                ("aggir-writer-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(path);
    return path;
  }();
  return folder;
}

bool QpdfAccepts(const std::filesystem::path& file) {
  const std::string command = "qpdf --check '" + file.string() + "' >/dev/null 2>&1";
  return std::system(command.c_str()) == 0;
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
