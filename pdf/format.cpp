// SPDX-License-Identifier: EUPL-1.2
#include "pdf/format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "platform/encoding.h"
#include "platform/number_text.h"

namespace pdf {
namespace {

// Shortest round-trip digits of a finite value in fixed notation, without the sign.
std::string ShortestDigits(double magnitude) {
  char buffer[400];
  auto result = platform::ToCharsFixed(buffer, buffer + sizeof buffer, magnitude);
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

// "00" to "99": digits are written two at a time.
constexpr std::array<char, 200> kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (std::size_t i = 0; i < 100; ++i) {
    pairs[2 * i] = static_cast<char>('0' + i / 10);
    pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

// Write the last two digits, or the last digit, of `number` before `p` and drop them from
// it; return the new start.
char* PutPair(char* p, std::int64_t& number) {
  const std::int64_t rest = number / 100;
  p -= 2;
  std::memcpy(p, &kDigitPairs[static_cast<std::size_t>(2 * (number - 100 * rest))], 2);
  number = rest;
  return p;
}
char* PutDigit(char* p, std::int64_t& number) {
  const std::int64_t rest = number / 10;
  *--p = static_cast<char>('0' + (number - 10 * rest));
  number = rest;
  return p;
}

// Hundredths written as "whole.hh", in 32 bits: the form of nearly every number of a page.
char* PutCentesimal(char* p, std::uint32_t hundredths) {
  std::uint32_t whole = hundredths / 100;
  p -= 2;
  std::memcpy(p, &kDigitPairs[2 * (hundredths - 100 * whole)], 2);
  *--p = '.';
  while (whole >= 100) {
    const std::uint32_t rest = whole / 100;
    p -= 2;
    std::memcpy(p, &kDigitPairs[2 * (whole - 100 * rest)], 2);
    whole = rest;
  }
  if (whole >= 10) {
    p -= 2;
    std::memcpy(p, &kDigitPairs[2 * whole], 2);
  } else {
    *--p = static_cast<char>('0' + whole);
  }
  return p;
}

constexpr std::array<double, 7> kPowersOfTen = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};
// Below this magnitude a value times 10^6 is an exact integer in a double, and two values a
// millionth apart never share their shortest digits: the integer rounding below is exact.
constexpr double kFixedPointLimit = 536870912;  // 2^29

// The same rounding on integers. The shortest form of m reaches the half-way decimal
// (n + 0.5) / 10^d exactly when m is at least the double nearest to it, and that double is
// what one correctly rounded division gives.
std::size_t FormatFixedPoint(char* dest, double value, int decimals) {
  const double magnitude = std::fabs(value);
  if (!(magnitude < kFixedPointLimit) || static_cast<unsigned>(decimals) > 6) return 0;
  const double scale = kPowersOfTen[static_cast<std::size_t>(decimals)];
  // The product is at most one unit off near a half-way point: the divisions settle it.
  auto n = static_cast<std::int64_t>(magnitude * scale + 0.5);
  const double nearest = static_cast<double>(n);
  if (magnitude < (nearest - 0.5) / scale) {
    --n;
  } else if (magnitude >= (nearest + 0.5) / scale) {
    ++n;
  }
  // Digits from the last, two at a time, right-aligned in a buffer that one fixed-size copy
  // empties.
  char digits[2 * kLongestFixedPoint];
  char* const end = digits + kLongestFixedPoint;
  char* p = end;
  const bool negative = value < 0 && n != 0;
  if (decimals == 2 && n <= std::numeric_limits<std::uint32_t>::max()) {
    p = PutCentesimal(p, static_cast<std::uint32_t>(n));  // the content streams' own form
  } else {
    int fraction_digits = decimals;
    for (; fraction_digits >= 2; fraction_digits -= 2) p = PutPair(p, n);
    if (fraction_digits == 1) p = PutDigit(p, n);
    *--p = '.';
    while (n >= 100) p = PutPair(p, n);
    p = n >= 10 ? PutPair(p, n) : PutDigit(p, n);
  }
  if (negative) *--p = '-';
  std::memcpy(dest, p, kLongestFixedPoint);
  return static_cast<std::size_t>(end - p);
}

}  // namespace

// A page repeats its numbers: sizes, line widths, the coordinates of a row or a column.
// The texts of the last numbers written are kept by their bits, so that a repeated number is
// copied rather than formatted again; a slot holds the last number that fell into it.
std::size_t WriteFixedPoint(char* dest, double value, int decimals) {
  struct Written {
    std::uint64_t bits = 0;
    int decimals = -1;  // nothing yet
    std::size_t size = 0;
    char text[kLongestFixedPoint];
  };
  thread_local std::array<Written, 256> recent;
  const auto bits = platform::BitCast<std::uint64_t>(value);
  Written& slot =
      recent[((bits ^ static_cast<std::uint64_t>(decimals)) * 0x9E3779B97F4A7C15u) >> 56];
  if (slot.bits == bits && slot.decimals == decimals) {
    std::memcpy(dest, slot.text, kLongestFixedPoint);
    return slot.size;
  }
  const std::size_t size = FormatFixedPoint(dest, value, decimals);
  if (size != 0) {
    slot.bits = bits;
    slot.decimals = decimals;
    slot.size = size;
    std::memcpy(slot.text, dest, kLongestFixedPoint);
  }
  return size;
}

Composer& Composer::Overflow(std::string_view text) {
  Done();
  if (text.size() > kRoom) {
    out_.append(text.data(), text.size());
    return *this;
  }
  return Text(text);
}

Composer& Composer::NumberFromDigits(double value, int decimals) {
  if (!std::isfinite(value)) value = 0;
  value = std::clamp(value, -kLargestNumber, kLargestNumber);
  return Text(FormatNumberFromDigits(value, std::max(decimals, 0)));
}

Composer& Composer::Numbers(std::initializer_list<double> values, int decimals) {
  bool first = true;
  for (double value : values) {
    if (!first) Text(" ");
    first = false;
    Number(value, decimals);
  }
  return *this;
}

Composer& Composer::Integer(std::int64_t number) {
  if (size_ + 24 > kRoom) Done();
  size_ = static_cast<std::size_t>(std::to_chars(text_ + size_, text_ + kRoom, number).ptr - text_);
  return *this;
}

Composer& Composer::Plain(double value) { return Text(FormatPlain(value)); }

Composer& Composer::Escaped(std::string_view text) {
  static constexpr std::array<bool, 256> kEscaped = [] {
    std::array<bool, 256> escaped{};
    for (unsigned char c : {'\\', '(', ')'}) escaped[c] = true;
    return escaped;
  }();
  // Runs without a character to escape are copied whole.
  std::size_t run = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!kEscaped[static_cast<unsigned char>(text[i])]) continue;
    Text(text.substr(run, i - run)).Text("\\");
    run = i;  // the character itself starts the next run
  }
  return Text(text.substr(run));
}

