// Page geometry, units, view settings and the messages of invalid codes.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <variant>

#include "fuzz/fuzz_input.h"

#include "tests/pdf/support.h"

namespace {

struct Fixture {
  platform::RecordingHost host;
  pdf::vaROR writer{host};
};

TEST(SettingsTest, MarginsRoundHalfToEven) {
  Fixture f;
  EXPECT_EQ(f.writer.PDFGetLeftMargin(), 1);  // 28.35 points in centimetres
  EXPECT_EQ(f.writer.PDFGetCellMargin(), 3);
  f.writer.PDFSetMargins(2, 3);
  EXPECT_EQ(f.writer.PDFGetLeftMargin(), 2);
  EXPECT_EQ(f.writer.PDFGetTopMargin(), 3);
  EXPECT_EQ(f.writer.PDFGetRightMargin(), 2);
  EXPECT_EQ(f.writer.PDFGetBottomMargin(), 3);
  const std::pair<double, double> rounding[] = {
      {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {1e9, 32767}};
  for (auto [given, stored] : rounding) {
    f.writer.PDFSetLeftMargin(given);
    EXPECT_EQ(f.writer.PDFGetLeftMargin(), stored) << given;
  }
}

TEST(SettingsTest, FontStylesComposeTheBaseName) {
  // Family code and style digits to the metric file name; "3" only adds underlining.
  const struct {
    int family, style;
    const char* name;
  } cases[] = {{0, 0, "Helvetica"},
               {0, 12, "Helvetica-BoldOblique"},
               {0, 21, "Helvetica-BoldOblique"},
               {0, 3, "Helvetica"},
               {1, 1, "Courier-Oblique"},
               {1, 2, "Courier-Bold"},
               {2, 0, "Times-Roman"},
               {2, 1, "TimesItalic"},
               {2, 12, "Times-BoldItalic"},
               {3, 0, "Symbol"},
               {4, 0, "ZapfDingbats"},
               {5, 12, "TimesRoman"}};
  for (const auto& c : cases) {
    Fixture f;
    f.writer.PDFSetFont(c.family, 10, c.style);
    std::string name;
    EXPECT_THROW(f.writer.PDFGetStringWidth("a", name, 10), pdf::PdfError);
    EXPECT_EQ(name, c.name) << c.family << " " << c.style;
  }
}

// Whatever form the argument takes and whatever orientation follows, the page keeps sides
// readers accept: the table's sides, or A4 after one message. The cases are the seeds of
// the page format's fuzz target.
TEST(SettingsTest, PageFormatArgumentsAlwaysLeaveSidesReadersAccept) {
  const double kNaN = std::numeric_limits<double>::quiet_NaN();
  const double kInf = std::numeric_limits<double>::infinity();
  const struct {
    fuzzinput::PageFormat format;
    std::int32_t orientation;
    double width, height;
    std::size_t messages;
  } cases[] = {
      {0, 1, 595, 842, 0},
      {3, 0, 792, 612, 0},
      {std::int32_t{-1}, 1, 595, 842, 1},
      {std::numeric_limits<std::int32_t>::min(), 0, 842, 595, 1},
      {std::array{500.0, 700.0}, 7, 500, 700, 1},
      {std::array{kNaN, 700.0}, 1, 595, 842, 1},
      {std::array{kInf, -kInf}, 0, 842, 595, 1},
      {std::array{3.0, 14400.0}, 0, 14400, 3, 0},
      {std::array{2.5, 14400.4}, 1, 595, 842, 1},
      {std::string("Lettre"), 1, 595, 842, 1},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const auto& c = cases[i];
    fuzzinput::Writer seed;
    fuzzinput::WritePageFormat(seed, c.format);
    seed.Byte(1).Int32(c.orientation);
    pdftest::WriteFuzzSeed("page_format", "case-" + std::to_string(i), seed.bytes());
    Fixture f;
    std::visit([&f](const auto& argument) { f.writer.PDFFormatPage(argument); }, c.format);
    f.writer.PDFOrientation(c.orientation);
    EXPECT_EQ(f.writer.PDFGetPageWidth(), c.width) << i;
    EXPECT_EQ(f.writer.PDFGetPageHeight(), c.height) << i;
    EXPECT_EQ(f.host.messages.size(), c.messages) << i;
  }
}

}  // namespace
