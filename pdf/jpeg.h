// SPDX-License-Identifier: EUPL-1.2
// The little a PDF needs to know of a JPEG file, read from the segments before its scan:
// the pixel size and the colour model. The compressed data is never decoded; the file goes
// into the PDF unchanged.
#pragma once

#include <cstdint>
#include <span>

namespace pdf {

// Why a file cannot be placed; None when its header was read.
enum class JpegRefusal {
  None,
  NotJpeg,            // unreadable, or smaller than any JPEG file worth placing
  BadMarkers,         // no FF D8 at the start or no FF D9 at the end
  BadDensityUnit,     // the JFIF density unit is not 0, 1 or 2
  BadComponentCount,  // the frame header has other than 1, 3 or 4 components
  NoFrameHeader,      // no usable frame header before the scan, or a segment cut short
};

struct JpegHeader {
  JpegRefusal refusal = JpegRefusal::None;
  int refused_value = 0;  // the density unit or the component count that was refused
  int width = 0;          // pixels
  int height = 0;         // pixels
  int components = 0;     // 1 grey, 3 RGB, 4 CMYK
  bool adobe = false;     // an APP14 "Adobe" segment: CMYK data is stored inverted
};

// Random access to the bytes of one file, so that a large file is read only where needed.
class JpegSource {
 public:
  virtual ~JpegSource() = default;
  virtual std::uint64_t Size() const = 0;
  // Fills `out` with the bytes that start at `offset`; false when they cannot be read.
  // Never asked for bytes beyond Size().
  virtual bool Read(std::uint64_t offset, std::span<std::uint8_t> out) = 0;
};

JpegHeader ParseJPEG(JpegSource& source);
JpegHeader ParseJPEG(std::span<const std::uint8_t> bytes);

// "DeviceGray", "DeviceRGB" or "DeviceCMYK"; empty for any other count.
const char* ColourSpaceName(int components);

}  // namespace pdf
