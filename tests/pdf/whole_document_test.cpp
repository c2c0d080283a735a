// Whole documents with the generated standard fonts, checked by the installed PDF tools.
#include <gtest/gtest.h>

#include "tests/pdf/sample_document.h"
#include "tests/pdf/support.h"

namespace {

class WholeDocumentTest : public ::testing::Test {
 protected:
  void SetUp() override { pdftest::WriteSample(writer, file); }
  platform::RecordingHost host;
  pdf::vaROR writer{host};
  pdftest::ScratchDir dir;
  std::filesystem::path file = dir.path() / "essai.pdf";
};

TEST_F(WholeDocumentTest, QpdfFindsNoErrorAndNoWarning) {
  auto result = pdftest::RunTool("qpdf --check '" + file.string() + "'");
  EXPECT_EQ(result.status, 0) << result.output;
  EXPECT_NE(result.output.find("No syntax or stream encoding errors"), std::string::npos)
      << result.output;
  EXPECT_EQ(result.output.find("WARNING"), std::string::npos) << result.output;
}

TEST_F(WholeDocumentTest, TextComesBackWithItsAccents) {
  auto result = pdftest::RunTool("pdftotext '" + file.string() + "' -").output;
  for (const char* text :
       {"Évaluation à domicile", "Soulignée", "Site de la CNSA", "« GIR 4 »",
        "Troisième page, format lettre", "spontanément", "Couleurs, traits et formes",
        "Étoile remplie", "Arial 8 italique", "Tableau à droite", "Cellule avec lien"}) {
    EXPECT_NE(result.find(text), std::string::npos) << text << "\n" << result;
  }
  auto info = pdftest::RunTool("pdfinfo '" + file.string() + "'").output;
  EXPECT_NE(info.find("Fiche d'évaluation (essai)"), std::string::npos) << info;
  EXPECT_NE(info.find("Pages:           " + std::to_string(pdftest::kSamplePages)),
            std::string::npos)
      << info;
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

TEST_F(WholeDocumentTest, PopplerDrawsEveryPageWithoutComplaint) {
  auto result = pdftest::RunTool("pdftoppm -r 20 -png '" + file.string() + "' '" +
                                 (dir.path() / "page").string() + "'");
  EXPECT_EQ(result.status, 0) << result.output;
  EXPECT_EQ(result.output, "");
  auto page = dir.path() / ("page-" + std::to_string(pdftest::kSampleGraphicsPage) + ".png");
  EXPECT_GT(std::filesystem::file_size(page), 1000u);
}

TEST_F(WholeDocumentTest, LinksOfEveryKindBecomeAnnotations) {
  std::string pdf = pdftest::ReadFile(file);
  int links = 0;
  for (std::size_t at = pdf.find("/Subtype /Link"); at != std::string::npos;
       at = pdf.find("/Subtype /Link", at + 1)) {
    ++links;
  }
  EXPECT_EQ(links, pdftest::kSampleLinks);
  for (const char* uri :
       {"(https://www.cnsa.fr/)", "(Service-public.fr)", "(https://www.service-public.fr/)",
        "(https://www.pour-les-personnes-agees.gouv.fr/)"}) {
    EXPECT_NE(pdf.find(std::string("/URI ") + uri), std::string::npos) << uri;
  }
  EXPECT_EQ(host.messages.size(), 8u);  // the sample's refused input, one message each
}

}  // namespace
