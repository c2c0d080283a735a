// SPDX-License-Identifier: EUPL-1.2
#include "platform/number_text.h"

#include <locale.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The library's own where it has the floating-point forms (it announces them all at once).
#ifdef __cpp_lib_to_chars
std::to_chars_result ToCharsFixed(char* first, char* last, double value) {
  return std::to_chars(first, last, value, std::chars_format::fixed);
}
std::to_chars_result ToCharsGeneral(char* first, char* last, double value, int precision) {
  return std::to_chars(first, last, value, std::chars_format::general, precision);
}
std::from_chars_result FromChars(const char* first, const char* last, double& value) {
  return std::from_chars(first, last, value);
}
#else
std::to_chars_result ToCharsFixed(char* first, char* last, double value) {
  return portable::ToCharsFixed(first, last, value);
}
std::to_chars_result ToCharsGeneral(char* first, char* last, double value, int precision) {
  return portable::ToCharsGeneral(first, last, value, precision);
}
std::from_chars_result FromChars(const char* first, const char* last, double& value) {
  return portable::FromChars(first, last, value);
}
#endif

namespace portable {
namespace {

// 0.d1d2d3... × 10^exponent, without trailing zeros.
struct Decimal {
  std::string digits;
  int exponent = 0;
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

locale_t CLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
  return c;
}

double ReadDecimal(const Decimal& decimal) {
  const std::string text = "0." + decimal.digits + "e" + std::to_string(decimal.exponent);
  return strtod_l(text.c_str(), nullptr, CLocale());
}

// printf's text of a value, with a point whatever the locale.
template <typename... Arguments>
std::string Printed(const char* format, Arguments... arguments) {
  const locale_t before = uselocale(CLocale());
  std::string text(static_cast<std::size_t>(std::snprintf(nullptr, 0, format, arguments...)), '\0');
  std::snprintf(text.data(), text.size() + 1, format, arguments...);
  uselocale(before);
  return text;
}

// The value correctly rounded to `count` significant digits, as printf's "%.*e" gives them.
Decimal Rounded(double magnitude, int count) {
  const std::string text = Printed("%.*e", count - 1, magnitude);
  const std::size_t e = text.find('e');
  Decimal decimal;
  for (std::size_t i = 0; i < e; ++i) {
    if (IsDigit(text[i])) decimal.digits += text[i];
  }
  decimal.exponent = std::stoi(text.substr(e + 1)) + 1;
  return decimal;
}

Decimal Trimmed(Decimal decimal) {
  while (decimal.digits.size() > 1 && decimal.digits.back() == '0') decimal.digits.pop_back();
  return decimal;
}

// The decimal one unit of its last digit above (step 1) or below (step -1).
Decimal Neighbour(Decimal decimal, int step) {
  std::string& d = decimal.digits;
  for (std::size_t i = d.size(); i-- > 0;) {
    const char wrap = step > 0 ? '9' : '0';
    if (d[i] != wrap) {
      d[i] = static_cast<char>(d[i] + step);
      break;
    }
    d[i] = step > 0 ? '0' : '9';
    if (i == 0 && step > 0) {
      d.insert(d.begin(), '1');
      ++decimal.exponent;
    }
  }
  if (d.size() > 1 && d.front() == '0') {
    d.erase(d.begin());
    --decimal.exponent;
  }
  return decimal;
}

// The nearest decimal of `count` digits that reads back as the value, if one does. The
// correctly rounded digits are the nearest; when they fall outside the values that read
// back as the value (the gap below a power of two is half the gap above), the next ones on
// the far side may still fall inside.
std::optional<Decimal> ReadingBack(double magnitude, int count) {
  const Decimal rounded = Rounded(magnitude, count);
  const double back = ReadDecimal(rounded);
  if (back == magnitude) return Trimmed(rounded);
  const Decimal other = Neighbour(rounded, back < magnitude ? 1 : -1);
  if (ReadDecimal(other) == magnitude) return Trimmed(other);
  return std::nullopt;
}

// The fewest digits that read back as the value; among as many, the nearest. If some count
// of digits reads back, every larger count does: the count is searched by halves.
Decimal Shortest(double magnitude) {
  int low = 1, high = 17;  // 17 digits always read back
  std::optional<Decimal> found;
  while (low < high) {
    const int middle = (low + high) / 2;
    if (auto decimal = ReadingBack(magnitude, middle)) {
      found = std::move(decimal);
      high = middle;
    } else {
      low = middle + 1;
    }
  }
  return found ? *found : *ReadingBack(magnitude, high);
}

// From 2^53 on every double is an integer, and its fixed form is all its digits, exact.
std::string ExactInteger(double magnitude) {
  int exponent = 0;
  const double mantissa = std::frexp(magnitude, &exponent);
  auto integer = static_cast<unsigned long long>(std::ldexp(mantissa, 53));
  std::string digits = std::to_string(integer);  // most significant first
  for (int doubling = exponent - 53; doubling > 0; --doubling) {
    int carry = 0;
    for (std::size_t i = digits.size(); i-- > 0;) {
      const int twice = (digits[i] - '0') * 2 + carry;
      digits[i] = static_cast<char>('0' + twice % 10);
      carry = twice / 10;
    }
    if (carry) digits.insert(digits.begin(), static_cast<char>('0' + carry));
  }
  return digits;
}

std::string FixedDigits(double magnitude) {
  if (magnitude == 0) return "0";
  if (magnitude >= 0x1p53) return ExactInteger(magnitude);
  const Decimal d = Shortest(magnitude);
  const int size = static_cast<int>(d.digits.size());
  if (d.exponent <= 0)
    return "0." + std::string(static_cast<std::size_t>(-d.exponent), '0') + d.digits;
  if (d.exponent >= size)
    return d.digits + std::string(static_cast<std::size_t>(d.exponent - size), '0');
  const auto point = static_cast<std::size_t>(d.exponent);
  return d.digits.substr(0, point) + "." + d.digits.substr(point);
}

std::to_chars_result Put(char* first, char* last, std::string_view text) {
  if (static_cast<std::size_t>(last - first) < text.size()) {
    return {last, std::errc::value_too_large};
  }
  std::memcpy(first, text.data(), text.size());
  return {first + text.size(), std::errc{}};
}

std::string NotFinite(double value) {
  return std::string(std::signbit(value) ? "-" : "") + (std::isnan(value) ? "nan" : "inf");
}

bool StartsWithWord(const char* p, const char* last, std::string_view word) {
  if (static_cast<std::size_t>(last - p) < word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if ((p[i] | 0x20) != word[i]) return false;
  }
  return true;
}

// "inf", "infinity", "nan" or "nan(chars)", without regard to case; null when none starts at p.
const char* NotFiniteEnd(const char* p, const char* last, bool& nan) {
  nan = false;
  if (StartsWithWord(p, last, "infinity")) return p + 8;
  if (StartsWithWord(p, last, "inf")) return p + 3;
  if (!StartsWithWord(p, last, "nan")) return nullptr;
  nan = true;
  const char* end = p + 3;
  if (end == last || *end != '(') return end;
  const char* q = end + 1;
  while (q != last && (IsDigit(*q) || ((*q | 0x20) >= 'a' && (*q | 0x20) <= 'z') || *q == '_')) ++q;
  return q != last && *q == ')' ? q + 1 : end;
}

// The end of digits [. digits] [e [sign] digits], with one digit at least before the
// exponent; null when there is none.
const char* DecimalEnd(const char* p, const char* last, bool& nonzero) {
  nonzero = false;
  int digits = 0;
  auto walk = [&] {
    for (; p != last && IsDigit(*p); ++p, ++digits) nonzero = nonzero || *p != '0';
  };
  walk();
  if (p != last && *p == '.') {
    ++p;
    walk();
  }
  if (digits == 0) return nullptr;
  if (p != last && (*p | 0x20) == 'e') {
    const char* q = p + 1;
    if (q != last && (*q == '+' || *q == '-')) ++q;
    if (q != last && IsDigit(*q)) {
      while (q != last && IsDigit(*q)) ++q;
      p = q;
    }
  }
  return p;
}

}  // namespace

std::to_chars_result ToCharsFixed(char* first, char* last, double value) {
  if (!std::isfinite(value)) return Put(first, last, NotFinite(value));
  return Put(first, last, (std::signbit(value) ? "-" : "") + FixedDigits(std::fabs(value)));
}

std::to_chars_result ToCharsGeneral(char* first, char* last, double value, int precision) {
  if (!std::isfinite(value)) return Put(first, last, NotFinite(value));
  return Put(first, last, Printed("%.*g", precision < 0 ? 6 : precision, value));
}

std::from_chars_result FromChars(const char* first, const char* last, double& value) {
  const bool negative = first != last && *first == '-';
  const char* start = first + (negative ? 1 : 0);
  const double sign = negative ? -1.0 : 1.0;
  bool nan = false;
  if (const char* end = NotFiniteEnd(start, last, nan)) {
    value = std::copysign(
        nan ? std::numeric_limits<double>::quiet_NaN() : std::numeric_limits<double>::infinity(),
        sign);
    return {end, std::errc{}};
  }
  bool nonzero = false;
  const char* end = DecimalEnd(start, last, nonzero);
  if (end == nullptr) return {first, std::errc::invalid_argument};
  const std::string text(start, end);
  const double magnitude = strtod_l(text.c_str(), nullptr, CLocale());
  // Beyond the largest double, or so small that nothing but 0 is left of it.
  if (std::isinf(magnitude) || (magnitude == 0 && nonzero)) {
    return {end, std::errc::result_out_of_range};
  }
  value = sign * magnitude;
  return {end, std::errc{}};
}

}  // namespace portable
}  // namespace platform
