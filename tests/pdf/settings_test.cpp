// Page geometry, units, view settings and the messages of invalid codes.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <locale>
#include <sstream>
#include <string>
#include <variant>

#include "fuzz/fuzz_input.h"

#include "tests/pdf/support.h"
#include "tests/support/golden.h"

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
