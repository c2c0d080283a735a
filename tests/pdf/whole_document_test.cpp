// Whole documents with the generated standard fonts, checked by the installed PDF tools.
#include <gtest/gtest.h>

#include "tests/pdf/support.h"

namespace {

const char* const kParagraph =
    "L'évaluation de l'autonomie s'appuie sur la grille nationale AGGIR : chaque activité est "
    "codée A, B ou C selon que la personne la fait seule, spontanément, totalement, "
    "correctement et habituellement. Le groupe iso-ressources qui en découle oriente l'aide à "
    "domicile et le montant de l'allocation personnalisée d'autonomie.";

// A three-page document: A4 portrait, A3 landscape, US Letter; every text operation.
void WriteSample(pdf::vaROR& writer, const std::filesystem::path& file) {
  writer.PDFLoadAfm(AGGIR_FONTS_DIR);
  writer.PDFFileName(file.string());
  writer.PDFTitle("Fiche d'évaluation (essai)");
  writer.PDFAuthor("Équipe médico-sociale");
  writer.PDFSetUnit(0);
  writer.PDFSetZoomMode(1);
  writer.PDFSetLayoutMode(3);
  writer.PDFBeginDoc();
  writer.PDFSetFont(0, 14, 2);
  writer.PDFTextOut("Évaluation à domicile", 40, 60);
  writer.PDFSetFont(2, 11);
  writer.PDFSetAlignement(3);
  writer.PDFSetBorder(1);
  writer.PDFCell(kParagraph, 40, 90, 300, 14);
  writer.PDFSetFont(2, 11, 1);
  writer.PDFSetRotation(30);
  writer.PDFTextOut("Texte tourné de 30°", 300, 400);
  writer.PDFSetFont(1, 10, 3);
  writer.PDFTextOut("Soulignée", 40, 500);
  writer.PDFSetFont(0, 10);
  writer.PDFLink(40, 520, "Site de la CNSA", "https://www.cnsa.fr/");
  writer.PDFLink(40, 540, "Service-public.fr");
  writer.PDFEndPage();
  writer.PDFFormatPage(1);
  writer.PDFOrientation(0);
  writer.PDFNewPage();
  writer.PDFSetAlignement(0);
  writer.PDFSetBorder(2345);
  writer.PDFSetFill(false);
  writer.PDFCell("Page deux : « GIR 4 »\r\nCentrée sur deux lignes", 100, 100, 400, 20);
  writer.PDFEndPage();
  writer.PDFFormatPage(3);
  writer.PDFNewPage();
  writer.PDFSetFont(1, 9);
  writer.PDFTextOut("Troisième page, format lettre", 40, 40);
  writer.PDFEndDoc();
}

class WholeDocumentTest : public ::testing::Test {
 protected:
  void SetUp() override { WriteSample(writer, file); }
  platform::RecordingHost host;
  pdf::vaROR writer{host};
  pdftest::ScratchDir dir;
  std::filesystem::path file = dir.path() / "essai.pdf";
};

TEST_F(WholeDocumentTest, QpdfFindsNoErrorAndNoWarning) {
  auto result = pdftest::RunTool("qpdf --check '" + file.string() + "'");
  EXPECT_EQ(result.status, 0) << result.output;
  EXPECT_NE(result.output.find("No syntax or stream encoding errors"), std::string::npos) << result.output;
  EXPECT_EQ(result.output.find("WARNING"), std::string::npos) << result.output;
}

TEST_F(WholeDocumentTest, TextComesBackWithItsAccents) {
  auto result = pdftest::RunTool("pdftotext '" + file.string() + "' -").output;
  for (const char* text : {"Évaluation à domicile", "Soulignée", "Site de la CNSA", "« GIR 4 »",
                           "Troisième page, format lettre", "spontanément"}) {
    EXPECT_NE(result.find(text), std::string::npos) << text << "\n" << result;
  }
  auto info = pdftest::RunTool("pdfinfo '" + file.string() + "'").output;
  EXPECT_NE(info.find("Fiche d'évaluation (essai)"), std::string::npos) << info;
  EXPECT_NE(info.find("Pages:           3"), std::string::npos) << info;
}

TEST_F(WholeDocumentTest, FontsAreTheStandardFontsNotEmbedded) {
  auto result = pdftest::RunTool("pdffonts '" + file.string() + "'");
  EXPECT_EQ(result.status, 0) << result.output;
  for (const char* font : {"Helvetica-Bold ", "Times-Roman ", "Times-Italic ", "Courier ",
                           "ZapfDingbats ", "Symbol "}) {
    EXPECT_NE(result.output.find(font), std::string::npos) << font << "\n" << result.output;
  }
  EXPECT_EQ(result.output.find(" yes "), std::string::npos) << result.output;  // no embedding
}

TEST_F(WholeDocumentTest, SymbolicFontsKeepTheirBuiltInEncoding) {
  // Every font but Symbol and ZapfDingbats names WinAnsiEncoding.
  std::string pdf = pdftest::ReadFile(file);
  for (const char* font : {"Symbol", "ZapfDingbats", "Helvetica", "Courier-Bold", "Times-Italic"}) {
    std::size_t at = pdf.find("/BaseFont /" + std::string(font) + "\r\n");
    ASSERT_NE(at, std::string::npos) << font;
    bool symbolic = std::string(font) == "Symbol" || std::string(font) == "ZapfDingbats";
    EXPECT_EQ(pdf.substr(pdf.find("\r\n", at) + 2, 5) == ">>\r\ne", symbolic) << font;
  }
}

}  // namespace
