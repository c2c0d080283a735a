// Content-stream lines written by texts, cells and links, against exact expected bytes.
#include <gtest/gtest.h>

#include "tests/pdf/support.h"

namespace {

class TextTest : public ::testing::Test {
 protected:
  void SetUp() override { doc.writer.PDFBeginDoc(); }
  pdftest::WriterFixture doc;
  pdf::vaROR& writer = doc.writer;
};

TEST_F(TextTest, TextOutWritesPositionFontAndEscapedText) {
  writer.PDFTextOut("a(b)\\c", 10, 20);
  EXPECT_EQ(writer.PDFGetY(), 30);
  EXPECT_EQ(writer.PDFGetX(), 10 + 33);  // 6 characters of 5.56 points
  EXPECT_EQ(doc.FirstPageContent(),
            "q 0 g \r\n%DEBUT_TEXT/%\r\nBT\r\n11.00 821.89 Td\r\n/F1 10.00 Tf\r\n"
            "(a\\(b\\)\\\\c) Tj\r\nET\r\nQ\r\n%FIN_TEXT/%\r\n");
}

TEST_F(TextTest, RotationAppliesToTheNextTextOnly) {
  writer.PDFSetRotation(30);
  writer.PDFTextOut("R", 10, 20);
  writer.PDFTextOut("S", 10, 40);
  std::string content = doc.FirstPageContent();
  EXPECT_NE(content.find("BT\r\n0.86602 0.50000 -0.50000 0.86602 10.00 821.89 Tm\r\n/F1 10.00 Tf"),
            std::string::npos);
  EXPECT_NE(content.find("BT\r\n11.00 801.89 Td\r\n"), std::string::npos);
}

TEST_F(TextTest, UnderlineStyleMarksOneTextOnly) {
  writer.PDFSetFont(0, 10, 3);
  writer.PDFTextOut("up", 10, 20);
  writer.PDFTextOut("up", 10, 40);
  std::string content = doc.FirstPageContent();
  EXPECT_NE(content.find("ET\r\n11.00 820.00 11.12 -0.50 re f\r\nQ\r\n"), std::string::npos);
  EXPECT_EQ(content.find("re f"), content.rfind("re f"));
}

TEST_F(TextTest, OneLineFramedCell) {
  writer.PDFSetBorder(1);
  writer.PDFCell("Texte", 10, 20, 100, 12);
  EXPECT_EQ(
      doc.FirstPageContent(),
      "%DEBUT_CELL/%\r\n0 G\r\n0 g\r\n0.57 w\r\n"
      "7.00 821.89 m 7.00 809.89 l S\r7.00 821.89 m 107.00 821.89 l S \r"
      "107.00 821.89 m 107.00 809.89 l S \r7.00 809.89 m 107.00 809.89 l S \r\r\n"
      "q 0 g \r\nBT\r\n/F1 10 Tf\r\n13.00 812.89 Td\r\n(Texte) Tj\r\nET\r\nQ\r\n%FIN_CELL/%\r\n");
}

TEST_F(TextTest, FramedCellOfThreeLinesDrawsTopFirstAndBottomLast) {
  writer.PDFSetBorder(1);
  writer.PDFCell("aaaa aaaa aaaa bbbb bbbb bbbb cccc", 10, 20, 100, 12);
  EXPECT_EQ(writer.PDFGetY(), 56);
  std::string content = doc.FirstPageContent();
  // Line 1: L, T, R; line 2: L, R; line 3: L, R, B.
  for (const char* sides :
       {"7.00 821.89 m 7.00 809.89 l S\r7.00 821.89 m 107.00 821.89 l S \r"
        "107.00 821.89 m 107.00 809.89 l S \r\r\n",
        "7.00 809.89 m 7.00 797.89 l S\r107.00 809.89 m 107.00 797.89 l S \r\r\n",
        "7.00 797.89 m 7.00 785.89 l S\r107.00 797.89 m 107.00 785.89 l S \r"
        "7.00 785.89 m 107.00 785.89 l S \r\r\n"}) {
    EXPECT_NE(content.find(sides), std::string::npos) << sides;
  }
  for (const char* line : {"(aaaa aaaa aaaa) Tj", "(bbbb bbbb bbbb) Tj", "(cccc) Tj"}) {
    EXPECT_NE(content.find(line), std::string::npos) << line;
  }
}

TEST_F(TextTest, BorderCodesChooseTheSides) {
  // Codes 2..5 name one side; other codes take the sides of the digits 4, 5, 2, 3 they hold.
  const struct {
    int code;
    bool left, right, top, bottom;
  } cases[] = {{0, false, false, false, false}, {2, false, false, true, false},
               {3, false, false, false, true},  {4, true, false, false, false},
               {5, false, true, false, false},  {42, true, false, true, false},
               {2345, true, true, true, true},  {7, false, false, false, false}};
  for (const auto& c : cases) {
    pdftest::WriterFixture cell;
    cell.writer.PDFBeginDoc();
    cell.writer.PDFSetBorder(c.code);
    cell.writer.PDFCell("x", 10, 20, 100, 12);
    std::string content = cell.FirstPageContent();
    EXPECT_EQ(content.find("7.00 821.89 m 7.00 809.89 l S") != std::string::npos, c.left) << c.code;
    EXPECT_EQ(content.find("107.00 821.89 m 107.00 809.89") != std::string::npos, c.right)
        << c.code;
    EXPECT_EQ(content.find("7.00 821.89 m 107.00 821.89") != std::string::npos, c.top) << c.code;
    EXPECT_EQ(content.find("7.00 809.89 m 107.00 809.89") != std::string::npos, c.bottom) << c.code;
    EXPECT_EQ(content.find(" w\r\n") != std::string::npos, c.left || c.right || c.top || c.bottom)
        << c.code;
  }
}

TEST_F(TextTest, AlignmentSetsTheTextOffset) {
  // A 40-point text (nine letters at size 8) in a 100-point cell with a 3-point margin.
  const struct {
    int code;
    const char* td;
  } cases[] = {{0, "37.00 813.49 Td"}, {2, "64.00 813.49 Td"}, {1, "13.00 813.49 Td"}};
  writer.PDFSetFont(0, 8);
  for (const auto& c : cases) {
    writer.PDFSetAlignement(c.code);
    writer.PDFCell("aaaaaaaaa", 10, 20, 100, 12);
  }
  std::string content = doc.FirstPageContent();
  for (const auto& c : cases) EXPECT_NE(content.find(c.td), std::string::npos) << c.code;
}

TEST_F(TextTest, JustifiedCellSpreadsAllButTheLastLineAndResetsSpacing) {
  writer.PDFSetAlignement(3);
  writer.PDFCell("aaaa aaaa aaaa bbbb", 10, 20, 100, 12);
  std::string content = doc.FirstPageContent();
  EXPECT_NE(content.find("9.36 Tw\r\n"), std::string::npos);
  EXPECT_NE(content.find("0.00 Tw\r\n"), std::string::npos);
  EXPECT_TRUE(content.ends_with("ET\r\nQ\r\n0 Tw\r\n%FIN_CELL/%\r\n"));
}

TEST_F(TextTest, LineBreaksInACellForceNewLines) {
  writer.PDFCell("un\r\ndeux\rtrois\nquatre\r\n", 10, 20, 100, 12);
  std::string content = doc.FirstPageContent();
  std::size_t lines = 0;
  for (std::size_t at = content.find(") Tj"); at != std::string::npos;
       at = content.find(") Tj", at + 1))
    ++lines;
  EXPECT_EQ(lines, 4u);
  EXPECT_NE(content.find("(un) Tj\r\nET\r\nQ\r\n0 G"), std::string::npos);
  EXPECT_NE(content.find("(quatre) Tj"), std::string::npos);
  EXPECT_EQ(content.find('\r', content.find("(un")), content.find(") Tj", content.find("(un")) + 4);
}

TEST_F(TextTest, WordLongerThanTheCellIsCutAndKeptWhole) {
  writer.PDFCell("aaaaaaaaaaaaaaaaaaaa", 10, 20, 50, 12);  // room for 7 letters per line
  std::string content = doc.FirstPageContent();
  EXPECT_NE(content.find("(aaaaaaa) Tj"), std::string::npos);
  EXPECT_NE(content.find("(aaaaaa) Tj"), std::string::npos);
  EXPECT_EQ(writer.PDFGetY(), 20 + 3 * 12);
}

TEST_F(TextTest, BlanksAtWrappedLineStartsAreDropped) {
  // Cases: text, cell width, the lines written. The first line keeps its leading blank.
  const struct {
    const char* text;
    double width;
    std::vector<std::string> lines;
  } cases[] = {{"a b  c", 10, {"a", "b", "c"}},
               {"aaaaaaaa  bb", 50, {"aaaaaaa", "a  bb"}},
               {"aaaaaaa  bb", 50, {"aaaaaaa", "bb"}},
               {" a", 100, {" a"}}};
  for (const auto& c : cases) {
    pdftest::WriterFixture cell;
    cell.writer.PDFBeginDoc();
    cell.writer.PDFCell(c.text, 10, 20, c.width, 12);
    EXPECT_EQ(cell.writer.PDFGetY(), 20 + 12 * static_cast<int>(c.lines.size())) << c.text;
    std::string content = cell.FirstPageContent();
    std::string expected;
    for (const auto& line : c.lines) expected += "(" + line + ") Tj";
    std::string written;
    for (std::size_t at = content.find("\r\n("); at != std::string::npos;
         at = content.find("\r\n(", at + 1)) {
      written += content.substr(at + 2, content.find(") Tj", at) + 4 - at - 2);
    }
    EXPECT_EQ(written, expected) << c.text;
  }
}

TEST_F(TextTest, TwoLinksShareOnePageAnnotationLine) {
  writer.PDFLink(10, 20, "Site");
  writer.PDFLink(10, 40, "Autre", "http://exemple.fr/a(b)");
  std::string pdf = doc.Finish();
  EXPECT_TRUE(pdftest::StreamOf(pdf, 2).starts_with(
      "%DEBUT_LINK/%\r\nq 0 g \r\n%DEBUT_TEXT/%\r\nBT\r\n11.00 821.89 Td\r\n/F1 10.00 Tf\r\n"
      "(Site) Tj\r\nET\r\n11.00 820.00 22.24 -0.50 re f\r\nQ\r\n%FIN_TEXT/%\r\n%FIN_LINK/%\r\n"));
  EXPECT_NE(pdf.find("/Resources 6 0 R\r\n/Annots [<</Type /Annot /Subtype /Link /Rect [11 829.89 "
                     "33 819.89] /Border [0 0 0] /A <</S /URI /URI (Site)>>>>\r\n"
                     "<</Type /Annot /Subtype /Link /Rect [11 809.89 38 799.89] /Border [0 0 0] "
                     "/A <</S /URI /URI (http://exemple.fr/a\\(b\\))>>>>\r\n]\r\n/Contents 2 0 R"),
            std::string::npos);
}

TEST_F(TextTest, FontOutsideTheMetricFilesIsReportedAndFontOneUsed) {
  writer.PDFSetFont(2, 0);  // Times-Roman, not among the fixture's metric files; size 0
  writer.PDFCell("x", 10, 20, 100, 12);
  writer.PDFTextOut("y", 10, 40);
  ASSERT_EQ(doc.host.messages.size(), 1u);
  EXPECT_EQ(doc.host.messages[0].text,
            "Font introuvable : Times-Roman.\r\nLa font utilisée sera Helvetica.");
  EXPECT_EQ(doc.host.messages[0].title, "Nom de Font - vaROR 4.0");
  std::string content = doc.FirstPageContent();
  EXPECT_NE(content.find("/F1 10 Tf"), std::string::npos);
  EXPECT_NE(content.find("/F1 10.00 Tf"), std::string::npos);
}

TEST_F(TextTest, MissingMetricFileFailsBeforeWritingAnything) {
  std::filesystem::remove(doc.fonts / "Helvetica.afm");
  for (int attempt = 0; attempt < 2; ++attempt) {
    EXPECT_THROW(writer.PDFCell("abc", 10, 20, 100, 12), pdf::PdfError);
    EXPECT_THROW(writer.PDFTextOut("abc", 10, 20), pdf::PdfError);
    EXPECT_THROW(writer.PDFLink(10, 20, "abc"), pdf::PdfError);
  }
  EXPECT_EQ(doc.FirstPageContent(), "");
}

TEST_F(TextTest, UnicodeTextIsWrittenInWindows1252) {
  writer.PDFTextOut("été 1€ ’ 中", 10, 20);
  EXPECT_NE(doc.FirstPageContent().find("(\xE9t\xE9 1\x80 \x92 ?) Tj"), std::string::npos);
}

}  // namespace
