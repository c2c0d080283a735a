// SPDX-License-Identifier: EUPL-1.2
// Numbers to text and back: the table holds on every build (the library's forms here, the
// fallback where the library lacks them), and the fallback gives the library's characters
// wherever the library has them.
#include "platform/number_text.h"

#include <gtest/gtest.h>

#include <locale.h>

#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iomanip>
#include <limits>
#include <locale>
#include <random>
#include <sstream>
#include <string>

#include "test_support/golden.h"

namespace {

using Fixed = std::to_chars_result (*)(char*, char*, double);
using General = std::to_chars_result (*)(char*, char*, double, int);
using Parse = std::from_chars_result (*)(const char*, const char*, double&);

std::string Text(char* buffer, std::to_chars_result result) {
  return result.ec == std::errc{} ? std::string(buffer, result.ptr) : "too large";
}

std::string FixedOf(Fixed fixed, double value) {
  char buffer[1100];
  return Text(buffer, fixed(buffer, buffer + sizeof buffer, value));
}

std::string GeneralOf(General general, double value, int precision) {
  char buffer[64];
  return Text(buffer, general(buffer, buffer + sizeof buffer, value, precision));
}

std::string ParsedBy(Parse parse, const std::string& text) {
  double value = -7;
  const auto result = parse(text.data(), text.data() + text.size(), value);
  const std::string read = std::to_string(result.ptr - text.data()) + " read";
  if (result.ec == std::errc::invalid_argument) return "invalid, " + read;
  if (result.ec == std::errc::result_out_of_range) return "out of range, " + read;
  std::ostringstream shown;
  shown.imbue(std::locale::classic());
  shown << std::setprecision(17) << value << ", " << read;
  return shown.str();
}

// Inputs are read by the C library in its "C" locale (the tests run in the environment's),
// apart from the code under test; the sign apart, as some C libraries drop it from a NaN.
double Value(const std::string& text) {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
  if (text[0] == '-') return -strtod_l(text.c_str() + 1, nullptr, c);
  return strtod_l(text.c_str(), nullptr, c);
}

// "fixed VALUE", "general PRECISION VALUE", "parse TEXT", "bits VALUE": what the build's own
// functions give, or both answers when the fallback disagrees.
std::string Converted(const std::string& input) {
  std::istringstream in(input);
  std::string kind, argument;
  in >> kind >> argument;
  std::string mine, fallback;
  if (kind == "fixed") {
    mine = FixedOf(platform::ToCharsFixed, Value(argument));
    fallback = FixedOf(platform::portable::ToCharsFixed, Value(argument));
  } else if (kind == "general") {
    std::string value;
    in >> value;
    mine = GeneralOf(platform::ToCharsGeneral, Value(value), std::stoi(argument));
    fallback = GeneralOf(platform::portable::ToCharsGeneral, Value(value), std::stoi(argument));
  } else if (kind == "parse") {
    mine = ParsedBy(platform::FromChars, argument);
    fallback = ParsedBy(platform::portable::FromChars, argument);
  } else if (kind == "bits") {
    char hex[20];
    std::snprintf(hex, sizeof hex, "%016" PRIX64,
                  platform::BitCast<std::uint64_t>(Value(argument)));
    return hex;
  }
  return mine == fallback ? mine : "library " + mine + " / fallback " + fallback;
}

TEST(NumberTextTest, ConversionsOfTheTable) {
  ExpectTable(AGGIR_SOURCE_DIR "/tests/platform/golden/number_text.txt", Converted);
}

// Doubles of every magnitude, and the powers of two with their neighbours, where the values
// that read back as a double lie further above it than below.
std::vector<double> Samples() {
  std::vector<double> values;
  std::mt19937_64 random(20240611);
  while (values.size() < 20000) {
    const double value = platform::BitCast<double>(random());
    if (std::isfinite(value)) values.push_back(value);
  }
  for (int e = -1074; e <= 1023; ++e) {
    const double power = std::ldexp(1.0, e);
    const double up = std::numeric_limits<double>::infinity();
    for (double v : {power, std::nextafter(power, 0.0), std::nextafter(power, up)}) {
      values.push_back(v);
    }
  }
  return values;
}

TEST(NumberTextTest, FallbackWritesAsTheLibrary) {
#ifndef __cpp_lib_to_chars
  GTEST_SKIP() << "no library forms to compare the fallback with";
#endif
  for (const double value : Samples()) {
    ASSERT_EQ(FixedOf(platform::portable::ToCharsFixed, value),
              FixedOf(platform::ToCharsFixed, value))
        << value;
    ASSERT_EQ(GeneralOf(platform::portable::ToCharsGeneral, value, 15),
              GeneralOf(platform::ToCharsGeneral, value, 15))
        << value;
  }
}

// Texts near the grammar's edges: digits, points, exponents, signs, words, cut anywhere.
TEST(NumberTextTest, FallbackReadsAsTheLibrary) {
#ifndef __cpp_lib_to_chars
  GTEST_SKIP() << "no library forms to compare the fallback with";
#endif
  const std::string alphabet = "0123456789..ee+--infaINtyx()";
  std::mt19937 random(7);
  for (int i = 0; i < 200000; ++i) {
    std::string text;
    for (std::size_t n = random() % 9; n-- > 0;) text += alphabet[random() % alphabet.size()];
    ASSERT_EQ(ParsedBy(platform::portable::FromChars, text), ParsedBy(platform::FromChars, text))
        << '"' << text << '"';
  }
  for (const double value : Samples()) {
    const std::string text = FixedOf(platform::ToCharsFixed, value);
    ASSERT_EQ(ParsedBy(platform::portable::FromChars, text), ParsedBy(platform::FromChars, text));
  }
}

}  // namespace
