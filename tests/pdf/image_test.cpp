// Images on the page: the placement line, the image object that copies the file, and the
// refusals that leave the document as it was.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "pdf/file_names.h"
#include "tests/pdf/jpeg_maker.h"
#include "tests/pdf/support.h"

namespace {

using pdftest::MakeJpeg;
using pdftest::ReadFile;
using pdftest::StreamOf;

class ImageTest : public ::testing::Test {
 protected:
  void SetUp() override { writer.PDFBeginDoc(); }
  // Writes a JPEG file into the scratch folder and returns its name.
  std::string Jpeg(const std::string& name, const std::string& bytes) {
    auto file = doc.dir.path() / name;
    pdftest::WriteFile(file, bytes);
    return file.string();
  }
  pdftest::WriterFixture doc;
  pdf::vaROR& writer = doc.writer;
};

TEST_F(ImageTest, EachPlacementMakesAnImageObjectThatCopiesTheFile) {
  const std::string bytes = MakeJpeg(6000, 4000, 1);  // larger than one copy buffer
  const std::string file = Jpeg("photo.jpg", bytes);
  writer.PDFImage(file, 10, 20, 100, 50);
  writer.PDFImage(file, 10, 100, 30, 20);
  std::string pdf = doc.Finish();
  EXPECT_NE(pdf.find("6 0 obj\r\n<< /ProcSet [ /PDF /Text /ImageC]\r\n/XObject << \r\n"
                     "/ImgJPEG1 7 0 R\r\n/ImgJPEG2 8 0 R\r\n>>\r\n"),
            std::string::npos);
  for (int j : {1, 2}) {
    std::string object = std::to_string(6 + j) +
                         " 0 obj\r\n<</Type /XObject\r\n/Subtype /Image\r\n"
                         "/Filter [/DCTDecode ]\r\n/Width 6000\r\n/Height 4000\r\n"
                         "/ColorSpace /DeviceGray\r\n/BitsPerComponent 8\r\n/Length " +
                         std::to_string(bytes.size()) + "\r\n/Name /ImgJPEG" + std::to_string(j) +
                         ">>\r\nstream\r\n" + bytes +
                         "\r\nendstream\r\nendobj\r\n\r\n";  // data unchanged
    EXPECT_NE(pdf.find(object), std::string::npos) << j;
  }
  EXPECT_NE(pdf.find("/Kids [\r\n9 0 R\r\n]"), std::string::npos);
  EXPECT_NE(pdf.find("/ImgJPEG2 Do Q"), std::string::npos);
  pdftest::ExpectConsistentXref(pdf);
}

TEST_F(ImageTest, RefusedFilesShowOneMessageAndWriteNothing) {
  // Name, readability, markers, density unit, components, frame header: each its reason.
  const std::string cannot = "\r\nImpossible d'inclure l'image dans le fichier PDF.";
  const std::string not_jpg =
      "Format d'image non supportée.\r\nSeule les images de types JPG sont supportées." + cannot;
  std::string no_end = MakeJpeg(8, 8, 3);
  no_end.back() = 'x';
  const struct {
    std::string name;
    std::string bytes;  // not written when empty
    std::string message;
  } cases[] = {
      {"photo", "x", "Le fichier image {file} ne possède pas d'extension." + cannot},
      {"dossier.v2/photo", "", "Le fichier image {file} ne possède pas d'extension." + cannot},
      {"photo.png", "x", not_jpg},
      {"photo.jpgx", "x", not_jpg},
      {"PHOTO.JPG", MakeJpeg(8, 8, 3), not_jpg},
      {"photo.Jpeg", MakeJpeg(8, 8, 3), not_jpg},
      {"absente.jpg", "", "Fichier image non JPEG." + cannot},
      {"petite.jpg", MakeJpeg({.size = 249}), "Fichier image non JPEG." + cannot},
      {"sans-fin.jpg", no_end,
       "Marqueur de début JPEG ou marqueur de fin JPEG non valide." + cannot},
      {"unite.jpg", MakeJpeg({.density_unit = 3}),
       "Erreur de résolution d'image , l'Opcode est 3Les Opcodes valides sont  0, 1, 2." + cannot},
      {"deux.jpg", MakeJpeg(8, 8, 2),
       "Nombre de composantes de couleur non supporté : 2." + cannot},
      {"sans-trame.jpg",
       std::string(300, '\xFF').replace(0, 2, "\xFF\xD8").replace(298, 2, "\xFF\xD9"),
       "En-tête d'image JPEG absent ou non valide." + cannot},
  };
  for (const auto& c : cases) {
    pdftest::WriterFixture one;
    one.writer.PDFBeginDoc();
    const std::string file = (one.dir.path() / c.name).string();
    if (!c.bytes.empty()) pdftest::WriteFile(file, c.bytes);
    std::string expected = c.message;
    if (auto at = expected.find("{file}"); at != std::string::npos) expected.replace(at, 6, file);
    one.writer.PDFImage(file, 10, 20, 30, 40);
    EXPECT_EQ(one.writer.PDFImageWidth(file), 0) << c.name;
    EXPECT_EQ(one.writer.PDFImageHeight(file), 0) << c.name;
    ASSERT_EQ(one.host.messages.size(), 3u) << c.name;
    for (const auto& message : one.host.messages) {
      EXPECT_EQ(message.text, expected) << c.name;
      EXPECT_EQ(message.title, "Fichier Image - vaROR 4.0");
      EXPECT_EQ(message.icon, platform::MessageIcon::Critical);
    }
    EXPECT_EQ(one.writer.PDFGetX(), 1) << "the position did not move";
    std::string pdf = one.Finish();
    EXPECT_EQ(StreamOf(pdf, 2), "") << c.name;
    EXPECT_NE(pdf.find("/XObject << \r\n>>"), std::string::npos) << c.name;
  }
}

// A FIFO named like an image, opened for reading, waited for ever for a writer; one put in
// the place of a placed image made PDFEndDoc wait. It is refused unopened, as a file that
// cannot be opened is.
TEST_F(ImageTest, FifoIsRefusedWithoutBeingOpened) {
  const auto fifo = doc.dir.path() / "tube.jpg";
  const std::string placed = Jpeg("photo.jpg", MakeJpeg(8, 8, 3));
  pdftest::MakeFifo(fifo);
  std::vector<double> sizes;
  const auto place = [&] {
    writer.PDFImage(fifo.string(), 10, 20);
    sizes = {writer.PDFImageWidth(fifo.string()), writer.PDFImageHeight(fifo.string())};
  };
  EXPECT_TRUE(pdftest::ReturnsWithoutAWriter(fifo, place));
  EXPECT_EQ(sizes, std::vector<double>({0, 0}));
  ASSERT_EQ(doc.host.messages.size(), 3u);
  for (const auto& message : doc.host.messages) {
    EXPECT_EQ(message.text,
              "Fichier image non JPEG.\r\nImpossible d'inclure l'image dans le fichier PDF.");
  }
  writer.PDFImage(placed, 10, 20);
  std::filesystem::remove(placed);
  pdftest::MakeFifo(placed);
  const auto end = [&] { EXPECT_THROW(writer.PDFEndDoc(), pdf::PdfError); };
  EXPECT_TRUE(pdftest::ReturnsWithoutAWriter(placed, end));
}

TEST_F(ImageTest, BackslashesInTheName) {
  std::filesystem::create_directories(doc.dir.path() / "photos");
  const std::string bytes = MakeJpeg(8, 8, 3);
  for (std::string name : {"photo.jpeg", "photos\\photo.jpg", "photos\\.x.jpg"}) {
    writer.PDFImage(Jpeg(pdf::PathFromName(name).string(), bytes), 10, 20);
    writer.PDFImage(doc.dir.path().string() + "\\" + name, 10, 20);
  }
  EXPECT_TRUE(doc.host.messages.empty());
  EXPECT_NE(doc.FirstPageContent().find("/ImgJPEG6 Do Q"), std::string::npos);
}

TEST_F(ImageTest, FileChangedAfterPlacingAbandonsTheDocument) {
  pdftest::WriteFile(doc.File(), "earlier sheet");
  const std::string file = Jpeg("photo.jpg", MakeJpeg(8, 8, 3));
  writer.PDFImage(file, 10, 20);
  pdftest::WriteFile(file, MakeJpeg({.size = 280}));
  try {
    writer.PDFEndDoc();
    ADD_FAILURE() << "no error";
  } catch (const pdf::PdfError& error) {
    EXPECT_EQ(error.code(), pdf::PdfErrorCode::ImageChanged);
    EXPECT_NE(std::string(error.what()).find("photo.jpg » a été modifié ou supprimé"),
              std::string::npos);
  }
  EXPECT_EQ(ReadFile(doc.File()), "earlier sheet");
}

// An Adobe CMYK file stores its ink inverted, and readers drew it in the opposite colours:
// its image object alone gets the /Decode array; every other dictionary is as it was.
struct DictionaryCase {
  int components;
  bool adobe;
  const char* lines;  // from /ColorSpace to /Length
};

void PrintTo(const DictionaryCase& c, std::ostream* out) {
  *out << c.components << " components" << (c.adobe ? ", Adobe" : "");
}

class ImageDictionaryTest : public ::testing::TestWithParam<DictionaryCase> {};

TEST_P(ImageDictionaryTest, DecodeArrayForAdobeCmykOnly) {
  pdftest::WriterFixture doc;
  const auto file = doc.dir.path() / "photo.jpg";
  pdftest::WriteFile(file,
                     MakeJpeg({.components = GetParam().components, .adobe = GetParam().adobe}));
  doc.writer.PDFBeginDoc();
  doc.writer.PDFImage(file.string(), 10, 20);
  const std::string pdf = doc.Finish();
  EXPECT_NE(pdf.find(std::string("/Height 8\r\n") + GetParam().lines + "300\r\n"),
            std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    ColourSpaces, ImageDictionaryTest,
    ::testing::Values(
        DictionaryCase{4, true,
                       "/ColorSpace /DeviceCMYK\r\n/BitsPerComponent 8\r\n"
                       "/Decode [1 0 1 0 1 0 1 0]\r\n/Length "},
        DictionaryCase{4, false, "/ColorSpace /DeviceCMYK\r\n/BitsPerComponent 8\r\n/Length "},
        DictionaryCase{3, true, "/ColorSpace /DeviceRGB\r\n/BitsPerComponent 8\r\n/Length "},
        DictionaryCase{1, true, "/ColorSpace /DeviceGray\r\n/BitsPerComponent 8\r\n/Length "}));

// The red, green and blue of a one-pixel binary PPM file: its last three bytes.
std::array<int, 3> OnePixel(const std::filesystem::path& file) {
  const std::string bytes = ReadFile(file);
  const auto sample = [&bytes](std::size_t back) {
    return static_cast<int>(static_cast<unsigned char>(bytes[bytes.size() - back]));
  };
  return {sample(3), sample(2), sample(1)};
}

// A CMYK JPEG with the Adobe marker as ImageMagick writes it, drawn by poppler, shows the
// colour the file itself decodes to (red), not its inverse (cyan-black).
TEST_F(ImageTest, AdobeCmykRendersInItsOwnColour) {
  const auto jpeg = doc.dir.path() / "rouge.jpg";
  const auto own = doc.dir.path() / "rouge.ppm";
  const auto page = doc.dir.path() / "page";
  auto made = pdftest::RunTool("convert -size 16x16 'xc:cmyk(0,255,255,0)' -colorspace CMYK '" +
                               jpeg.string() + "' && convert '" + jpeg.string() +
                               "' -crop 1x1+8+8 -colorspace sRGB -depth 8 '" + own.string() + "'");
  ASSERT_EQ(made.status, 0) << made.output;
  writer.PDFImage(jpeg.string(), 0, 0, 100, 100);
  doc.Finish();
  auto drawn = pdftest::RunTool("pdftoppm -r 72 -x 50 -y 50 -W 1 -H 1 -singlefile '" +
                                doc.File().string() + "' '" + page.string() + "'");
  ASSERT_EQ(drawn.status, 0) << drawn.output;
  const std::array<int, 3> expected = OnePixel(own);
  const std::array<int, 3> rendered = OnePixel(page.string() + ".ppm");
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_NEAR(rendered[i], expected[i], 48) << "component " << i;
  }
}

}  // namespace
