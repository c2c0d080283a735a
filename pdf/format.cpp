#include "pdf/format.h"

#include <algorithm>
#include <array>
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

// Rounds the shortest decimal form of `value` (the digits that read back as it), so that
// 2.675 gives 2.68, not the digits of its binary neighbour 2.67499999...
std::string FormatNumberFromDigits(double value, int decimals) {
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

constexpr std::array<double, 7> kPowersOfTen = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};
// Below this magnitude a value times 10^6 is an exact integer in a double, and two values a
// millionth apart never share their shortest digits: the integer rounding below is exact.
constexpr double kFixedPointLimit = 536870912;  // 2^29

// The same rounding on integers. The shortest form of m reaches the half-way decimal
// (n + 0.5) / 10^d exactly when m is at least the double nearest to it, and that double is
// what one correctly rounded division gives.
bool AppendFixedPoint(std::string& out, double value, int decimals) {
  const double magnitude = std::fabs(value);
  if (!(magnitude < kFixedPointLimit) || decimals > 6) return false;
  const double scale = kPowersOfTen[static_cast<std::size_t>(decimals)];
  auto n = static_cast<std::int64_t>(magnitude * scale + 0.5);
  while (n > 0 && magnitude < (static_cast<double>(n) - 0.5) / scale) --n;
  while (magnitude >= (static_cast<double>(n) + 0.5) / scale) ++n;
  char text[32];
  char* end = text + sizeof text;
  char* p = end;
  for (int i = 0; i < decimals; ++i, n /= 10) *--p = static_cast<char>('0' + n % 10);
  *--p = '.';
  do {
    *--p = static_cast<char>('0' + n % 10);
    n /= 10;
  } while (n > 0);
  const bool zero = std::all_of(p, end, [](char c) { return c == '0' || c == '.'; });
  if (value < 0 && !zero) *--p = '-';
  out.append(p, end);
  return true;
}

}  // namespace

void AppendNumber(std::string& out, double value, int decimals) {
  if (!std::isfinite(value)) value = 0;
  decimals = std::max(decimals, 0);
  if (!AppendFixedPoint(out, value, decimals)) out += FormatNumberFromDigits(value, decimals);
}

void AppendNumbers(std::string& out, std::initializer_list<double> values, int decimals) {
  bool first = true;
  for (double value : values) {
    if (!first) out += ' ';
    first = false;
    AppendNumber(out, value, decimals);
  }
}

void AppendInteger(std::string& out, std::int64_t number) {
  char digits[24];
  out.append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
}

std::string FormatNumber(double value, int decimals) {
  std::string text;
  AppendNumber(text, value, decimals);
  return text;
}

std::string FormatNumbers(std::initializer_list<double> values, int decimals) {
  std::string line;
  AppendNumbers(line, values, decimals);
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

void AppendEscaped(std::string& out, std::string_view text) {
  for (char c : text) {
    if (c == '\\' || c == '(' || c == ')') out += '\\';
    out += c;
  }
}

std::string EscapeString(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  AppendEscaped(escaped, text);
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
