// SPDX-License-Identifier: EUPL-1.2
// A document with images, links and bookmarks, checked by the installed PDF tools.
#include <gtest/gtest.h>

#include <vector>

#include "jpeg_maker.h"
#include "test_support/files.h"
#include "test_support/golden.h"

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
    writer.PDFSetBookmark("Progressive, Прогрессивный", 2, 80);
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

// qpdf's check, every image placement with its size and colours, the link over the colour
// image (40 x 30 mm from (10, 100) mm) and the outline tree as qpdf reads them, against the
// reviewed copy in golden/illustrated.txt.
TEST_F(IllustratedDocumentTest, ToolsReadImagesLinksAndBookmarks) {
  const std::string check = Tool("qpdf --check");
  std::string read = check.substr(check.find('\n') + 1) + Tool("pdfimages -list");
  const std::string pdf = pdftest::ReadFile(file);
  const auto annots = pdf.find("/Annots [");
  read += pdf.substr(annots, pdf.find("]\r\n", pdf.find("/URI", annots)) - annots) + "\n";
  read += OutlineTree(Tool("qpdf --json=2 --json-key=outlines"));
  ExpectGolden(AGGIR_SOURCE_DIR "/tests/pdf/golden/illustrated.txt", read);
  EXPECT_TRUE(host.messages.empty());
  // The link leaves the text colour blue for the texts that follow.
  EXPECT_NE(pdftest::StreamOf(pdf, 2).find("q 0.000 0.000 1.000 rg \r\n%DEBUT_TEXT/%"),
            std::string::npos);
}

}  // namespace
