// Bookmarks: the outline objects, their links and destinations, and the catalog entries.
#include <gtest/gtest.h>

#include <vector>

#include "tests/pdf/support.h"

namespace {

// The lines of object n between "n 0 obj" and "endobj".
std::string ObjectBody(const std::string& pdf, int object) {
  std::size_t start = pdf.find("\r\n", pdftest::ObjectLinePositions(pdf).at(object)) + 2;
  return pdf.substr(start, pdf.find("endobj\r\n", start) - start);
}

// The link lines of an outline item in short: "parent R, next 3" names bookmarks by their
// index (bookmark i is object first + i) and the outline root by R.
std::string Links(const std::string& body, int first, int root) {
  std::string links;
  for (const char* key : {"/Parent ", "/Prev ", "/Next ", "/First ", "/Last "}) {
    std::size_t at = body.find(std::string("\r\n") + key);
    if (at == std::string::npos) continue;
    int object = std::stoi(body.substr(at + 2 + std::string(key).size()));
    std::string name = std::string(key).substr(1);
    name[0] = static_cast<char>(std::tolower(name[0]));
    links += (links.empty() ? "" : ", ") + name +
             (object == root ? std::string("R") : std::to_string(object - first));
  }
  return links;
}

class BookmarkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    writer.PDFUseOutlines(true);
    writer.PDFBeginDoc();
  }
  pdftest::WriterFixture doc;
  pdf::vaROR& writer = doc.writer;
};

TEST_F(BookmarkTest, WithoutBookmarksTheCatalogNamesNoOutline) {
  std::string pdf = doc.Finish();
  EXPECT_NE(pdf.find("8 0 obj\r\n<<\r\n/Type /Catalog\r\n/Pages 5 0 R\r\n/OpenAction [7 0 R /Fit]"
                     "\r\n/PageLayout /SinglePage\r\n>>\r\nendobj"),
            std::string::npos);
  EXPECT_EQ(pdf.find("/Outlines"), std::string::npos);
  EXPECT_EQ(pdf.find("/PageMode"), std::string::npos);
}

TEST_F(BookmarkTest, OneBookmarkAtLevelOneIsAWholeOutline) {
  writer.PDFSetBookmark("Signet1", 1, 40);
  std::string pdf = doc.Finish();
  EXPECT_NE(pdf.find("8 0 obj\r\n<</Title (Signet1)\r\n/Parent 9 0 R\r\n"
                     "/Dest [7 0 R /XYZ 0 801.89 null]\r\n/Count 0>>\r\nendobj\r\n\r\n"
                     "9 0 obj\r\n<</Type /Outlines /First 8 0 R\r\n/Last 8 0 R>>\r\nendobj\r\n\r\n"
                     "10 0 obj\r\n<<\r\n/Type /Catalog\r\n"),
            std::string::npos);
  EXPECT_NE(pdf.find("/PageLayout /SinglePage\r\n/Outlines 9 0 R\r\n/PageMode /UseOutlines\r\n>>"),
            std::string::npos);
  EXPECT_NE(pdf.find("/Root 10 0 R"), std::string::npos);
  pdftest::ExpectConsistentXref(pdf);
}

// Found by the whole-writer fuzz target: thumbnails and outlines both asked for wrote two
// /PageMode keys into the catalog, which readers settle each their own way. The outline
// panel is shown; thumbnails alone are still asked for when there is no outline.
TEST_F(BookmarkTest, ThumbnailsAndOutlinesGiveOnePageMode) {
  for (bool bookmark : {true, false}) {
    pdftest::WriterFixture both;
    both.writer.PDFUseThumbs(true);
    both.writer.PDFUseOutlines(true);
    both.writer.PDFBeginDoc();
    if (bookmark) both.writer.PDFSetBookmark("Signet1", 0, 40);
    const std::string pdf = both.Finish();
    const std::size_t mode = pdf.find("/PageMode");
    ASSERT_NE(mode, std::string::npos) << bookmark;
    EXPECT_EQ(pdf.find("/PageMode", mode + 1), std::string::npos) << bookmark;
    EXPECT_EQ(pdf.substr(mode, 22),
              bookmark ? "/PageMode /UseOutlines" : "/PageMode /UseThumbs\r\n");
  }
}

