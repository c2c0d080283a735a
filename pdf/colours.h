// SPDX-License-Identifier: EUPL-1.2
// Colours as callers give them and as content streams write them.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

namespace pdf {

// A colour in one of the three forms the colour setters take: a Windows colour number
// 0xBBGGRR (255 is red, 16777215 white), an HTML string "#RRGGBB", or three components
// 0..255. Built implicitly from any of them, so each setter takes every form.
class ColorValue {
 public:
  template <typename Number>
  requires std::is_arithmetic_v<Number> ColorValue(Number number)
      : value_(static_cast<double>(number)) {}
  ColorValue(const char* html) : value_(std::string(html)) {}
  ColorValue(std::string html) : value_(std::move(html)) {}
  ColorValue(std::array<double, 3> components) : value_(components) {}
  ColorValue(double red, double green, double blue) : value_(std::array{red, green, blue}) {}

  const std::variant<double, std::string, std::array<double, 3>>& value() const { return value_; }

 private:
  std::variant<double, std::string, std::array<double, 3>> value_;
};

struct Rgb {
  int red, green, blue;  // 0..255
};

// "#" and six or more hexadecimal digits, of which the last six are RRGGBB.
std::optional<Rgb> HtmlToRGB(std::string_view html);
// A Windows colour number from 0 to 16777215; its fraction is dropped.
std::optional<Rgb> LongToRGB(double number);
// Three components, each rounded to a whole number from 0 to 255.
std::optional<Rgb> ComponentsToRGB(const std::array<double, 3>& components);

enum class Paint { Fill, Stroke };
// "r g b rg" (fill) or "r g b RG" (stroke), each component / 255 with three decimals.
void AppendColorOperator(std::string& out, const Rgb& rgb, Paint paint);

}  // namespace pdf