Composer& Composer::TextString(std::string_view utf8) {
  std::string held;
  if (platform::AppendHeldByWindows1252(held, utf8)) return Text("(").Escaped(held).Text(")");
  return Text("<FEFF").Text(platform::Utf16BeHex(utf8)).Text(">");
}

void Composer::Done() {
  out_.append(text_, size_);
  size_ = 0;
}

std::string FormatNumber(double value, int decimals) {
  std::string text;
  Composer(text).Number(value, decimals).Done();
  return text;
}

std::string PadOffset(std::int64_t number) {
  std::string digits = std::to_string(number);
  if (digits.size() < 10) digits.insert(0, 10 - digits.size(), '0');
  return digits;
}

namespace {

// At most 15 significant digits, no trailing zeros, no exponent.
std::string PlainDigits(double value) {
  char buffer[64];
  auto result = platform::ToCharsGeneral(buffer, buffer + sizeof buffer, value, 15);
  double rounded = 0;
  platform::FromChars(buffer, result.ptr, rounded);
  std::string text = ShortestDigits(std::fabs(rounded));
  return (rounded < 0 ? "-" : "") + text;
}

}  // namespace

std::string FormatPlain(double value) {
  // Written in full, 5e-324 would take 326 characters.
  if (!std::isfinite(value) || std::fabs(value) < kSmallestPlain) return "0";
  return PlainDigits(std::clamp(value, -kLargestNumber, kLargestNumber));
}

std::string MessageNumber(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Inf" : "Inf";
  return PlainDigits(value);
}

int RoundToInt16(double value) {
  if (!std::isfinite(value)) return 0;
  double rounded = std::nearbyint(value);
  rounded = std::clamp(rounded, double{std::numeric_limits<std::int16_t>::min()},
                       double{std::numeric_limits<std::int16_t>::max()});
  return static_cast<int>(rounded);
}

}  // namespace pdf