TEST_F(BookmarkTest, TwoTopLevelBookmarksAreSiblingsUnderTheRoot) {
  writer.PDFSetBookmark("Identité", 0, 40);
  writer.PDFSetBookmark("Grille (AGGIR)", 0, 100);
  std::string pdf = doc.Finish();
  EXPECT_NE(pdf.find("8 0 obj\r\n<</Title (Identit\xE9)\r\n/Parent 10 0 R\r\n/Next 9 0 R\r\n"
                     "/Dest [7 0 R /XYZ 0 801.89 null]\r\n/Count 0>>\r\nendobj\r\n\r\n"
                     "9 0 obj\r\n<</Title (Grille \\(AGGIR\\))\r\n/Parent 10 0 R\r\n/Prev 8 0 R\r\n"
                     "/Dest [7 0 R /XYZ 0 741.89 null]\r\n/Count 0>>\r\nendobj\r\n\r\n"
                     "10 0 obj\r\n<</Type /Outlines /First 8 0 R\r\n/Last 9 0 R>>\r\nendobj\r\n"),
            std::string::npos);
  EXPECT_NE(pdf.find("/Outlines 10 0 R\r\n"), std::string::npos);
}

TEST(BookmarkTreeTest, LevelsMakeTheTree) {
  // Levels as given -> the links of each bookmark and the root's last; a level deeper than
  // allowed goes one below the bookmark before, a negative one to the top.
  const struct {
    std::vector<int> levels;
    std::vector<const char*> links;
    int root_last;
  } cases[] = {
      {{0, 1, 2, 1, 0, 1},
       {"parent R, next 4, first 1, last 3", "parent 0, next 3, first 2, last 2", "parent 1",
        "parent 0, prev 1", "parent R, prev 0, first 5, last 5", "parent 4"},
       4},
      {{0, 3, 5}, {"parent R, first 1, last 1", "parent 0, first 2, last 2", "parent 1"}, 0},
      {{2, 2}, {"parent R, first 1, last 1", "parent 0"}, 0},
      {{0, 1, -1}, {"parent R, next 2, first 1, last 1", "parent 0", "parent R, prev 0"}, 2},
  };
  for (const auto& c : cases) {
    pdftest::WriterFixture doc;
    doc.writer.PDFBeginDoc();
    for (int level : c.levels) doc.writer.PDFSetBookmark("B", level, 10);
    std::string pdf = doc.Finish();
    const int first = 8;
    const int root = first + static_cast<int>(c.levels.size());
    for (std::size_t i = 0; i < c.links.size(); ++i) {
      EXPECT_EQ(Links(ObjectBody(pdf, first + static_cast<int>(i)), first, root), c.links[i])
          << "bookmark " << i << " of " << ::testing::PrintToString(c.levels);
    }
    EXPECT_NE(ObjectBody(pdf, root).find("/Last " + std::to_string(first + c.root_last) + " 0 R>>"),
              std::string::npos);
  }
}

TEST(BookmarkDestinationTest, PageAndHeightOfTheDestination) {
  // y from the top in user units becomes a height from the bottom of the bookmark's page.
  pdftest::WriterFixture doc;
  doc.writer.PDFBeginDoc();
  doc.writer.PDFSetBookmark("y 40", 0, 40);
  doc.writer.PDFTextOut("texte", 10, 20);
  doc.writer.PDFSetBookmark("y courant", 0);  // the text left the position at 30
  doc.writer.PDFEndPage();
  doc.writer.PDFOrientation(0);
  doc.writer.PDFNewPage();
  doc.writer.PDFSetBookmark("page 2", 0, 40);
  doc.writer.PDFSetUnit(1);
  doc.writer.PDFSetBookmark("mm", 0, 10);
  std::string pdf = doc.Finish();
  // Pages are objects 9 and 10; the bookmarks follow from 11.
  const char* const destinations[] = {"[9 0 R /XYZ 0 801.89 null]", "[9 0 R /XYZ 0 811.89 null]",
                                      "[10 0 R /XYZ 0 555.00 null]", "[10 0 R /XYZ 0 566.65 null]"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_NE(ObjectBody(pdf, 11 + i).find(std::string("/Dest ") + destinations[i]),
              std::string::npos)
        << destinations[i];
  }
}

}  // namespace
