// SPDX-License-Identifier: EUPL-1.2
// Metric files: parsing, listing, measuring, and the generated metric folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <locale>
#include <sstream>
#include <string>

#include "pdf/afm.h"
#include "test_support/files.h"
#include "test_support/golden.h"

namespace {

// Every text parsed here is also a seed of the parser's fuzz target.
pdf::WidthTable Parse(const std::string& text) {
  pdftest::WriteFuzzSeed("afm", std::to_string(std::hash<std::string>{}(text)) + ".afm", text);
  return pdf::ParseAfmWidths(text);
}

// The rows of golden/afm.txt: "widths <metric text>", every code the text gives a width with
// that width; or "<font> <text>", its width at 1000 points with the generated metric folder.
std::string Measured(const std::string& input) {
  const std::string what = input.substr(0, input.find(' ')), rest = input.substr(what.size() + 1);
  std::ostringstream out;
  out.imbue(std::locale::classic());
  if (what == "widths") {
    const auto widths = Parse(rest);
    for (std::size_t code = 0; code < widths.size(); ++code) {
      if (widths[code] != 0) out << code << ":" << widths[code] << " ";
    }
    return out.str();
  }
  platform::RecordingHost host;
  pdf::vaROR writer(host);
  writer.PDFLoadAfm(AGGIR_FONTS_DIR);
  std::string font = what;
  out << writer.PDFGetStringWidth(rest, font, 1000);
  return out.str();
}

TEST(AfmTest, WidthsOfTheTable) {
  ExpectTable(AGGIR_SOURCE_DIR "/tests/pdf/golden/afm.txt", Measured);
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

}  // namespace
