// SPDX-License-Identifier: EUPL-1.2
// The bytes a fuzz target receives, read as the values of the calls it makes; and the same
// layout written by the tests, whose cases become the targets' seeds.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "pdf/colours.h"

namespace fuzzinput {

// Writes bytes to the file `name`, of this process's own, under the temporary folder; its path.
std::filesystem::path WriteTemporaryFile(const std::string& name, std::string_view bytes);

// Past the end every value reads as zero bytes: any input is a complete sequence of calls.
class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  bool Empty() const { return position_ >= bytes_.size(); }
  std::uint8_t Byte();
  std::int32_t Int32();
  double Double();     // 8 bytes as they are: NaN, infinities and huge values included
  double Number();     // mostly a coordinate in quarters of a point, sometimes any double
  std::string Text();  // a length byte, then that many bytes
  std::string Blob();  // a two-byte length, then that many bytes
  std::string Rest();  // every byte left

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

class Writer {
 public:
  Writer& Byte(std::uint8_t value);
  Writer& Int32(std::int32_t value);
  Writer& Double(double value);
  Writer& Number(double value);  // as Reader::Number reads it
  Writer& Text(std::string_view text);
  Writer& Blob(std::string_view bytes);
  Writer& Rest(std::string_view bytes);
  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

// A colour in one of the three forms the colour setters take: a form byte, then its value.
pdf::ColorValue ReadColour(Reader& in);
void WriteColour(Writer& out, const pdf::ColorValue& colour);

// PDFFormatPage's argument forms: a format code, a pair of sides, or a text.
using PageFormat = std::variant<std::int32_t, std::array<double, 2>, std::string>;
PageFormat ReadPageFormat(Reader& in);
void WritePageFormat(Writer& out, const PageFormat& format);

}  // namespace fuzzinput
