// Metric files: parsing, listing, measuring, and the generated metric folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "pdf/afm.h"
#include "tests/pdf/support.h"

namespace {

// Every text parsed here is also a seed of the parser's fuzz target.
pdf::WidthTable Parse(const std::string& text) {
  pdftest::WriteFuzzSeed("afm", std::to_string(std::hash<std::string>{}(text)) + ".afm", text);
  return pdf::ParseAfmWidths(text);
}

TEST(AfmTest, ParsingStopsAtTheFirstUnencodedGlyph) {
  auto widths = Parse(
      "StartFontMetrics 2.0\r\nC 65 ; WX 999 ; N before ;\r\nStartCharMetrics 4\r\n"
      "C 40 ; WX 333.7 ; N parenleft ;\r\nC 0 ; WX 100 ; N nul ;\r\nC 300 ; WX 700 ; N big ;\r\n"
      "C 255 ; WX 500 ; N ydieresis ;\r\nC -1 ; WX 611 ; N Zcaron ;\r\nC 250 ; WX 444 ; N x ;\r\n");
  EXPECT_EQ(widths[40], 333);  // truncated
  EXPECT_EQ(widths[65], 0);    // before the metrics section
  EXPECT_EQ(widths[0], 0);
  EXPECT_EQ(widths[255], 500);
  EXPECT_EQ(widths[250], 0);  // after "-1 ;"
}

// Found by the metric parser's fuzz target: a number no metric can be (an infinity, NaN,
// 6e+65) was converted to an integer it does not fit, which is undefined. Such a line is
// unreadable and skipped; a width beyond 16 bits is held at the bound.
TEST(AfmTest, NumbersNoMetricCanBeAreUnreadable) {
  auto widths = Parse(
      "StartCharMetrics\nC 40 ; WX 100 ;\nC 41 ; WX 6e+65 ;\nC 42 ; WX inf ;\nC 43 ; WX nan ;\n"
      "C 44 ; WX 70000 ;\nC 45 ; WX -70000 ;\nC 1e300 ; WX 5 ;\nC 46 ; WX 2147483648 ;\n"
      "C 47 ; WX 300 ;\n");
  EXPECT_EQ(widths[40], 100);
  for (std::size_t code : {41, 42, 43, 46}) EXPECT_EQ(widths[code], 0) << code;
  EXPECT_EQ(widths[44], 32767);
  EXPECT_EQ(widths[45], -32768);
  EXPECT_EQ(widths[47], 300);  // the skipped lines end nothing
}

TEST(AfmTest, CodesOutsideFirstAndLastCodeMeasureZero) {
  auto widths = Parse(
      "StartCharMetrics\nC 50 ; WX 10 ;\nC 60 ; WX 20 ;\nC 55 ; WX 30 ;\nEndCharMetrics\nC 70 ; WX "
      "9 ;\n");
  EXPECT_EQ(widths[50], 10);
  EXPECT_EQ(widths[55], 30);
  EXPECT_EQ(widths[60], 0);  // above the last code read (55)
  EXPECT_EQ(widths[70], 0);
}

// Found by the whole-writer fuzz target: a font name that names a folder ("Dossier.afm")
// opened like a file, and reading it whole asked for a size the folder does not have
// (std::bad_alloc). A FIFO ("Tube.afm") opened for reading waited for ever for a writer.
// Neither is a metric file: each is missing like any other, and is never opened.
class SpecialMetricFileTest : public ::testing::TestWithParam<const char*> {};

TEST_P(SpecialMetricFileTest, IsNoMetricFile) {
  pdftest::WriterFixture doc;
  std::string name = GetParam();
  const auto file = doc.fonts / (name + ".afm");
  if (name == "Tube") {
    pdftest::MakeFifo(file);
  } else {
    std::filesystem::create_directories(file);
  }
  const auto measure = [&] {
    try {
      doc.writer.PDFGetStringWidth("abc", name, 10);
      ADD_FAILURE() << "measured text with " << file;
    } catch (const pdf::PdfError& error) {
      EXPECT_EQ(error.code(), pdf::PdfErrorCode::MetricsMissing);
      EXPECT_NE(std::string(error.what()).find(name + ".afm"), std::string::npos) << error.what();
    }
  };
  EXPECT_TRUE(pdftest::ReturnsWithoutAWriter(file, measure));
}

INSTANTIATE_TEST_SUITE_P(FolderAndFifo, SpecialMetricFileTest,
                         ::testing::Values("Dossier", "Tube"));

TEST(AfmTest, MeasuresTheExampleText) {
  pdftest::WriterFixture doc;
  std::string name;
  EXPECT_DOUBLE_EQ(doc.writer.PDFGetStringWidth("ab c", name, 10), 19.46);
  EXPECT_EQ(name, "Helvetica");
  EXPECT_EQ(doc.writer.PDFGetStringWidth("", name, 10), 0);
  EXPECT_DOUBLE_EQ(doc.writer.PDFGetStringWidth("é", name, 10), 5.56);  // one byte, not two
}

TEST(AfmTest, MetricFileIsReadOncePerWriterButAMissingOneFailsEveryTime) {
  pdftest::WriterFixture doc;
  std::string name = "Helvetica";
  double before = doc.writer.PDFGetStringWidth("abc", name, 10);
  pdftest::WriteFile(doc.fonts / "Helvetica.afm", "StartCharMetrics\nC 97 ; WX 1 ;\n");
  EXPECT_EQ(doc.writer.PDFGetStringWidth("abc", name, 10), before);
  std::string missing = "Courier";
  // The message names the file; after a metric folder that held nothing, that folder.
  const std::string empty_folder = (doc.dir.path() / "vide").string();
  const std::string messages[] = {
      "Le fichier de métriques de la police « Courier » est introuvable : " +
          (doc.fonts / "Courier.afm").string() + ".",
      "Le fichier de métriques de la police « Courier » est introuvable : le dossier « " +
          empty_folder + " » est absent ou ne contient aucun fichier .afm."};
  for (const std::string& message : messages) {
    try {
      doc.writer.PDFGetStringWidth("abc", missing, 10);
      ADD_FAILURE() << "no error";
    } catch (const pdf::PdfError& error) {
      EXPECT_EQ(error.code(), pdf::PdfErrorCode::MetricsMissing);
      EXPECT_EQ(error.what(), message);
    }
    doc.writer.PDFLoadAfm(empty_folder);
  }
}

TEST(AfmTest, FolderListingSetsResourceNumbers) {
  pdftest::WriterFixture doc;
  pdftest::ScratchDir two, none;
  pdftest::WriteTestMetrics(two.path(), "Helvetica");
  pdftest::WriteTestMetrics(two.path(), "Courier");
  pdftest::WriteFile(two.path() / "notes.txt", "not metrics");
  doc.writer.PDFLoadAfm(two.path().string());
  doc.writer.PDFLoadAfm(none.path().string());  // no metric files: the list stays
  doc.writer.PDFLoadAfm((none.path() / "absent").string());
  doc.writer.PDFBeginDoc();
  doc.writer.PDFTextOut("x", 1, 1);
  std::string pdf = doc.Finish();
  EXPECT_NE(pdf.find("/Name /F1\r\n/BaseFont /Courier\r\n"), std::string::npos);
  EXPECT_NE(pdf.find("/Name /F2\r\n/BaseFont /Helvetica\r\n"), std::string::npos);
  EXPECT_NE(pdf.find("/F2 10.00 Tf"), std::string::npos);
  EXPECT_NE(pdf.find("/Font << \r\n/F1 4 0 R \r\n/F2 5 0 R \r\n>>"), std::string::npos);
}

TEST(AfmTest, MissingMetricFileFailsBeforeWritingAnything) {
  pdftest::WriterFixture doc;
  doc.writer.PDFBeginDoc();
  std::filesystem::remove(doc.fonts / "Helvetica.afm");
  for (int attempt = 0; attempt < 2; ++attempt) {
    EXPECT_THROW(doc.writer.PDFCell("abc", 10, 20, 100, 12), pdf::PdfError);
    EXPECT_THROW(doc.writer.PDFTextOut("abc", 10, 20), pdf::PdfError);
    EXPECT_THROW(doc.writer.PDFLink(10, 20, "abc"), pdf::PdfError);
  }
  EXPECT_EQ(doc.FirstPageContent(), "");
}

TEST(AfmTest, GeneratedFolderMeasuresWindows1252Glyphs) {
  // Widths of the standard fonts at 1000 points, looked up through the Windows-1252 byte.
  const struct {
    const char* font;
    const char* text;
    double width;
  } cases[] = {{"Helvetica", "é", 556},      {"Helvetica", "à", 556},  {"Helvetica", "°", 400},
               {"Helvetica", "’", 222},      {"Helvetica", "'", 191},  {"Helvetica", "ÿ", 500},
               {"Helvetica-Bold", "É", 667}, {"Courier", "œ", 600},    {"Times-Roman", "€", 0},
               {"TimesItalic", "a", 500},    {"TimesRoman", "a", 444}, {"Symbol", "a", 631},
               {"ZapfDingbats", "a", 789}};
  platform::RecordingHost host;
  pdf::vaROR writer(host);
  writer.PDFLoadAfm(AGGIR_FONTS_DIR);
  for (const auto& c : cases) {
    std::string name = c.font;
    EXPECT_DOUBLE_EQ(writer.PDFGetStringWidth(c.text, name, 1000), c.width) << c.font << c.text;
  }
}

}  // namespace
