// Number formatting, escaping and the UTF-8 to Windows-1252 entry conversion.
#include <gtest/gtest.h>

#include "pdf/encoding.h"
#include "pdf/format.h"

namespace {

TEST(FormatTest, FormatNumberRoundsHalvesAwayFromZeroWithAPoint) {
  const struct {
    double value;
    int decimals;
    const char* text;
  } cases[] = {{12.5, 2, "12.50"},    {-0.346, 2, "-0.35"}, {0.125, 2, "0.13"},
               {-0.125, 2, "-0.13"},  {2.675, 2, "2.68"},   {999.995, 2, "1000.00"},
               {-0.001, 2, "0.00"},   {0.5, 0, "1."},       {2.5, 0, "3."},
               {1234567.891, 2, "1234567.89"}, {0.866025, 5, "0.86603"}, {821.89, 2, "821.89"},
               {841.89 - 20, 2, "821.89"},     {1e-9, 2, "0.00"}};
  for (const auto& c : cases) EXPECT_EQ(pdf::FormatNumber(c.value, c.decimals), c.text) << c.value;
}

TEST(FormatTest, PlainNumbersAndOffsets) {
  const std::pair<double, const char*> plain[] = {
      {595.28, "595.28"}, {842, "842"}, {0.1 + 0.2, "0.3"}, {-12.5, "-12.5"}, {1e-7, "0.0000001"}};
  for (auto [value, text] : plain) EXPECT_EQ(pdf::FormatPlain(value), text);
  EXPECT_EQ(pdf::PadOffset(10), "0000000010");
  EXPECT_EQ(pdf::PadOffset(12345678901), "12345678901");
}

TEST(FormatTest, EscapingDoublesBackslashesFirst) {
  EXPECT_EQ(pdf::EscapeString(R"(a\(b)c\)"), R"(a\\\(b\)c\\)");
}

TEST(FormatTest, Utf8BecomesWindows1252) {
  // French letters, the 0x80..0x9F block, characters outside the code page, bad bytes.
  const std::pair<const char*, const char*> cases[] = {
      {"Évaluation à l'hôpital", "\xC9valuation \xE0 l'h\xF4pital"},
      {"25 °C, 1€, l’œuvre « ici »", "25 \xB0" "C, 1\x80, l\x92\x9Cuvre \xAB ici \xBB"},
      {"中 😀 Ā", "? ? ?"},
      {"a\xC3", "a?"},
      {"\xFF" "b", "?b"},
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
      {"\xE2\x82" "A", "?A"},
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
