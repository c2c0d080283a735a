#include "pdf/format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace pdf {
namespace {

// Shortest round-trip digits of a finite value in fixed notation, without the sign.
std::string ShortestDigits(double magnitude) {
  char buffer[400];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed);
  return std::string(buffer, result.ptr);
}

// Adds one unit at the last digit of a string of digits (a point may sit inside).
void IncrementDigits(std::string& digits) {
  for (auto i = digits.size(); i-- > 0;) {
    if (digits[i] == '.') continue;
    if (digits[i] != '9') {
      ++digits[i];
      return;
    }
    digits[i] = '0';
  }
  digits.insert(digits.begin(), '1');
}

}  // namespace

std::string FormatNumber(double value, int decimals) {
  if (!std::isfinite(value)) value = 0;
  decimals = std::max(decimals, 0);
  // Rounding the shortest decimal form rounds the number as written (2.675 -> 2.68),
  // not its binary neighbour.
  std::string digits = ShortestDigits(std::fabs(value));
  auto point = digits.find('.');
  if (point == std::string::npos) {
    point = digits.size();
    digits += '.';
  }
  std::size_t keep = point + 1 + static_cast<std::size_t>(decimals);
  bool round_up = digits.size() > keep && digits[keep] >= '5';
  digits.resize(std::max(keep, digits.size()), '0');
  digits.resize(keep);
  if (round_up) IncrementDigits(digits);
  bool zero = digits.find_first_not_of("0.") == std::string::npos;
  return (value < 0 && !zero ? "-" : "") + digits;
}

std::string FormatNumbers(std::initializer_list<double> values, int decimals) {
  std::string line;
  for (double value : values) {
    if (!line.empty()) line += ' ';
    line += FormatNumber(value, decimals);
  }
  return line;
}

std::string PadOffset(std::int64_t number) {
  std::string digits = std::to_string(number);
  if (digits.size() < 10) digits.insert(0, 10 - digits.size(), '0');
  return digits;
}

std::string FormatPlain(double value) {
  if (!std::isfinite(value)) return "0";
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  double rounded = 0;
  std::from_chars(buffer, result.ptr, rounded);
  std::string text = ShortestDigits(std::fabs(rounded));
  return (rounded < 0 ? "-" : "") + text;
}

std::string MessageNumber(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Inf" : "Inf";
  return FormatPlain(value);
}
std::string Ref(int object) { return std::to_string(object) + " 0 R"; }

std::string EscapeString(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (char c : text) {
    if (c == '\\' || c == '(' || c == ')') escaped += '\\';
    escaped += c;
  }
  return escaped;
}

int RoundToInt16(double value) {
  if (!std::isfinite(value)) return 0;
  double rounded = std::nearbyint(value);
  rounded = std::clamp(rounded, double{std::numeric_limits<std::int16_t>::min()},
                       double{std::numeric_limits<std::int16_t>::max()});
  return static_cast<int>(rounded);
}

void AddLine(std::string& buffer, std::string_view text) {
  buffer += text;
  buffer += "\r\n";
}

}  // namespace pdf
