// Colours, line settings and shapes: exact content-stream lines, side effects, bad input.
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

TEST(GraphicsTest, ShapesWriteTheirExactLines) {
  // Each case: settings and one shape on a fresh page, then the whole page content.
  const struct {
    Calls draw;
    const char* content;
  } cases[] = {
      // Stroked rectangle: line colour, the empty style line, the width, then the path.
      {[](pdf::vaROR& w) { w.PDFDrawRectangle(10, 20, 30, 40); }, R"(%DEBUT_RECT/%
0 G

0.57 w
10.00 821.89 30.00 -40.00 re s
%FIN_RECT/%
)"},
      {[](pdf::vaROR& w) {
         w.PDFSetDrawMode(1);
         w.PDFSetDrawColor("#FF8000");
         w.PDFDrawRectangle(10, 20, 30, 40);
       },
       R"(%DEBUT_RECT/%
1.000 0.502 0.000 rg

0.57 w
10.00 821.89 30.00 -40.00 re f
%FIN_RECT/%
)"},
      {[](pdf::vaROR& w) {
         w.PDFSetDrawMode(2);
         w.PDFSetLineColor(255);
         w.PDFSetLineStyle(1);
         w.PDFSetLineWidth(2);
         w.PDFDrawRectangle(10, 20, 30, 40);
       },
       R"(%DEBUT_RECT/%
0 g
1.000 0.000 0.000 RG
[16 8 ] 0 d
2.00 w
10.00 821.89 30.00 -40.00 re B
%FIN_RECT/%
)"},
      // Horizontal, vertical and free segments: style, path, line colour, width and stroke.
      {[](pdf::vaROR& w) { w.PDFDrawLineHor(10, 20, 30); }, R"(%DEBUT_LNH/%

10.00 821.89 m
40.00 821.89 l
0 G
0.57 w S
%FIN_LNH/%
)"},
      {[](pdf::vaROR& w) {
         w.PDFSetLineStyle(2);
         w.PDFDrawLineVer(10, 20, 30);
       },
       R"(%DEBUT_LNV/%
[8 7 2 7 ] 0 d
10.00 821.89 m
10.00 791.89 l
0 G
0.57 w S
%FIN_LNV/%
)"},
      {[](pdf::vaROR& w) {
         w.PDFSetLineStyle(3);
         w.PDFSetLineColor(std::array{0.0, 0.0, 255.0});
         w.PDFDrawLine(50, 60, 10, 20);
       },
       R"(%DEBUT_LN/%
[8 4 2 4 2 4 ] 0 d
50.00 781.89 m
10.00 821.89 l
0.000 0.000 1.000 RG
0.57 w S
%FIN_LN/%
)"},
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
      // A triangle in each draw mode: one m, three l back to the first point, h only to fill.
      {[](pdf::vaROR& w) {
         w.PDFDrawPolygon({10, 20, 50, 20, 30, 60});
       },
       R"(0 G
%DEBUT_POLY/%

10.00 821.89 m
50.00 821.89 l
30.00 781.89 l
10.00 821.89 l
0.57 w s
%FIN_POLY/%
)"},
      {[](pdf::vaROR& w) {
         w.PDFSetDrawMode(1);
         w.PDFDrawPolygon({10, 20, 50, 20, 30, 60});
       },
       R"(0 g
%DEBUT_POLY/%

10.00 821.89 m
50.00 821.89 l
30.00 781.89 l
10.00 821.89 l
0.57 w h f
%FIN_POLY/%
)"},
      {[](pdf::vaROR& w) {
         w.PDFSetDrawMode(2);
         w.PDFDrawPolygon({10, 20, 50, 20, 30, 60});
       },
       R"(0 g
0 G
%DEBUT_POLY/%

10.00 821.89 m
50.00 821.89 l
30.00 781.89 l
10.00 821.89 l
0.57 w B
%FIN_POLY/%
)"},
  };
  for (const auto& c : cases) {
    Page page;
    c.draw(page.writer);
    EXPECT_EQ(page.Content(), CrLf(c.content));
    EXPECT_TRUE(page.doc.host.messages.empty()) << c.content;
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

TEST(GraphicsTest, LineStylesFollowTheUnitAtTheTimeOfSetting) {
  // Each case: unit code, style code, the style line a segment then writes.
  const struct {
    int unit, style;
    const char* line;
    const char* message;
  } cases[] = {
      {0, 0, "[] 0 d", nullptr},
      {0, 1, "[16 8 ] 0 d", nullptr},
      {0, 2, "[8 7 2 7 ] 0 d", nullptr},
      {0, 3, "[8 4 2 4 2 4 ] 0 d", nullptr},
      {1, 1, "[45 22 ] 0 d", nullptr},
      {1, 3, "[22 11 5 11 5 11 ] 0 d", nullptr},
      {0, 4, "[] 0 d",
       "Code style de ligne incorrect : 4.\r\nLe style de ligne utilisé sera pSolid."},
      {0, -1, "[] 0 d",
       "Code style de ligne incorrect : -1.\r\nLe style de ligne utilisé sera pSolid."},
  };
  for (const auto& c : cases) {
    Page page;
    page.writer.PDFSetUnit(c.unit);
    page.writer.PDFSetLineStyle(c.style);
    page.writer.PDFSetUnit(0);  // a later unit leaves the stored lengths alone
    page.writer.PDFDrawLine(1, 1, 2, 2);
    EXPECT_TRUE(page.Content().starts_with(CrLf("%DEBUT_LN/%\n") + c.line + "\r\n")) << c.line;
    ASSERT_EQ(page.doc.host.messages.size(), c.message ? 1u : 0u) << c.line;
    if (c.message) {
      EXPECT_EQ(page.doc.host.messages[0].text, c.message);
      EXPECT_EQ(page.doc.host.messages[0].title, "Style de Ligne - vaROR 4.0");
    }
  }
}

TEST(GraphicsTest, LineWidthIsInUserUnitsOnceSetAndHalfAPointUntilThen) {
  // Each case: unit code, width set (negative: none), the width line of a segment.
  const struct {
    int unit;
    double width;
    const char* line;
  } cases[] = {
      {2, -1, "0.57 w S"},    {1, -1, "0.57 w S"}, {0, -1, "0.57 w S"}, {2, 0.1, "2.83 w S"},
      {1, 0.567, "1.61 w S"}, {0, 2, "2.00 w S"},  {0, 0, "0.00 w S"},
  };
  for (const auto& c : cases) {
    Page page;
    page.writer.PDFSetUnit(c.unit);
    if (c.width >= 0) page.writer.PDFSetLineWidth(c.width);
    page.writer.PDFDrawLineHor(1, 1, 1);
    EXPECT_NE(page.Content().find(std::string("\r\n") + c.line + "\r\n"), std::string::npos)
        << c.unit << " " << c.width;
  }
  // A default cell border in centimetres is thin too, not 16 points thick.
  Page cell;
  cell.writer.PDFSetUnit(2);
  cell.writer.PDFSetBorder(2);
  cell.writer.PDFCell("x", 1, 1, 5, 1);
  EXPECT_NE(cell.Content().find("\r\n0.57 w\r\n"), std::string::npos);
}

TEST(GraphicsTest, ShapesMoveTheCurrentPosition) {
  // Each case: a shape, then the current position in whole user units.
  const struct {
    Calls draw;
    int x, y;
  } cases[] = {
      {[](pdf::vaROR& w) { w.PDFDrawLineHor(10, 20, 30); }, 40, 20},
      {[](pdf::vaROR& w) { w.PDFDrawLineVer(10, 20, 30); }, 10, 50},
      {[](pdf::vaROR& w) { w.PDFDrawLine(50, 60, 10, 20); }, 50, 60},
      {[](pdf::vaROR& w) { w.PDFDrawLine(10, 60, 50, 20); }, 50, 60},
      {[](pdf::vaROR& w) { w.PDFDrawRectangle(10, 20, 30, 40); }, 10, 60},
      {[](pdf::vaROR& w) { w.PDFDrawEllipse(10, 20, 30); }, 10, 35},
      {[](pdf::vaROR& w) { w.PDFDrawEllipse(10, 20, 30, 50); }, 10, 45},
      {[](pdf::vaROR& w) {
         w.PDFDrawPolygon({100, 200, 300, 400});
       },
       1, 1},  // unchanged
  };
  for (const auto& c : cases) {
    Page page;
    c.draw(page.writer);
    EXPECT_EQ(page.writer.PDFGetX(), c.x);
    EXPECT_EQ(page.writer.PDFGetY(), c.y);
  }
}

TEST(GraphicsTest, ShapesLeaveTheirColourSideEffects) {
  // Each case: a shape after a red line colour, then the text and draw colours it leaves.
  const struct {
    Calls draw;
    const char* text;
    const char* draw_color;
  } cases[] = {
      {[](pdf::vaROR& w) { w.PDFDrawLineHor(1, 1, 1); }, "0 g", "1.000 0.000 0.000 rg"},
      {[](pdf::vaROR& w) { w.PDFDrawLineVer(1, 1, 1); }, "0 g", "1.000 0.000 0.000 rg"},
      {[](pdf::vaROR& w) { w.PDFDrawLine(1, 1, 2, 2); }, "0 g", "0 g"},
      {[](pdf::vaROR& w) { w.PDFDrawRectangle(1, 1, 1, 1); }, "1.000 1.000 1.000 rg", "0 g"},
      {[](pdf::vaROR& w) { w.PDFDrawEllipse(1, 1, 1); }, "1.000 1.000 1.000 rg", "0 g"},
      {[](pdf::vaROR& w) {
         w.PDFDrawPolygon({1, 1, 2, 2});
       },
       "0 g", "0 g"},
  };
  for (const auto& c : cases) {
    Page page;
    page.writer.PDFSetLineColor("#FF0000");
    c.draw(page.writer);
    EXPECT_EQ(page.writer.PDFGetTextColor(), c.text);
    EXPECT_EQ(page.writer.PDFGetDrawColor(), c.draw_color);
  }
  // The default line colour becomes the default fill.
  Page plain;
  plain.writer.PDFSetDrawColor(255);
  plain.writer.PDFDrawLineHor(1, 1, 1);
  EXPECT_EQ(plain.writer.PDFGetDrawColor(), "0 g");
}

TEST(GraphicsTest, InvalidDrawModeSaysAndDrawsFilledAndStroked) {
  Page page;
  page.writer.PDFSetDrawMode(3);
  page.writer.PDFDrawRectangle(10, 20, 30, 40);
  ASSERT_EQ(page.doc.host.messages.size(), 1u);
  EXPECT_EQ(page.doc.host.messages[0].text,
            "Code type de traçage incorrect : 3.\r\n"
            "Le type de traçage utilisé sera bordure et remplissage.");
  EXPECT_EQ(page.doc.host.messages[0].title, "Objet Rectangle - vaROR 4.0");
  EXPECT_NE(page.Content().find(CrLf("0 g\n0 G\n\n0.57 w\n10.00 821.89 30.00 -40.00 re B\n")),
            std::string::npos);
}

TEST(GraphicsTest, ShapesBeyondTheCallerLimitsAreReportedAndNotDrawn) {
  // Each case: a call the writer cannot draw, its message and title; the page stays empty.
  const struct {
    Calls draw;
    const char* text;
    const char* title;
  } cases[] = {
      {[](pdf::vaROR& w) { w.PDFDrawRectangle(10, 20, 0, 40); },
       "Dimensions de rectangle incorrectes : 0 x 40.\r\nLe rectangle n'est pas dessiné.",
       "Objet Rectangle - vaROR 4.0"},
      {[](pdf::vaROR& w) { w.PDFDrawRectangle(10, 20, 30, -5); },
       "Dimensions de rectangle incorrectes : 30 x -5.\r\nLe rectangle n'est pas dessiné.",
       "Objet Rectangle - vaROR 4.0"},
      {[](pdf::vaROR& w) { w.PDFDrawRectangle(10, 20, std::nan(""), 5); },
       "Dimensions de rectangle incorrectes : NaN x 5.\r\nLe rectangle n'est pas dessiné.",
       "Objet Rectangle - vaROR 4.0"},
      {[](pdf::vaROR& w) { w.PDFDrawEllipse(10, 20, -30); },
       "Dimensions d'ellipse incorrectes : -30 x -30.\r\nL'ellipse n'est pas dessinée.",
       "Objet Ellipse - vaROR 4.0"},
      {[](pdf::vaROR& w) { w.PDFDrawEllipse(10, 20, 30, -1); },
       "Dimensions d'ellipse incorrectes : 30 x -1.\r\nL'ellipse n'est pas dessinée.",
       "Objet Ellipse - vaROR 4.0"},
      {[](pdf::vaROR& w) {
         w.PDFDrawPolygon({10, 20, 30});
       },
       "Nombre de coordonnées de polygone incorrect : 3.\r\nLe polygone n'est pas dessiné.",
       "Objet Polygone - vaROR 4.0"},
      {[](pdf::vaROR& w) { w.PDFDrawPolygon({}); },
       "Nombre de coordonnées de polygone incorrect : 0.\r\nLe polygone n'est pas dessiné.",
       "Objet Polygone - vaROR 4.0"},
      {[](pdf::vaROR& w) {
         w.PDFDrawPolygon({10, 20});
       },
       "Nombre de coordonnées de polygone incorrect : 2.\r\nLe polygone n'est pas dessiné.",
       "Objet Polygone - vaROR 4.0"},
  };
  for (const auto& c : cases) {
    Page page;
    c.draw(page.writer);
    ASSERT_EQ(page.doc.host.messages.size(), 1u) << c.text;
    EXPECT_EQ(page.doc.host.messages[0].text, c.text);
    EXPECT_EQ(page.doc.host.messages[0].title, c.title);
    EXPECT_EQ(page.writer.PDFGetTextColor(), "0 g") << c.text;
    EXPECT_EQ(page.Content(), "") << c.text;
  }
}

TEST(GraphicsTest, InvalidLineWidthIsReportedAndTheDefaultUsed) {
  for (double width : {-1.0, std::nan(""), std::numeric_limits<double>::infinity()}) {
    Page page;
    page.writer.PDFSetLineWidth(5);
    page.writer.PDFSetLineWidth(width);
    page.writer.PDFDrawLineHor(1, 1, 1);
    ASSERT_EQ(page.doc.host.messages.size(), 1u) << width;
    EXPECT_EQ(page.doc.host.messages[0].text,
              "Épaisseur de ligne incorrecte : " + pdf::MessageNumber(width) +
                  ".\r\nL'épaisseur de ligne utilisée sera 0.567 point.");
    EXPECT_EQ(page.doc.host.messages[0].title, "Épaisseur de Ligne - vaROR 4.0");
    EXPECT_NE(page.Content().find("\r\n0.57 w S\r\n"), std::string::npos) << width;
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

TEST(GraphicsTest, LinksCoverTheShapeOrCellTheyAreAttachedTo) {
  // Each case: an object with a link, the end of its content, its annotation rectangle.
  const struct {
    Calls draw;
    const char* ending;
    const char* rect;
  } cases[] = {
      {[](pdf::vaROR& w) { w.PDFDrawRectangle(10, 20, 30, 40, "http://exemple.fr/été"); },
       "re s\n%DEBUT_LINK/%\n%FIN_LINK/%\n%FIN_RECT/%\n", "[10 821.89 40 781.89]"},
      {[](pdf::vaROR& w) { w.PDFDrawEllipse(10, 20, 40, 20, "http://exemple.fr/été"); },
       "0.57 w s\n%DEBUT_LINK/%\n%FIN_LINK/%\n", "[10 821.89 50 801.89]"},
      {[](pdf::vaROR& w) { w.PDFCell("Texte", 10, 20, 100, 12, "http://exemple.fr/été"); },
       "Q\n%DEBUT_LINK/%\n%FIN_LINK/%\n%FIN_CELL/%\n", "[7 821.89 107 809.89]"},
      {[](pdf::vaROR& w) {
         w.PDFCell("aaaa aaaa aaaa bbbb bbbb bbbb cccc", 10, 20, 100, 12, "http://exemple.fr/été");
       },
       "Q\n%DEBUT_LINK/%\n%FIN_LINK/%\n%FIN_CELL/%\n", "[7 821.89 107 785.89]"},
  };
  for (const auto& c : cases) {
    Page page;
    c.draw(page.writer);
    std::string pdf = page.doc.Finish();
    EXPECT_TRUE(pdftest::StreamOf(pdf, 2).ends_with(CrLf(c.ending))) << c.rect;
    EXPECT_NE(
        pdf.find(std::string("/Annots [<</Type /Annot /Subtype /Link /Rect ") + c.rect +
                 " /Border [0 0 0] /A <</S /URI /URI (http://exemple.fr/%C3%A9t%C3%A9)>>>>\r\n]"),
        std::string::npos)
        << c.rect;
  }
  // Without a link, no link lines and no annotation.
  Page plain;
  plain.writer.PDFDrawRectangle(10, 20, 30, 40, "");
  plain.writer.PDFCell("Texte", 10, 20, 100, 12, "");
  std::string pdf = plain.doc.Finish();
  EXPECT_EQ(pdf.find("LINK"), std::string::npos);
  EXPECT_EQ(pdf.find("/Annots"), std::string::npos);
}

}  // namespace
