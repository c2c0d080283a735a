// SPDX-License-Identifier: EUPL-1.2
#include "fuzz/fuzz_input.h"

#include <unistd.h>
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace fuzzinput {
namespace {

// Reader::Number: this first byte announces a raw double.
constexpr std::uint8_t kRawDouble = 0xFF;
constexpr double kQuarters = 4.0;

template <typename Value>
Value ReadBytes(Reader& in) {
  std::array<std::uint8_t, sizeof(Value)> bytes{};
  for (auto& byte : bytes) byte = in.Byte();
  return std::bit_cast<Value>(bytes);
}

template <typename Value>
void WriteBytes(Writer& out, Value value) {
  for (std::uint8_t byte : std::bit_cast<std::array<std::uint8_t, sizeof(Value)>>(value)) {
    out.Byte(byte);
  }
}

}  // namespace

std::uint8_t Reader::Byte() { return Empty() ? 0 : bytes_[position_++]; }
std::int32_t Reader::Int32() { return ReadBytes<std::int32_t>(*this); }
double Reader::Double() { return ReadBytes<double>(*this); }

double Reader::Number() {
  const std::uint8_t low = Byte();
  if (low == kRawDouble) return Double();
  const auto quarters = static_cast<std::int16_t>(low | Byte() << 8);
  return quarters / kQuarters;
}

std::string Reader::Text() {
  std::string text(Byte(), '\0');
  for (char& c : text) c = static_cast<char>(Byte());
  return text;
}

std::string Reader::Blob() {
  std::string bytes(static_cast<std::size_t>(Byte() | Byte() << 8), '\0');
  for (char& c : bytes) c = static_cast<char>(Byte());
  return bytes;
}

std::string Reader::Rest() {
  std::string rest;
  while (!Empty()) rest += static_cast<char>(Byte());
  return rest;
}

Writer& Writer::Byte(std::uint8_t value) {
  bytes_ += static_cast<char>(value);
  return *this;
}
Writer& Writer::Int32(std::int32_t value) {
  WriteBytes(*this, value);
  return *this;
}
Writer& Writer::Double(double value) {
  WriteBytes(*this, value);
  return *this;
}

Writer& Writer::Number(double value) {
  const double quarters = value * kQuarters;
  const bool fits = quarters >= -32768 && quarters <= 32767 && quarters == std::trunc(quarters);
  const auto whole = fits ? static_cast<std::int16_t>(quarters) : std::int16_t{0};
  if (!fits || (whole & 0xFF) == kRawDouble) return Byte(kRawDouble).Double(value);
  return Byte(static_cast<std::uint8_t>(whole & 0xFF))
      .Byte(static_cast<std::uint8_t>(whole >> 8 & 0xFF));
}

Writer& Writer::Text(std::string_view text) {
  Byte(static_cast<std::uint8_t>(text.size()));
  return Rest(text.substr(0, 255));
}

Writer& Writer::Blob(std::string_view bytes) {
  const std::size_t size = std::min<std::size_t>(bytes.size(), 0xFFFF);
  Byte(static_cast<std::uint8_t>(size & 0xFF)).Byte(static_cast<std::uint8_t>(size >> 8));
  return Rest(bytes.substr(0, size));
}

Writer& Writer::Rest(std::string_view bytes) {
  bytes_ += bytes;
  return *this;
}

pdf::ColorValue ReadColour(Reader& in) {
  switch (in.Byte() % 3) {
    case 0: return pdf::ColorValue(in.Double());
    case 1: return pdf::ColorValue(in.Text());
    default: {
      const double red = in.Double(), green = in.Double(), blue = in.Double();
      return pdf::ColorValue(red, green, blue);
    }
  }
}

void WriteColour(Writer& out, const pdf::ColorValue& colour) {
  const auto& value = colour.value();
  out.Byte(static_cast<std::uint8_t>(value.index()));
  if (const auto* number = std::get_if<double>(&value)) out.Double(*number);
  if (const auto* html = std::get_if<std::string>(&value)) out.Text(*html);
  if (const auto* components = std::get_if<std::array<double, 3>>(&value)) {
    for (double component : *components) out.Double(component);
  }
}

PageFormat ReadPageFormat(Reader& in) {
  switch (in.Byte() % 3) {
    case 0: return in.Int32();
    case 1: {
      const double width = in.Double(), height = in.Double();
      return std::array{width, height};
    }
    default: return in.Text();
  }
}

void WritePageFormat(Writer& out, const PageFormat& format) {
  out.Byte(static_cast<std::uint8_t>(format.index()));
  if (const auto* code = std::get_if<std::int32_t>(&format)) out.Int32(*code);
  if (const auto* sides = std::get_if<std::array<double, 2>>(&format)) {
    out.Double((*sides)[0]).Double((*sides)[1]);
  }
  if (const auto* text = std::get_if<std::string>(&format)) out.Text(*text);
}

std::filesystem::path WriteTemporaryFile(const std::string& name, std::string_view bytes) {
  const auto path =
      std::filesystem::temp_directory_path() / (std::to_string(getpid()) + "-" + name);
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) std::abort();
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
  return path;
}

}  // namespace fuzzinput
