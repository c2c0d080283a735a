// The Format presets: what they write and the settings they leave in force.
#include <gtest/gtest.h>

#include "tests/pdf/support.h"

namespace {

using pdftest::CrLf;

// A page in points with the generated standard fonts: Helvetica is /F5, Helvetica-Bold /F6,
// Helvetica-Oblique /F8.
struct Page {
  Page() {
    doc.writer.PDFLoadAfm(AGGIR_FONTS_DIR);
    doc.writer.PDFBeginDoc();
  }
  std::string Content() { return doc.FirstPageContent(); }
  pdftest::WriterFixture doc;
  pdf::vaROR& writer = doc.writer;
};

TEST(PresetsTest, EachTextPresetChoosesItsFontAndSize) {
  // Each case: the preset, then the font line its black text and the next plain text write.
  using Preset = void (pdf::vaROR::*)(const std::string&, double, double);
  const struct {
    Preset preset;
    const char* font;
  } cases[] = {
      {&pdf::vaROR::FormatArial8, "/F5 8.00 Tf"},    {&pdf::vaROR::FormatArial8i, "/F8 8.00 Tf"},
      {&pdf::vaROR::FormatArial10, "/F5 10.00 Tf"},  {&pdf::vaROR::FormatArial10i, "/F8 10.00 Tf"},
      {&pdf::vaROR::FormatArial10B, "/F6 10.00 Tf"}, {&pdf::vaROR::FormatArial12, "/F5 12.00 Tf"},
      {&pdf::vaROR::FormatArial12B, "/F6 12.00 Tf"}, {&pdf::vaROR::FormatArial15B, "/F6 15.00 Tf"},
  };
  for (const auto& c : cases) {
    Page page;
    page.writer.PDFSetFont(1, 20, 2);  // Courier bold: the preset replaces the font
    page.writer.PDFSetTextColor(255);
    (page.writer.*c.preset)("", 10, 20);  // an empty text still sets font and colour
    EXPECT_EQ(page.writer.PDFGetTextColor(), "0.000 0.000 0.000 rg") << c.font;
    page.writer.PDFTextOut("suite", 10, 40);
    std::string content = page.Content();
    std::string font_line = std::string("\r\n") + c.font + "\r\n";
    const std::string black = "q 0.000 0.000 0.000 rg \r\n%DEBUT_TEXT/%\r\nBT\r\n";
    EXPECT_EQ(content, black + "11.00 821.89 Td" + font_line +
                           "() Tj\r\nET\r\nQ\r\n%FIN_TEXT/%\r\n" + black + "11.00 801.89 Td" +
                           font_line + "(suite) Tj\r\nET\r\nQ\r\n%FIN_TEXT/%\r\n");
  }
}

TEST(PresetsTest, TablePresetWritesABorderlessCellAndLeavesItsSettings) {
  Page page;
  page.writer.PDFSetFont(2, 14, 2);
  page.writer.PDFSetBorder(1);
  page.writer.FormatTableauD("12", 10, 20, 100, 12);
  page.writer.PDFCell("34", 10, 40, 100, 12);  // keeps the preset's font, colours, alignment
  page.writer.PDFDrawLineHor(10, 80, 100);     // and its white line of width 1
  EXPECT_EQ(page.Content(), CrLf(R"(%DEBUT_CELL/%
1.000 1.000 1.000 RG
1.000 1.000 1.000 rg
q 0.000 0.000 0.000 rg 
BT
/F5 10 Tf
93.00 812.89 Td
(12) Tj
ET
Q
%FIN_CELL/%
%DEBUT_CELL/%
1.000 1.000 1.000 RG
1.000 1.000 1.000 rg
q 0.000 0.000 0.000 rg 
BT
/F5 10 Tf
93.00 792.89 Td
(34) Tj
ET
Q
%FIN_CELL/%
%DEBUT_LNH/%

10.00 761.89 m
110.00 761.89 l
1.000 1.000 1.000 RG
1.00 w S
%FIN_LNH/%
)"));
  EXPECT_TRUE(page.doc.host.messages.empty());
  EXPECT_EQ(page.writer.PDFGetAlignement(), "Right");
  page.writer.FormatTableauG("56", 10, 100, 100, 12);
  EXPECT_EQ(page.writer.PDFGetAlignement(), "Left");
}

}  // namespace
