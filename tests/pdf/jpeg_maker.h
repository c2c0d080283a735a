// SPDX-License-Identifier: EUPL-1.2
// Small real JPEG files made by the tests themselves: every block a flat mid grey, coded
// with one-symbol Huffman tables, so that any decoder reads them and their bytes are known.
#pragma once

#include <cstddef>
#include <string>

namespace pdftest {

struct JpegOptions {
  int width = 8;
  int height = 8;
  int components = 3;        // 1 grey, 3 YCbCr, 4 CMYK; other counts for refusals
  bool progressive = false;  // SOF2 with a single DC scan instead of SOF0
  int density_unit = 1;      // of the JFIF segment; negative: no JFIF segment
  bool adobe = false;        // an APP14 "Adobe" segment after the JFIF one
  std::size_t size = 300;    // a comment segment pads a shorter file to exactly this size
};

std::string MakeJpeg(const JpegOptions& options);
std::string MakeJpeg(int width, int height, int components);

// The bytes as the segment marker FF xx and its two-byte length.
std::string Segment(unsigned char marker, const std::string& body);

}  // namespace pdftest
