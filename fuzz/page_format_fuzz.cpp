// SPDX-License-Identifier: EUPL-1.2
// libFuzzer entry for PDFFormatPage's argument forms and the orientation after them: the
// page always ends up with sides readers accept, and a refused argument is told once.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <variant>

#include "fuzz/setter_calls.h"

namespace {

bool IsPageSide(double points) { return std::isfinite(points) && points >= 3 && points <= 14400; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzinput::PlaySetterCalls(
      data, size, [](fuzzinput::Reader& in, pdf::vaROR& writer, platform::RecordingHost& host) {
        std::visit([&writer](const auto& argument) { writer.PDFFormatPage(argument); },
                   fuzzinput::ReadPageFormat(in));
        if (in.Byte() % 2 == 1) writer.PDFOrientation(in.Int32());
        if (host.messages.size() > 2) std::abort();
        if (!IsPageSide(writer.PDFGetPageWidth()) || !IsPageSide(writer.PDFGetPageHeight())) {
          std::abort();
        }
      });
  return 0;
}
