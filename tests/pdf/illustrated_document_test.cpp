// A document with images, links and bookmarks, checked by the installed PDF tools.
#include <gtest/gtest.h>

#include <vector>

#include "tests/pdf/jpeg_maker.h"
#include "tests/pdf/support.h"

namespace {

using pdftest::MakeJpeg;

// The outline tree in qpdf's JSON, one title a line, indented two blanks a level. qpdf
// writes an item's keys in alphabetical order, so its title comes after its kids.
std::string OutlineTree(const std::string& json) {
  std::string tree, key, last;
  std::vector<bool> lists;  // each open list: whether it holds outline items
  bool value = false;       // the next token is the value of `key`
  int depth = -1;
  for (std::size_t i = 0; i < json.size(); ++i) {
    const char c = json[i];
    if (c == '"') {
      std::size_t end = i + 1;
      while (json[end] != '"') end += json[end] == '\\' ? 2 : 1;
      last = json.substr(i + 1, end - i - 1);
      if (value && key == "title")
        tree += std::string(2 * static_cast<std::size_t>(depth), ' ') + last + "\n";
      i = end;
    } else if (c == ':') {
      key = last;
      value = true;
      continue;
    } else if (c == '[') {
      lists.push_back(value && (key == "kids" || key == "outlines"));
      depth += lists.back();
    } else if (c == ']') {
      depth -= lists.back();
      lists.pop_back();
    }
    if (c != ' ' && c != '\n') value = false;
  }
  return tree;
}

class IllustratedDocumentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::pair<const char*, pdftest::JpegOptions> images[] = {
        {"gris.jpg", {.width = 300, .height = 200, .components = 1}},
        {"couleur.jpg", {.width = 64, .height = 48, .components = 3}},
        {"cmjn.jpeg", {.width = 16, .height = 24, .components = 4}},
        {"progressive.jpg", {.width = 40, .height = 30, .components = 3, .progressive = true}},
    };
    for (const auto& [name, options] : images)
      pdftest::WriteFile(dir.path() / name, MakeJpeg(options));
    writer.PDFLoadAfm(AGGIR_FONTS_DIR);
    writer.PDFFileName(file.string());
    writer.PDFSetUnit(1);
    writer.PDFUseOutlines(true);
    writer.PDFBeginDoc();
    writer.PDFSetFont(0, 12);
    writer.PDFSetBookmark("Images", 0, 10);
    writer.PDFTextOut("Photographies", 10, 10);
    writer.PDFSetBookmark("Gris", 1, 20);
    writer.PDFImage(Name("gris.jpg"), 10, 20);
    writer.PDFSetBookmark("Couleur", 1, 100);
    writer.PDFImage(Name("couleur.jpg"), 10, 100, 40, 0, "https://www.cnsa.fr/aggir");
    writer.PDFLink(10, 160, "Site de la CNSA", "https://www.cnsa.fr/");
    writer.PDFEndPage();
    writer.PDFNewPage();
    writer.PDFSetBookmark("Impression (CMJN)", 0, 10);
    writer.PDFImage(Name("cmjn.jpeg"), 10, 20, 0, 30);
    writer.PDFSetBookmark("Progressive", 2, 80);
    writer.PDFImage(Name("progressive.jpg"), 10, 80, 40, 30);
    writer.PDFImage(Name("gris.jpg"), 60, 80, 30);
    writer.PDFEndDoc();
  }
  std::string Name(const char* image) const { return (dir.path() / image).string(); }
  std::string Tool(const std::string& command) const {
    auto result = pdftest::RunTool(command + " '" + file.string() + "'");
    EXPECT_EQ(result.status, 0) << command << "\n" << result.output;
    return result.output;
  }

  platform::RecordingHost host;
  pdf::vaROR writer{host};
  pdftest::ScratchDir dir;
  std::filesystem::path file = dir.path() / "illustre.pdf";
};

TEST_F(IllustratedDocumentTest, QpdfFindsNoErrorAndNoWarning) {
  std::string output = Tool("qpdf --check");
  EXPECT_NE(output.find("No syntax or stream encoding errors"), std::string::npos) << output;
  EXPECT_EQ(output.find("WARNING"), std::string::npos) << output;
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(IllustratedDocumentTest, PdfimagesListsEveryPlacementWithItsSizeAndColours) {
  std::string output = Tool("pdfimages -list");
  // page, number, type, width, height, colour, components, bits, encoding
  const char* const rows[] = {"1     0 image     300   200  gray    1   8  jpeg",
                              "1     1 image      64    48  rgb     3   8  jpeg",
                              "2     2 image      16    24  cmyk    4   8  jpeg",
                              "2     3 image      40    30  rgb     3   8  jpeg",
                              "2     4 image     300   200  gray    1   8  jpeg"};
  for (const char* row : rows)
    EXPECT_NE(output.find(row), std::string::npos) << row << "\n" << output;
  EXPECT_EQ(output.find("\n   2     5 "), std::string::npos) << output;
}

// The colour image is a link: its box covers the image, 40 x 30 mm from (10, 100) mm.
TEST_F(IllustratedDocumentTest, ImageLinkCoversTheImage) {
  const std::string pdf = pdftest::ReadFile(file);
  EXPECT_NE(pdf.find("/Rect [28.3464566929134 558.425433070866 141.346456692913 473.425433070866] "
                     "/Border [0 0 0] /A <</S /URI /URI (https://www.cnsa.fr/aggir)>>"),
            std::string::npos);
  // The link leaves the text colour blue for the texts that follow.
  EXPECT_NE(pdftest::StreamOf(pdf, 2).find("q 0.000 0.000 1.000 rg \r\n%DEBUT_TEXT/%"),
            std::string::npos);
}

TEST_F(IllustratedDocumentTest, QpdfReadsTheOutlineTree) {
  // Images (Gris, Couleur), Impression (CMJN) (Progressive), each title after its kids.
  EXPECT_EQ(OutlineTree(Tool("qpdf --json=2 --json-key=outlines")),
            "  Gris\n"
            "  Couleur\n"
            "Images\n"
            "  Progressive\n"
            "Impression (CMJN)\n");
}

}  // namespace
