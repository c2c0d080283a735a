// SPDX-License-Identifier: EUPL-1.2
// libFuzzer entry for the JPEG header reader: any bytes must be read without touching
// memory outside them, and a header it accepts must be one an image object can carry.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "pdf/jpeg.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const pdf::JpegHeader header = pdf::ParseJPEG(std::span(data, size));
  const bool usable =
      header.width > 0 && header.height > 0 && pdf::ColourSpaceName(header.components)[0] != '\0';
  if (header.refusal == pdf::JpegRefusal::None && !usable) std::abort();
  if (header.refused_value < 0 || header.refused_value > 255) std::abort();
  return 0;
}
