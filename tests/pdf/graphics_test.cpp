// Colours and ellipses: the colour forms, refused colours, and drawing without a page.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <limits>

#include <string>

#include "fuzz/fuzz_input.h"
#include "pdf/format.h"
#include "tests/pdf/support.h"

namespace {

using pdftest::CrLf;
using Calls = std::function<void(pdf::vaROR&)>;

// A fresh document in points on A4 (page height 841.89), page 1 open.
struct Page {
  Page() { doc.writer.PDFBeginDoc(); }
  std::string Content() { return doc.FirstPageContent(); }
  pdftest::WriterFixture doc;
  pdf::vaROR& writer = doc.writer;
};

// The four arcs of an ellipse, whole: the other shapes' lines are in golden/writer.txt.
TEST(GraphicsTest, EllipsesWriteTheirExactLines) {
  const struct {
    Calls draw;
    const char* content;
  } cases[] = {
      // A circle 30 millimetres across, with the width 0.567 set in millimetres.
      {[](pdf::vaROR& w) {
         w.PDFSetUnit(1);
         w.PDFSetLineWidth(0.567);
         w.PDFDrawEllipse(10, 20, 30);
       },
       R"(0 G

28.35 742.68 m
28.35 766.06 47.48 785.20 70.87 785.20 c
94.25 785.20 113.39 766.06 113.39 742.68 c
113.39 719.29 94.25 700.16 70.87 700.16 c
47.48 700.16 28.35 719.29 28.35 742.68 c
1.61 w s
)"},
      // An ellipse 40 wide and 20 high: the control distances are 11/20 of each half-axis,
      // 11 across and 5.5 up and down.
      {[](pdf::vaROR& w) { w.PDFDrawEllipse(10, 20, 40, 20); }, R"(0 G

10.00 811.89 m
10.00 817.39 19.00 821.89 30.00 821.89 c
41.00 821.89 50.00 817.39 50.00 811.89 c
50.00 806.39 41.00 801.89 30.00 801.89 c
19.00 801.89 10.00 806.39 10.00 811.89 c
0.57 w s
)"},
  };
  for (const auto& c : cases) {
    Page page;
    c.draw(page.writer);
    EXPECT_EQ(page.Content(), CrLf(c.content));
  }
}

// The colour cases are the seeds of the colour forms' fuzz target.
void WriteColourSeed(const std::string& name, const pdf::ColorValue& colour) {
  fuzzinput::Writer seed;
  fuzzinput::WriteColour(seed, colour);
  pdftest::WriteFuzzSeed("colour", name, seed.bytes());
}

TEST(GraphicsTest, ColourFormsGiveTheStoredOperators) {
  // Each case: a colour as given, then the text, line and draw colour operators it stores.
  const struct {
    pdf::ColorValue color;
    const char* fill;
    const char* stroke;
  } cases[] = {
      {"#FF0000", "1.000 0.000 0.000 rg", "1.000 0.000 0.000 RG"},
      {255, "1.000 0.000 0.000 rg", "1.000 0.000 0.000 RG"},
      {255.9, "1.000 0.000 0.000 rg", "1.000 0.000 0.000 RG"},
      {std::array{0.0, 0.0, 255.0}, "0.000 0.000 1.000 rg", "0.000 0.000 1.000 RG"},
      {{255, 128, 0}, "1.000 0.502 0.000 rg", "1.000 0.502 0.000 RG"},
      {"#ff8000", "1.000 0.502 0.000 rg", "1.000 0.502 0.000 RG"},
      {"#FF8000", "1.000 0.502 0.000 rg", "1.000 0.502 0.000 RG"},
      {"#12FF8000", "1.000 0.502 0.000 rg", "1.000 0.502 0.000 RG"},  // the last six digits
      {16777215, "1.000 1.000 1.000 rg", "1.000 1.000 1.000 RG"},
      {0x804020, "0.125 0.251 0.502 rg", "0.125 0.251 0.502 RG"},  // 0xBBGGRR
      {0, "0.000 0.000 0.000 rg", "0.000 0.000 0.000 RG"},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const auto& c = cases[i];
    WriteColourSeed("sound-" + std::to_string(i), c.color);
    platform::RecordingHost host;
    pdf::vaROR writer(host);
    writer.PDFSetTextColor(c.color);
    writer.PDFSetLineColor(c.color);
    writer.PDFSetDrawColor(c.color);
    EXPECT_EQ(writer.PDFGetTextColor(), c.fill);
    EXPECT_EQ(writer.PDFGetLineColor(), c.stroke);
    EXPECT_EQ(writer.PDFGetDrawColor(), c.fill);
    EXPECT_TRUE(host.messages.empty()) << c.fill;
  }
}

TEST(GraphicsTest, InvalidColoursAreReportedAndBlackIsUsed) {
  // Each case: a colour the setters cannot take, then the message and its title.
  const struct {
    pdf::ColorValue color;
    const char* text;
    const char* title;
  } cases[] = {
      {"rouge", "Code couleur HTMl invalide rouge.\r\nLa couleur utilisée sera le noir.",
       "Couleur HTMl - vaROR 4.0"},
      {"#12345", "Code couleur HTMl invalide #12345.\r\nLa couleur utilisée sera le noir.",
       "Couleur HTMl - vaROR 4.0"},
      {"#GG0000", "Code couleur HTMl invalide #GG0000.\r\nLa couleur utilisée sera le noir.",
       "Couleur HTMl - vaROR 4.0"},
      {-1, "Code couleur incorrect : -1.\r\nLa couleur utilisée sera le noir.",
       "Couleur - vaROR 4.0"},
      {16777216, "Code couleur incorrect : 16777216.\r\nLa couleur utilisée sera le noir.",
       "Couleur - vaROR 4.0"},
      {{0, 0, 300},
       "Code couleur incorrect : (0, 0, 300).\r\nLa couleur utilisée sera le noir.",
       "Couleur - vaROR 4.0"},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const auto& c = cases[i];
    WriteColourSeed("refused-" + std::to_string(i), c.color);
    platform::RecordingHost host;
    pdf::vaROR writer(host);
    writer.PDFSetLineColor(c.color);
    EXPECT_EQ(writer.PDFGetLineColor(), "0.000 0.000 0.000 RG") << c.text;
    ASSERT_EQ(host.messages.size(), 1u) << c.text;
    EXPECT_EQ(host.messages[0].text, c.text);
    EXPECT_EQ(host.messages[0].title, c.title);
    EXPECT_EQ(host.messages[0].icon, platform::MessageIcon::Critical);
  }
}

TEST(GraphicsTest, DrawingWithoutAnOpenPageIsReportedOnceAndDrawsNothing) {
  // Every drawing operation, before PDFBeginDoc and after PDFEndDoc.
  const std::pair<const char*, Calls> operations[] = {
      {"PDFTextOut", [](pdf::vaROR& w) { w.PDFTextOut("x", 1, 1); }},
      {"PDFCell", [](pdf::vaROR& w) { w.PDFCell("x", 1, 1, 50, 10); }},
      {"PDFLink", [](pdf::vaROR& w) { w.PDFLink(1, 1, "x"); }},
      {"PDFDrawLineHor", [](pdf::vaROR& w) { w.PDFDrawLineHor(1, 1, 1); }},
      {"PDFDrawLineVer", [](pdf::vaROR& w) { w.PDFDrawLineVer(1, 1, 1); }},
      {"PDFDrawLine", [](pdf::vaROR& w) { w.PDFDrawLine(1, 1, 2, 2); }},
      {"PDFDrawRectangle", [](pdf::vaROR& w) { w.PDFDrawRectangle(1, 1, 1, 1, "http://x.fr"); }},
      {"PDFDrawEllipse", [](pdf::vaROR& w) { w.PDFDrawEllipse(1, 1, 1); }},
      {"PDFDrawPolygon",
       [](pdf::vaROR& w) {
         w.PDFDrawPolygon({1, 1, 2, 2});
       }},
  };
  for (const auto& [name, draw] : operations) {
    pdftest::WriterFixture doc;
    draw(doc.writer);
    draw(doc.writer);
    ASSERT_EQ(doc.host.messages.size(), 1u) << name;
    EXPECT_EQ(doc.host.messages[0].text,
              std::string("Aucune page ouverte pour ") + name + ".\r\nL'opération est ignorée.");
    EXPECT_EQ(doc.host.messages[0].title, "Ordre des Opérations - vaROR 4.0");
    doc.writer.PDFBeginDoc();
    std::string pdf = doc.Finish();
    EXPECT_EQ(pdftest::StreamOf(pdf, 2), "") << name;
    EXPECT_EQ(pdf.find("/Annots"), std::string::npos) << name;
    draw(doc.writer);
    EXPECT_EQ(doc.host.messages.size(), 2u) << name;
    EXPECT_EQ(pdftest::ReadFile(doc.File()), pdf) << name;
  }
}

}  // namespace
