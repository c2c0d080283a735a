// SPDX-License-Identifier: EUPL-1.2
// Page geometry, units, view settings and the messages of invalid codes.
#include <gtest/gtest.h>

#include <locale>
#include <sstream>
#include <string>

#include "test_support/files.h"
#include "test_support/golden.h"

namespace {

struct Fixture {
  platform::RecordingHost host;
  pdf::vaROR writer{host};
};

TEST(SettingsTest, DefaultAndSetMargins) {
  Fixture f;
  EXPECT_EQ(f.writer.PDFGetLeftMargin(), 1);  // 28.35 points in centimetres
  EXPECT_EQ(f.writer.PDFGetCellMargin(), 3);
  f.writer.PDFSetMargins(2, 3);
  EXPECT_EQ(f.writer.PDFGetLeftMargin(), 2);
  EXPECT_EQ(f.writer.PDFGetTopMargin(), 3);
  EXPECT_EQ(f.writer.PDFGetRightMargin(), 2);
  EXPECT_EQ(f.writer.PDFGetBottomMargin(), 3);
}

// "margin value" or "font family style": the margin kept, or the metric file asked for.
std::string Setting(const std::string& input) {
  std::istringstream in(input);
  in.imbue(std::locale::classic());
  std::string what;
  double first = 0, second = 0;
  in >> what >> first >> second;
  Fixture f;
  if (what == "margin") {
    f.writer.PDFSetLeftMargin(first);
    std::ostringstream margin;
    margin.imbue(std::locale::classic());
    margin << f.writer.PDFGetLeftMargin();
    return margin.str();
  }
  f.writer.PDFSetFont(static_cast<int>(first), 10, static_cast<int>(second));
  std::string name;
  EXPECT_THROW(f.writer.PDFGetStringWidth("a", name, 10), pdf::PdfError) << input;
  return name;
}

TEST(SettingsTest, MarginsAndFontNamesOfTheTable) {
  ExpectTable(AGGIR_SOURCE_DIR "/tests/pdf/golden/settings.txt", Setting);
}

}  // namespace
