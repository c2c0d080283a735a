// SPDX-License-Identifier: EUPL-1.2
// libFuzzer entry for the three colour forms: whatever the value, each setter stores an
// operator of three shares from 0.000 to 1.000, or shows its message and stores black.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <string>

#include "fuzz/setter_calls.h"

namespace {

bool IsShare(const std::string& text) {
  static const std::regex kShare("(0\\.[0-9]{3}|1\\.000)");
  return std::regex_match(text, kShare);
}

bool IsOperator(const std::string& text, const char* paint) {
  if (text.size() != 20 || text.substr(18) != paint) return false;
  return IsShare(text.substr(0, 5)) && IsShare(text.substr(6, 5)) && IsShare(text.substr(12, 5));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzinput::PlaySetterCalls(
      data, size, [](fuzzinput::Reader& in, pdf::vaROR& writer, platform::RecordingHost& host) {
        const pdf::ColorValue colour = fuzzinput::ReadColour(in);
        writer.PDFSetTextColor(colour);
        writer.PDFSetLineColor(colour);
        writer.PDFSetDrawColor(colour);
        if (!IsOperator(writer.PDFGetTextColor(), "rg") ||
            !IsOperator(writer.PDFGetDrawColor(), "rg") ||
            !IsOperator(writer.PDFGetLineColor(), "RG")) {
          std::abort();
        }
        // A refused colour is told by each setter, and black is used.
        const bool refused = !host.messages.empty();
        if (refused &&
            (host.messages.size() != 3 || writer.PDFGetTextColor() != "0.000 0.000 0.000 rg")) {
          std::abort();
        }
      });
  return 0;
}
