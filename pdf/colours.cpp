// SPDX-License-Identifier: EUPL-1.2
// The three colour slots: text, line and draw (fill) colour, held as operator text.
#include "pdf/colours.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstring>

#include "pdf/format.h"
#include "pdf/vaROR.h"

namespace pdf {
namespace {

constexpr int kHexDigits = 6;

int HexByte(std::string_view two) { return std::stoi(std::string(two), nullptr, 16); }

std::string ShownComponents(const std::array<double, 3>& components) {
  return "(" + MessageNumber(components[0]) + ", " + MessageNumber(components[1]) + ", " +
         MessageNumber(components[2]) + ")";
}

}  // namespace

std::optional<Rgb> HtmlToRGB(std::string_view html) {
  if (!html.starts_with('#')) return std::nullopt;
  std::string_view digits = html.substr(1);
  bool all_hex = std::all_of(digits.begin(), digits.end(),
                             [](unsigned char c) { return std::isxdigit(c) != 0; });
  if (digits.size() < kHexDigits || !all_hex) return std::nullopt;
  digits = digits.substr(digits.size() - kHexDigits);
  return Rgb{HexByte(digits.substr(0, 2)), HexByte(digits.substr(2, 2)),
             HexByte(digits.substr(4, 2))};
}

std::optional<Rgb> LongToRGB(double number) {
  // In this range dropping the fraction is flooring; below it, flooring gives a negative.
  if (!(number >= 0 && number < 0x1000000)) return std::nullopt;  // also refuses NaN
  const auto n = static_cast<long>(number);
  return Rgb{static_cast<int>(n & 0xFF), static_cast<int>((n >> 8) & 0xFF),
             static_cast<int>(n >> 16)};
}

std::optional<Rgb> ComponentsToRGB(const std::array<double, 3>& components) {
  std::array<int, 3> whole{};
  for (std::size_t i = 0; i < components.size(); ++i) {
    double rounded = std::nearbyint(components[i]);
    if (!(rounded >= 0 && rounded <= 255)) return std::nullopt;
    whole[i] = static_cast<int>(rounded);
  }
  return Rgb{whole[0], whole[1], whole[2]};
}

void AppendColorOperator(std::string& out, const Rgb& rgb, Paint paint) {
  // The 256 shares a component can have, formatted once: "0.000" to "1.000".
  using Share = std::array<char, 5>;
  static const std::array<Share, 256> kShares = [] {
    std::array<Share, 256> shares{};
    for (std::size_t i = 0; i < shares.size(); ++i) {
      const std::string text = FormatNumber(static_cast<double>(i) / 255.0, 3);
      std::copy_n(text.begin(), shares[i].size(), shares[i].begin());
    }
    return shares;
  }();
  char text[] = "0.000 0.000 0.000 rg";
  char* p = text;
  for (int component : {rgb.red, rgb.green, rgb.blue}) {
    std::memcpy(p, kShares[static_cast<std::size_t>(component)].data(), sizeof(Share));
    p += sizeof(Share) + 1;
  }
  if (paint == Paint::Stroke) std::memcpy(p, "RG", 2);
  out.append(text, sizeof text - 1);
}

void vaROR::PDFSetTextColor(const ColorValue& gColor) {
  SetColor(str_TextColor, in_TextRgb, gColor, Paint::Fill);
}
void vaROR::PDFSetLineColor(const ColorValue& gColor) {
  SetColor(str_LineColor, in_LineRgb, gColor, Paint::Stroke);
}
void vaROR::PDFSetDrawColor(const ColorValue& gColor) {
  SetColor(str_DrawColor, in_DrawRgb, gColor, Paint::Fill);
}
std::string vaROR::PDFGetTextColor() const { return str_TextColor; }
std::string vaROR::PDFGetLineColor() const { return str_LineColor; }
std::string vaROR::PDFGetDrawColor() const { return str_DrawColor; }

// Written over the slot's own text, whose room every colour fits. Callers set the same few
// colours again and again (black text, white boxes): a slot that already holds the colour's
// operator keeps it.
void vaROR::SetColor(std::string& slot, std::int32_t& slot_rgb, const ColorValue& gColor,
                     Paint paint) {
  std::optional<Rgb> rgb;
  if (const auto* html = std::get_if<std::string>(&gColor.value())) {
    rgb = HtmlToRGB(*html);
    if (!rgb) {
      ShowCritical(
          "Code couleur HTMl invalide " + *html + ".\r\n" + "La couleur utilisée sera le noir.",
          "Couleur HTMl");
    }
  } else {
    const auto* number = std::get_if<double>(&gColor.value());
    const auto* components = std::get_if<std::array<double, 3>>(&gColor.value());
    rgb = number != nullptr ? LongToRGB(*number) : ComponentsToRGB(*components);
    if (!rgb) {
      ShowCritical("Code couleur incorrect : " +
                       (number != nullptr ? MessageNumber(*number) : ShownComponents(*components)) +
                       ".\r\n" + "La couleur utilisée sera le noir.",
                   "Couleur");
    }
  }
  const Rgb colour = rgb.value_or(Rgb{0, 0, 0});
  const std::int32_t packed = colour.red << 16 | colour.green << 8 | colour.blue;
  if (packed == slot_rgb) return;
  slot.clear();
  AppendColorOperator(slot, colour, paint);
  slot_rgb = packed;
}

}  // namespace pdf
