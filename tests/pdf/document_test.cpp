// File assembly: object layout, byte offsets, stream lengths, catalog, output file.
#include <gtest/gtest.h>

#include <functional>

#include "pdf/format.h"
#include "tests/pdf/jpeg_maker.h"
#include "tests/pdf/support.h"

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

TEST(DocumentTest, EndPageBeforeEndDocChangesNothing) {
  pdftest::WriterFixture plain, ended;
  for (auto* doc : {&plain, &ended}) {
    doc->writer.PDFBeginDoc();
    doc->writer.PDFTextOut("x", 5, 5);
  }
  ended.writer.PDFEndPage();
  EXPECT_EQ(plain.Finish(), ended.Finish());
}

TEST(DocumentTest, FinishedFileReplacesTheEarlierOneOnlyAtTheEnd) {
  pdftest::WriterFixture doc;
  pdftest::WriteFile(doc.File(), "earlier sheet");
  doc.writer.PDFBeginDoc();
  doc.writer.PDFTextOut("x", 5, 5);
  EXPECT_EQ(ReadFile(doc.File()), "earlier sheet");
  doc.writer.PDFView(true);
  doc.writer.PDFConfirm(true);
  std::string pdf = doc.Finish();
  EXPECT_TRUE(pdf.starts_with("%PDF-1.5"));
  ASSERT_EQ(doc.host.opened_pdfs.size(), 1u);
  EXPECT_EQ(doc.host.opened_pdfs[0], std::filesystem::absolute(doc.File()));
  ASSERT_EQ(doc.host.messages.size(), 1u);
  EXPECT_EQ(doc.host.messages[0].text, "Fichier PDF généré.");
  EXPECT_EQ(doc.host.messages[0].title, "Génération du Fichier PDF - vaROR 4.0");
  EXPECT_EQ(doc.host.messages[0].icon, platform::MessageIcon::None);
  // Only the document itself is left in the folder: no temporary file.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(doc.dir.path()), {}), 2);
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

TEST(DocumentTest, FileThatCannotBeCreatedMakesEndDocFail) {
  // Names that yield no file: empty, a folder only, a folder that does not exist, a name
  // longer than the 255 bytes a file system takes.
  pdftest::ScratchDir dir;
  const std::string absent = (dir.path() / "absent").string();
  const std::string too_long = (dir.path() / (std::string(252, '1') + ".pdf")).string();
  const struct {
    std::string name, message;
  } cases[] = {{"", "Le fichier PDF «  » n'a pas pu être créé."},
               {dir.path().string() + "\\",
                "Le fichier PDF « " + dir.path().string() + "\\ » n'a pas pu être créé."},
               {absent + "/x.pdf", "Le fichier PDF « " + absent +
                                       "/x.pdf » n'a pas pu être créé : le dossier « " + absent +
                                       " » n'existe pas."},
               {too_long, "Le fichier PDF « " + too_long +
                              " » n'a pas pu être créé : le nom du fichier est trop long."}};
  for (const auto& [name, message] : cases) {
    platform::RecordingHost host;
    pdf::vaROR writer(host);
    writer.PDFView(true);
    writer.PDFFileName(name);
    EXPECT_EQ(writer.PDFGetFileName(), name);
    writer.PDFBeginDoc();
    try {
      writer.PDFEndDoc();
      ADD_FAILURE() << "no error for '" << name << "'";
    } catch (const pdf::PdfError& error) {
      EXPECT_EQ(error.code(), pdf::PdfErrorCode::FileNotCreated);
      EXPECT_EQ(error.what(), message);
    }
    EXPECT_TRUE(host.opened_pdfs.empty());
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 0);
}

// The temporary file's name once grew with the target's: a 255-byte name failed.
TEST(DocumentTest, TheLongestNameAFileSystemTakesIsWritten) {
  pdftest::WriterFixture doc;
  const auto file = doc.dir.path() / (std::string(251, '1') + ".pdf");
  doc.writer.PDFFileName(file.string());
  doc.writer.PDFBeginDoc();
  doc.writer.PDFEndDoc();
  ExpectConsistentXref(ReadFile(file));
}

TEST(DocumentTest, BackslashSplitsTheFileName) {
  pdftest::ScratchDir dir;
  std::filesystem::create_directories(dir.path() / "sub");
  platform::RecordingHost host;
  pdf::vaROR writer(host);
  writer.PDFFileName(dir.path().string() + "\\sub\\fiche.pdf");
  writer.PDFBeginDoc();
  writer.PDFEndDoc();
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "sub" / "fiche.pdf"));
}

