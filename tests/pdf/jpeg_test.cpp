// SPDX-License-Identifier: EUPL-1.2
// The JPEG header reader on files made here; each case is also written out as a seed for
// the fuzz target.
#include "pdf/jpeg.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <span>

#include "jpeg_maker.h"
#include "test_support/files.h"

namespace {

using pdf::JpegRefusal;
using pdftest::MakeJpeg;

pdf::JpegHeader Parse(const std::string& bytes) {
  return pdf::ParseJPEG(
      std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

// The file with `bytes` put in place of the frame header's first `count` bytes.
std::string WithFrameHeader(std::string jpeg, const std::string& bytes, std::size_t count) {
  return jpeg.replace(jpeg.find("\xFF\xC0"), count, bytes);
}

std::string InsertBeforeFrameHeader(std::string jpeg, const std::string& bytes) {
  return jpeg.insert(jpeg.find("\xFF\xC0"), bytes);
}

struct HeaderCase {
  const char* name;
  std::string bytes;
  JpegRefusal refusal;
  int value;  // refused value, or width
  int height;
  int components;
};

std::vector<HeaderCase> HeaderCases() {
  const std::string rgb = MakeJpeg(300, 200, 3);
  const std::string cmyk = MakeJpeg(16, 8, 4);
  // A frame header as it would appear inside compressed data: 16 x 16, 3 components.
  const std::string false_frame =
      pdftest::Segment(0xC0, std::string("\x08\x00\x10\x00\x10\x03", 6));
  std::string no_end = rgb;
  no_end.back() = '\0';
  std::string no_start = rgb;
  no_start[1] = '\xE0';
  std::string scan_with_frame_bytes = rgb;
  scan_with_frame_bytes.insert(rgb.size() - 2, false_frame + "\xFF\xC0\xFF\xFF");
  return {
      {"grey", MakeJpeg(300, 200, 1), JpegRefusal::None, 300, 200, 1},
      {"rgb", rgb, JpegRefusal::None, 300, 200, 3},
      {"cmyk", cmyk, JpegRefusal::None, 16, 8, 4},
      {"progressive", MakeJpeg({.width = 40, .height = 30, .progressive = true}), JpegRefusal::None,
       40, 30, 3},
      {"units-0", MakeJpeg({.density_unit = 0}), JpegRefusal::None, 8, 8, 3},
      {"units-1", MakeJpeg({.density_unit = 1}), JpegRefusal::None, 8, 8, 3},
      {"units-2", MakeJpeg({.density_unit = 2}), JpegRefusal::None, 8, 8, 3},
      {"units-3", MakeJpeg({.density_unit = 3}), JpegRefusal::BadDensityUnit, 3, 0, 0},
      {"units-255", MakeJpeg({.density_unit = 255}), JpegRefusal::BadDensityUnit, 255, 0, 0},
      {"no-jfif", MakeJpeg({.density_unit = -1}), JpegRefusal::None, 8, 8, 3},
      // Only a JFIF segment has a density unit: the byte at its place in JFXX means nothing.
      {"jfxx",
       InsertBeforeFrameHeader(rgb, pdftest::Segment(0xE0, std::string("JFXX\0\x13\x07\x09", 8))),
       JpegRefusal::None, 300, 200, 3},
      {"249-bytes", MakeJpeg({.size = 249}), JpegRefusal::NotJpeg, 0, 0, 0},
      {"250-bytes", MakeJpeg({.size = 250}), JpegRefusal::None, 8, 8, 3},
      {"empty", "", JpegRefusal::NotJpeg, 0, 0, 0},
      {"no-ffd9", no_end, JpegRefusal::BadMarkers, 0, 0, 0},
      {"no-ffd8", no_start, JpegRefusal::BadMarkers, 0, 0, 0},
      // The walk stops at the scan: marker-like bytes in the compressed data are never read.
      {"ffc0-in-scan", scan_with_frame_bytes, JpegRefusal::None, 300, 200, 3},
      {"fill-bytes", InsertBeforeFrameHeader(cmyk, "\xFF\xFF\xFF"), JpegRefusal::None, 16, 8, 4},
      {"two-components", MakeJpeg(8, 8, 2), JpegRefusal::BadComponentCount, 2, 0, 0},
      {"five-components", MakeJpeg(8, 8, 5), JpegRefusal::BadComponentCount, 5, 0, 0},
      {"no-frame-header", WithFrameHeader(rgb, "\xFF\xE1", 2), JpegRefusal::NoFrameHeader, 0, 0, 0},
      {"zero-height", WithFrameHeader(rgb, std::string("\xFF\xC0\x00\x11\x08\x00\x00", 7), 7),
       JpegRefusal::NoFrameHeader, 0, 0, 0},
      {"short-frame-header", WithFrameHeader(rgb, std::string("\xFF\xC0\x00\x05", 4), 4),
       JpegRefusal::NoFrameHeader, 0, 0, 0},
      // A segment whose length runs past the end of the file, before any frame header.
      {"cut-segment", InsertBeforeFrameHeader(cmyk, "\xFF\xE1\xFF\xF0"), JpegRefusal::NoFrameHeader,
       0, 0, 0},
      {"garbage-between-segments", InsertBeforeFrameHeader(rgb, "\x01\x02"),
       JpegRefusal::NoFrameHeader, 0, 0, 0},
  };
}

// Each made file gives its size and colour model or the refusal its defect calls for.
class JpegHeaderTest : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(JpegHeaderTest, SizeAndColoursOrRefusal) {
  const HeaderCase& c = GetParam();
  pdftest::WriteFuzzSeed("jpeg", std::string(c.name) + ".jpg", c.bytes);
  pdf::JpegHeader header = Parse(c.bytes);
  EXPECT_EQ(header.refusal, c.refusal) << c.name;
  if (c.refusal == JpegRefusal::None) {
    EXPECT_EQ(header.width, c.value) << c.name;
    EXPECT_EQ(header.height, c.height) << c.name;
    EXPECT_EQ(header.components, c.components) << c.name;
  } else {
    EXPECT_EQ(header.refused_value, c.value) << c.name;
  }
}

INSTANTIATE_TEST_SUITE_P(MadeFiles, JpegHeaderTest, ::testing::ValuesIn(HeaderCases()));

}  // namespace
