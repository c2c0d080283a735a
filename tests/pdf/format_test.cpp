// SPDX-License-Identifier: EUPL-1.2
// Number formatting, escaping, and the conversions of UTF-8 entries to Windows-1252 and to
// link targets.
#include <gtest/gtest.h>

#include <cmath>
#include <locale>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "pdf/format.h"
#include "platform/encoding.h"
#include "platform/number_text.h"
#include "test_support/golden.h"

namespace {

// What each conversion makes of the inputs of golden/format.txt: "function arguments".
std::string Converted(const std::string& input) {
  std::istringstream in(input);
  in.imbue(std::locale::classic());
  std::string function, text;
  in >> function;
  std::getline(in.ignore(1), text);
  double value = 0;  // from_chars: whatever the locale, also below the normal range
  const char* end = platform::FromChars(text.data(), text.data() + text.size(), value).ptr;
  if (function == "number") return pdf::FormatNumber(value, std::atoi(end));
  if (function == "plain") return pdf::FormatPlain(value);
  if (function == "message") return pdf::MessageNumber(value);
  if (function == "offset") return pdf::PadOffset(std::stoll(text));
  if (function == "windows1252") return platform::ToWindows1252(text);
  if (function == "held") {  // appended after "<" when held; refused, "<" alone kept
    std::string out = "<";
    return platform::AppendHeldByWindows1252(out, text) ? out : "refused " + out;
  }
  if (function == "uri") return platform::ToUri(text);
  std::string escaped;
  pdf::Composer(escaped).Escaped(text).Done();
  return escaped;
}

TEST(FormatTest, ConversionsOfTheTable) {
  ExpectTable(AGGIR_SOURCE_DIR "/tests/pdf/golden/format.txt", Converted);
}

// The rounding FormatNumber promises, spelled out on text: the shortest digits that read
// back as the value, rounded half up at the last decimal kept.
std::string RoundedShortestDigits(double value, int decimals) {
  char buffer[400];
  auto end = platform::ToCharsFixed(buffer, buffer + sizeof buffer, std::fabs(value)).ptr;
  std::string digits(buffer, end);
  if (digits.find('.') == std::string::npos) digits += '.';
  const std::size_t keep = digits.find('.') + 1 + static_cast<std::size_t>(decimals);
  const bool up = digits.size() > keep && digits[keep] >= '5';
  digits.resize(keep, '0');
  for (std::size_t i = digits.size(); up && i-- > 0;) {
    if (digits[i] == '.') continue;
    if (digits[i] != '9') {
      ++digits[i];
      break;
    }
    digits[i] = '0';
    if (i == 0) digits.insert(digits.begin(), '1');
  }
  const bool zero = digits.find_first_not_of("0.") == std::string::npos;
  return (value < 0 && !zero ? "-" : "") + digits;
}

// Values a content stream meets (coordinates, halves and their neighbours, colour shares,
// rotation sines) and random magnitudes up to the largest page: the integer rounding must
// give the same digits as rounding the shortest form, for every count of decimals used.
TEST(FormatTest, FormatNumberAgreesWithTheShortestDigitsRounded) {
  std::vector<double> values;
  for (int i = -200000; i <= 200000; ++i) values.push_back(i / 1000.0);
  for (int i = 0; i <= 255; ++i) values.push_back(i / 255.0);
  for (int i = 0; i < 3600; ++i) values.push_back(std::sin(i * 3.1416 / 1800));
  std::mt19937_64 random(20240610);
  std::uniform_real_distribution<double> page(-15000, 15000);
  for (int i = 0; i < 100000; ++i) values.push_back(page(random));
  for (int i = 0; i < 20000; ++i) {
    const double half = std::floor(page(random) * 100) / 100 + 0.005;
    values.push_back(half);
    values.push_back(std::nextafter(half, 0.0));
    values.push_back(std::nextafter(half, 1e9));
  }
  for (double large : {536870911.995, 536870912.005, 2147483646.995, 2147483647.0}) {
    values.push_back(large);
  }
  for (int decimals : {0, 2, 3, 5}) {
    for (double value : values) {
      ASSERT_EQ(pdf::FormatNumber(value, decimals), RoundedShortestDigits(value, decimals))
          << value << " with " << decimals << " decimals";
    }
  }
}

// A composer appends numbers, texts and escaped texts, also when its pieces overflow its own
// buffer many times over.
TEST(FormatTest, ComposedContentIsTheTextAppended) {
  std::string line = "x ";
  pdf::Composer(line)
      .Numbers({11, 821.89, -0.004})
      .Text(" ")
      .Number(0.5, 0)
      .Text(" ")
      .Escaped("(a)")
      .Line("")
      .Integer(-42)
      .Number(1e300, 1)
      .Text(" ")
      .Ref(12)
      .Done();
  EXPECT_EQ(line, "x 11.00 821.89 0.00 1. \\(a\\)\r\n-422147483647.0 12 0 R");

  std::string many, expected;
  pdf::Composer composer(many);
  const std::string long_text(1000, 'w');
  for (int i = 0; i < 300; ++i) {
    composer.Number(12.5).Text(" ").Escaped(long_text.substr(0, 40) + ")");
    expected += "12.50 " + long_text.substr(0, 40) + "\\)";
  }
  composer.Text(long_text).Done();
  EXPECT_EQ(many, expected + long_text);
}

// At most 15 significant digits whatever the magnitude.
TEST(FormatTest, PlainNumbersKeepABoundedLength) {
  for (int exponent = -330; exponent <= 12; ++exponent) {
    const double value = -1.2345678901234567 * std::pow(10.0, exponent);
    EXPECT_LE(pdf::FormatPlain(value).size(), 27u) << value;
  }
}

}  // namespace
