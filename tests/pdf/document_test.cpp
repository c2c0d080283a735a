// SPDX-License-Identifier: EUPL-1.2
// File assembly: object layout, byte offsets, stream lengths, catalog, output file.
#include <gtest/gtest.h>

#include <functional>

#include "jpeg_maker.h"
#include "pdf/format.h"
#include "test_support/files.h"

namespace {

using pdftest::ExpectConsistentXref;
using pdftest::ObjectLinePositions;
using pdftest::ReadFile;
using pdftest::StreamOf;

// /Length names the exact count of bytes between "stream" CR LF and "endstream".
void ExpectStreamLength(const std::string& pdf, int content_object) {
  std::size_t length_object = ObjectLinePositions(pdf).at(content_object + 1);
  std::size_t value = pdf.find("\r\n", length_object) + 2;
  EXPECT_EQ(std::stoul(pdf.substr(value)), StreamOf(pdf, content_object).size());
}

// Around the objects that golden/writer.txt holds: the header, a font object, the
// cross-reference table and the trailer.
TEST(DocumentTest, HeaderFontXrefAndTrailer) {
  pdftest::WriterFixture doc;
  doc.writer.PDFBeginDoc();
  doc.writer.PDFTextOut("Bonjour", 10, 20);
  std::string pdf = doc.Finish();
  EXPECT_TRUE(pdf.starts_with("%PDF-1.5\r\n1 0 obj\r\n<<\r\n/Producer ()\r\n"));
  EXPECT_NE(pdf.find("4 0 obj\r\n<< /Type /Font\r\n/Subtype /Type1\r\n/Name /F1\r\n"
                     "/BaseFont /Helvetica\r\n/Encoding /WinAnsiEncoding\r\n>>\r\nendobj"),
            std::string::npos);
  EXPECT_NE(pdf.find("endobj\r\n\r\nxref\r\n0 9\r\n0000000000 65535 f\r\n0000000010 00000 n\r\n"),
            std::string::npos);
  EXPECT_TRUE(
      pdf.ends_with("trailer\r\n<< /Size 9\r\n/Root 8 0 R\r\n/Info 1 0 R\r\n>>\r\n"
                    "startxref\r\n" +
                    std::to_string(pdf.rfind("xref\r\n0 9")) + "\r\n\r\n%%EOF\r\n"));
  ExpectConsistentXref(pdf);
  ExpectStreamLength(pdf, 2);
}

TEST(DocumentTest, AbandonedDocumentLeavesTheEarlierFileAndNoPartialFile) {
  pdftest::ScratchDir dir;
  auto target = dir.path() / "fiche.pdf";
  pdftest::WriteFile(target, "earlier sheet");
  {
    platform::RecordingHost host;
    pdf::vaROR writer(host);
    writer.PDFFileName(target.string());
    writer.PDFBeginDoc();
  }
  EXPECT_EQ(ReadFile(target), "earlier sheet");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

// A PDFEndDoc that raised once counted as done: the next one returned quietly, no file
// written. A retry raises again while the cause stands; an image put back is copied then.
struct EndFailure {
  const char* name;
  std::function<void(const pdftest::WriterFixture&)> cause, cure;
  pdf::PdfErrorCode code;
  bool written_after_cure;  // false: the file was abandoned when its renaming failed
};

void PrintTo(const EndFailure& failure, std::ostream* out) { *out << failure.name; }

class EndDocRetryTest : public ::testing::TestWithParam<EndFailure> {};

TEST_P(EndDocRetryTest, RaisesUntilTheFileIsWritten) {
  const EndFailure& failure = GetParam();
  pdftest::WriterFixture doc;
  pdftest::WriteFile(doc.dir.path() / "photo.jpg", pdftest::MakeJpeg(8, 8, 3));
  doc.writer.PDFBeginDoc();
  doc.writer.PDFImage((doc.dir.path() / "photo.jpg").string(), 10, 20);
  failure.cause(doc);
  for (int attempt = 1; attempt <= 3; ++attempt) {
    if (attempt == 3) failure.cure(doc);
    try {
      doc.writer.PDFEndDoc();
      EXPECT_TRUE(attempt == 3 && failure.written_after_cure) << "attempt " << attempt;
    } catch (const pdf::PdfError& error) {
      EXPECT_EQ(error.code(), failure.code) << "attempt " << attempt;
      EXPECT_FALSE(attempt == 3 && failure.written_after_cure) << error.what();
    }
  }
  EXPECT_EQ(std::filesystem::is_regular_file(doc.File()), failure.written_after_cure);
  if (failure.written_after_cure) ExpectConsistentXref(ReadFile(doc.File()));
}

INSTANTIATE_TEST_SUITE_P(
    Causes, EndDocRetryTest,
    ::testing::Values(
        EndFailure{"ImageRemoved",
                   [](const auto& doc) { std::filesystem::remove(doc.dir.path() / "photo.jpg"); },
                   [](const auto& doc) {
                     pdftest::WriteFile(doc.dir.path() / "photo.jpg", pdftest::MakeJpeg(8, 8, 3));
                   },
                   pdf::PdfErrorCode::ImageChanged, true},
        EndFailure{
            "RenameRefused",
            [](const auto& doc) { std::filesystem::create_directories(doc.File() / "dossier"); },
            [](const auto& doc) { std::filesystem::remove_all(doc.File()); },
            pdf::PdfErrorCode::FileNotWritten, false}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