TEST(DocumentTest, LifeCycleCallsOutOfOrderRaiseAndNeverWriteABrokenFile) {
  // Each case: the calls before, the call out of order, its message, and whether the
  // document can still be ended into a file.
  using Calls = std::function<void(pdf::vaROR&)>;
  const Calls none = [](pdf::vaROR&) {};
  const Calls begun = [](pdf::vaROR& w) { w.PDFBeginDoc(); };
  const Calls ended = [](pdf::vaROR& w) {
    w.PDFBeginDoc();
    w.PDFEndDoc();
  };
  const struct {
    Calls before, call;
    const char* message;
    bool written;
  } cases[] = {
      {none, [](pdf::vaROR& w) { w.PDFEndDoc(); },
       "PDFEndDoc : le document n'est pas commencé (PDFBeginDoc n'a pas été appelé).", false},
      {none, [](pdf::vaROR& w) { w.PDFNewPage(); },
       "PDFNewPage : le document n'est pas commencé (PDFBeginDoc n'a pas été appelé).", false},
      {begun, [](pdf::vaROR& w) { w.PDFBeginDoc(); },
       "PDFBeginDoc : le document est déjà commencé.", true},
      {begun, [](pdf::vaROR& w) { w.PDFFileName("autre.pdf"); },
       "PDFFileName : le document est déjà commencé.", true},
      {ended, [](pdf::vaROR& w) { w.PDFBeginDoc(); },
       "PDFBeginDoc : le document est déjà terminé (PDFInit en prépare un nouveau).", true},
      {ended, [](pdf::vaROR& w) { w.PDFNewPage(); },
       "PDFNewPage : le document est déjà terminé (PDFInit en prépare un nouveau).", true},
      {ended, [](pdf::vaROR& w) { w.PDFFileName("autre.pdf"); },
       "PDFFileName : le document est déjà terminé (PDFInit en prépare un nouveau).", true},
  };
  for (const auto& c : cases) {
    pdftest::WriterFixture doc;
    c.before(doc.writer);
    try {
      c.call(doc.writer);
      ADD_FAILURE() << "no error: " << c.message;
    } catch (const pdf::PdfError& error) {
      EXPECT_EQ(error.code(), pdf::PdfErrorCode::OutOfOrder);
      EXPECT_EQ(std::string(error.what()), c.message);
    }
    if (c.written) doc.writer.PDFEndDoc();
    EXPECT_EQ(std::filesystem::exists(doc.File()), c.written) << c.message;
    if (!c.written) continue;
    std::string pdf = ReadFile(doc.File());
    EXPECT_TRUE(pdf.starts_with("%PDF-1.5\r\n1 0 obj")) << c.message;
    EXPECT_EQ(pdf.find("%PDF-", 1), std::string::npos) << c.message;
    ExpectConsistentXref(pdf);
    EXPECT_FALSE(std::filesystem::exists(doc.dir.path() / "autre.pdf"));
  }
}

TEST(DocumentTest, SecondEndDocChangesNothingAndSaysNothing) {
  pdftest::WriterFixture doc;
  doc.writer.PDFConfirm(true);
  doc.writer.PDFBeginDoc();
  std::string first = doc.Finish();
  doc.writer.PDFEndDoc();
  EXPECT_EQ(ReadFile(doc.File()), first);
  EXPECT_EQ(doc.host.messages.size(), 1u);  // the one end message
}

// After PDFInit a writer that wrote a document writes the next one as a new writer does,
// also with a bookmark set before PDFBeginDoc: it once took the page count of the document
// before, and its outline named an object the file did not hold.
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

TEST(DocumentTest, InitPreparesANewDocumentAfterTheEnd) {
  auto write_second = [](pdftest::WriterFixture& doc) {
    doc.writer.PDFSetUnit(0);
    doc.writer.PDFFileName((doc.dir.path() / "second.pdf").string());
    doc.writer.PDFSetBookmark("Signet1", 0, 40);
    doc.writer.PDFBeginDoc();
    doc.writer.PDFTextOut("x", 10, 20);
    doc.writer.PDFCell("cellule", 10, 40, 100, 12);
    doc.writer.PDFDrawRectangle(10, 60, 20, 20);
    doc.writer.PDFEndDoc();
    return ReadFile(doc.dir.path() / "second.pdf");
  };
  pdftest::WriterFixture used, fresh;
  used.writer.PDFSetAlignement(2);
  used.writer.PDFSetBorder(1);
  used.writer.PDFSetFill(true);
  used.writer.PDFSetLineStyle(1);
  used.writer.PDFSetDrawMode(1);
  used.writer.PDFSetLineColor(255);
  used.writer.PDFBeginDoc();
  for (int page = 2; page <= 3; ++page) {
    used.writer.PDFEndPage();
    used.writer.PDFNewPage();
    used.writer.PDFLink(10, 20, "http://exemple.fr");
  }
  used.writer.PDFSetBookmark("Page 3", 0, 10);
  used.writer.PDFEndDoc();
  used.writer.PDFInit();
  const std::string second = write_second(used);
  EXPECT_EQ(second, write_second(fresh));
  EXPECT_NE(second.find("/Dest [7 0 R /XYZ 0 801.89 null]"), std::string::npos);
  ExpectConsistentXref(second);
}

TEST(DocumentTest, MetricFolderIsRefusedWhileADocumentIsOpen) {
  pdftest::WriterFixture doc;
  pdftest::ScratchDir other;
  pdftest::WriteTestMetrics(other.path(), "Courier");
  doc.writer.PDFBeginDoc();
  doc.writer.PDFLoadAfm(other.path().string());
  doc.writer.PDFTextOut("x", 10, 20);
  ASSERT_EQ(doc.host.messages.size(), 1u);
  EXPECT_EQ(doc.host.messages[0].text,
            "Dossier de métriques refusé pendant le document : " + other.path().string() +
                ".\r\nLes fonts utilisées "
                "restent celles de " +
                doc.fonts.string() + ".");
  EXPECT_EQ(doc.host.messages[0].title, "Chargement des Fonts - vaROR 4.0");
  EXPECT_EQ(doc.host.messages[0].icon, platform::MessageIcon::Critical);
  std::string pdf = doc.Finish();
  EXPECT_NE(pdf.find("/Font << \r\n/F1 4 0 R \r\n>>"), std::string::npos);
  EXPECT_EQ(pdf.find("Courier"), std::string::npos);
  doc.writer.PDFLoadAfm(other.path().string());  // once the document is ended, it is taken
  EXPECT_EQ(doc.host.messages.size(), 1u);
}

}  // namespace
