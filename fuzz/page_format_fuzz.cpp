// libFuzzer entry for PDFFormatPage's argument forms and the orientation after them: the
// page always ends up with sides readers accept, and a refused argument is told once.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <variant>

#include "fuzz/fuzz_input.h"
#include "pdf/vaROR.h"
#include "platform/recording_host.h"

namespace {

bool IsPageSide(double points) { return std::isfinite(points) && points >= 3 && points <= 14400; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static platform::RecordingHost host;
  static pdf::vaROR writer(host);
  fuzzinput::Reader in({data, size});
  while (!in.Empty()) {
    std::visit([](const auto& argument) { writer.PDFFormatPage(argument); },
               fuzzinput::ReadPageFormat(in));
    if (in.Byte() % 2 == 1) writer.PDFOrientation(in.Int32());
    if (host.messages.size() > 2) std::abort();
    if (!IsPageSide(writer.PDFGetPageWidth()) || !IsPageSide(writer.PDFGetPageHeight())) {
      std::abort();
    }
    host.messages.clear();
  }
  return 0;
}
