// SPDX-License-Identifier: EUPL-1.2
// libFuzzer entry for the metric file parser: any text must be read without touching memory
// outside it or overflowing, and code 0 never gets a width.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "pdf/afm.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const pdf::WidthTable widths =
      pdf::ParseAfmWidths(std::string_view(reinterpret_cast<const char*>(data), size));
  if (widths[0] != 0) std::abort();
  return 0;
}
