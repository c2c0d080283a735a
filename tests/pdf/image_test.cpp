// SPDX-License-Identifier: EUPL-1.2
// Images on the page: the placement line, the image object that copies the file, and the
// refusals that leave the document as it was.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "jpeg_maker.h"
#include "test_support/files.h"

namespace {

using pdftest::MakeJpeg;
using pdftest::ReadFile;

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
