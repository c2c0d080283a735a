// Number formatting, escaping and the UTF-8 to Windows-1252 entry conversion.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "pdf/encoding.h"
#include "pdf/format.h"

namespace {

TEST(FormatTest, FormatNumberRoundsHalvesAwayFromZeroWithAPoint) {
  const struct {
    double value;
    int decimals;
    const char* text;
  } cases[] = {{12.5, 2, "12.50"},
               {-0.346, 2, "-0.35"},
               {0.125, 2, "0.13"},
               {-0.125, 2, "-0.13"},
               {2.675, 2, "2.68"},
               {999.995, 2, "1000.00"},
               {-0.001, 2, "0.00"},
               {0.5, 0, "1."},
               {2.5, 0, "3."},
               {1234567.891, 2, "1234567.89"},
               {0.866025, 5, "0.86603"},
               {821.89, 2, "821.89"},
               {841.89 - 20, 2, "821.89"},
               {1e-9, 2, "0.00"}};
  for (const auto& c : cases) EXPECT_EQ(pdf::FormatNumber(c.value, c.decimals), c.text) << c.value;
}

// The rounding FormatNumber promises, spelled out on text: the shortest digits that read
// back as the value, rounded half up at the last decimal kept.
std::string RoundedShortestDigits(double value, int decimals) {
  char buffer[400];
  auto end =
      std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed).ptr;
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

// Found by the whole-writer fuzz target: a link far off the page wrote its rectangle with 250
// digits, which readers take as an integer that does not fit ("overflow converting to 64-bit
// integer"). What goes into a file stays within the largest integer readers take; a message
// still shows the value the caller gave.
TEST(FormatTest, NumbersWrittenStayWithinWhatReadersTake) {
  EXPECT_EQ(pdf::FormatPlain(1e250), "2147483647");
  EXPECT_EQ(pdf::FormatPlain(-3e9), "-2147483647");
  EXPECT_EQ(pdf::FormatNumber(1e250, 2), "2147483647.00");
  EXPECT_EQ(pdf::FormatNumber(-2147483648.5, 2), "-2147483647.00");
  EXPECT_EQ(pdf::FormatNumber(2147483646.5, 0), "2147483647.");
  EXPECT_EQ(pdf::MessageNumber(1e20), "100000000000000000000");
}

// At most 15 significant digits, and 0 below 10^-10: 5e-324 once took 326 characters.
TEST(FormatTest, PlainNumbersAndOffsets) {
  const std::pair<double, const char*> plain[] = {
      {595.28, "595.28"}, {842, "842"},        {0.1 + 0.2, "0.3"},
      {-12.5, "-12.5"},   {1e-7, "0.0000001"}, {-1.5e-10, "-0.00000000015"},
      {9e-11, "0"},       {-5e-324, "0"},      {123456.789012345678, "123456.789012346"}};
  for (auto [value, text] : plain) EXPECT_EQ(pdf::FormatPlain(value), text) << value;
  for (int exponent = -330; exponent <= 12; ++exponent) {
    const double value = -1.2345678901234567 * std::pow(10.0, exponent);
    EXPECT_LE(pdf::FormatPlain(value).size(), 27u) << value;
  }
  EXPECT_EQ(pdf::PadOffset(10), "0000000010");
  EXPECT_EQ(pdf::PadOffset(12345678901), "12345678901");
}

TEST(FormatTest, EscapingDoublesBackslashesFirst) {
  std::string escaped;
  pdf::Composer(escaped).Escaped(R"(a\(b)c\)").Done();
  EXPECT_EQ(escaped, R"(a\\\(b\)c\\)");
}

TEST(FormatTest, Utf8BecomesWindows1252) {
  // French letters, the 0x80..0x9F block, characters outside the code page, bad bytes.
  const std::pair<const char*, const char*> cases[] = {
      {"Évaluation à l'hôpital", "\xC9valuation \xE0 l'h\xF4pital"},
      {"25 °C, 1€, l’œuvre « ici »",
       "25 \xB0"
       "C, 1\x80, l\x92\x9Cuvre \xAB ici \xBB"},
      {"中 😀 Ā", "? ? ?"},
      {"a\xC3", "a?"},
      {"\xFF"
       "b",
       "?b"},
      // Overlong forms, surrogates and code points above U+10FFFF are malformed: one "?"
      // for each part that cannot be read, never the character they would spell.
      {"\xC0\xAF", "??"},
      {"\xE0\x80\x80", "???"},
      {"\xC1\xBF", "??"},
      {"\xF0\x80\x80\xAF", "????"},
      {"\xED\xA0\x80", "???"},
      {"\xF4\x90\x80\x80", "????"},
      {"\xE9t\xE9", "?t?"},
      {"\xE2\x82", "?"},
      {"\xE2\x82"
       "A",
       "?A"},
      {"\xC2\xA0\xEF\xBF\xBD", "\xA0?"},
  };
  for (auto [utf8, bytes] : cases) EXPECT_EQ(pdf::ToWindows1252(utf8), bytes) << utf8;
}

TEST(FormatTest, LinkTargetsArePercentEncodedInSevenBits) {
  const std::pair<const char*, const char*> cases[] = {
      {"https://www.cnsa.fr/", "https://www.cnsa.fr/"},
      {"http://exemple.fr/été?a=1&b=(2)", "http://exemple.fr/%C3%A9t%C3%A9?a=1&b=(2)"},
      {"http://x.fr/a b\tc\x7F", "http://x.fr/a%20b%09c%7F"},
      {"http://x.fr/%41", "http://x.fr/%41"},
      {"http://x.fr/\xC0\xAF", "http://x.fr/%EF%BF%BD%EF%BF%BD"},
      {"http://x.fr/中😀", "http://x.fr/%E4%B8%AD%F0%9F%98%80"},
  };
  for (auto [utf8, uri] : cases) EXPECT_EQ(pdf::ToUri(utf8), uri) << utf8;
}

}  // namespace
