// SPDX-License-Identifier: EUPL-1.2
#include "jpeg_maker.h"

namespace pdftest {
namespace {

std::string Word(int value) {
  return {static_cast<char>(value >> 8 & 0xFF), static_cast<char>(value & 0xFF)};
}

std::string Byte(int value) { return std::string(1, static_cast<char>(value)); }

std::string FrameHeader(const JpegOptions& o) {
  std::string body = Byte(8) + Word(o.height) + Word(o.width) + Byte(o.components);
  for (int c = 1; c <= o.components; ++c) body += Byte(c) + Byte(0x11) + Byte(0);
  return Segment(o.progressive ? 0xC2 : 0xC0, body);
}

// One DC and one AC table, each with the single code "0": for difference 0 and end of block.
std::string HuffmanTables() {
  std::string one_code = Byte(1) + std::string(15, '\0') + Byte(0);
  return Segment(0xC4, Byte(0x00) + one_code + Byte(0x10) + one_code);
}

std::string ScanHeader(const JpegOptions& o) {
  std::string body = Byte(o.components);
  for (int c = 1; c <= o.components; ++c) body += Byte(c) + Byte(0x00);
  return Segment(0xDA, body + Byte(0) + Byte(o.progressive ? 0 : 63) + Byte(0));
}

// Each block costs one zero bit for its DC difference, and one more for its end of block
// in a baseline scan; the last byte is padded with one bits.
std::string ScanData(const JpegOptions& o) {
  long blocks = static_cast<long>((o.width + 7) / 8) * ((o.height + 7) / 8);
  long bits = blocks * o.components * (o.progressive ? 1 : 2);
  std::string data(static_cast<std::size_t>((bits + 7) / 8), '\0');
  if (bits % 8 != 0) data.back() = static_cast<char>(0xFF >> (bits % 8));
  return data;
}

}  // namespace

std::string Segment(unsigned char marker, const std::string& body) {
  return "\xFF" + Byte(marker) + Word(static_cast<int>(body.size()) + 2) + body;
}

std::string MakeJpeg(const JpegOptions& o) {
  std::string jfif;
  if (o.density_unit >= 0) {
    jfif = Segment(0xE0, std::string("JFIF\0", 5) + Byte(1) + Byte(1) + Byte(o.density_unit) +
                             Word(72) + Word(72) + Byte(0) + Byte(0));
  }
  // Version 100, no flags, no colour transform.
  if (o.adobe) jfif += Segment(0xEE, "Adobe" + Word(100) + Word(0) + Word(0) + Byte(0));
  std::string tables = Segment(0xDB, Byte(0) + std::string(64, '\1')) + FrameHeader(o) +
                       HuffmanTables() + ScanHeader(o) + ScanData(o) + "\xFF\xD9";
  std::size_t bare = 2 + jfif.size() + tables.size();
  std::string comment;
  if (o.size >= bare + 4) comment = Segment(0xFE, std::string(o.size - bare - 4, 'c'));
  return "\xFF\xD8" + jfif + comment + tables;
}

std::string MakeJpeg(int width, int height, int components) {
  JpegOptions options;
  options.width = width;
  options.height = height;
  options.components = components;
  return MakeJpeg(options);
}

}  // namespace pdftest
