// What the writer makes of short call sequences on a fresh A4 document in points: the
// messages it shows, the position, colours and settings it leaves, and every object of the
// file but the fonts, against the reviewed copy in golden/writer.txt (scripts/golden.sh
// regenerates it when a change is meant).
#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <sstream>

#include "tests/pdf/support.h"
#include "tests/support/golden.h"

namespace {

using W = pdf::vaROR;

struct Scenario {
  const char* name;
  void (*calls)(W&);
  enum When { OnPage, BeforeBegin, StandardFonts } when = OnPage;
};

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr const char* kThreeLines = "aaaa aaaa aaaa bbbb bbbb bbbb cccc";
constexpr const char* kUrl = "http://exemple.fr/été";

// A preset's black text, then a plain one that shows the font it leaves.
template <void (W::*Preset)(const std::string&, double, double)>
void PresetThenText(W& w) {
  w.PDFSetFont(1, 20, 2);
  w.PDFSetTextColor(255);
  (w.*Preset)("", 10, 20);
  w.PDFTextOut("suite", 10, 40);
}

template <int Code>
void BorderedCell(W& w) {
  w.PDFSetBorder(Code);
  w.PDFCell("x", 10, 20, 100, 12);
}

template <int Zoom, int Layout>
void View(W& w) {
  w.PDFSetZoomMode(Zoom);
  w.PDFSetLayoutMode(Layout);
}

void Bookmarks(W& w, std::initializer_list<int> levels) {
  for (int level : levels) w.PDFSetBookmark("B", level, 10);
}

const Scenario kScenarios[] = {
    // Shapes, with their colours, style, width and paint operator.
    {"rectangle stroked", [](W& w) { w.PDFDrawRectangle(10, 20, 30, 40); }},
    {"rectangle filled",
     [](W& w) {
       w.PDFSetDrawMode(1);
       w.PDFSetDrawColor("#FF8000");
       w.PDFDrawRectangle(10, 20, 30, 40);
     }},
    {"rectangle filled and stroked, dashed, 2 wide",
     [](W& w) {
       w.PDFSetDrawMode(2);
       w.PDFSetLineColor(255);
       w.PDFSetLineStyle(1);
       w.PDFSetLineWidth(2);
       w.PDFDrawRectangle(10, 20, 30, 40);
     }},
    {"draw mode 3 refused",
     [](W& w) {
       w.PDFSetDrawMode(3);
       w.PDFDrawRectangle(10, 20, 30, 40);
     }},
    {"horizontal line", [](W& w) { w.PDFDrawLineHor(10, 20, 30); }},
    {"vertical line, dash dot",
     [](W& w) {
       w.PDFSetLineStyle(2);
       w.PDFDrawLineVer(10, 20, 30);
     }},
    {"free line, dash dot dot, blue",
     [](W& w) {
       w.PDFSetLineStyle(3);
       w.PDFSetLineColor(std::array{0.0, 0.0, 255.0});
       w.PDFDrawLine(50, 60, 10, 20);
     }},
    {"free line upwards", [](W& w) { w.PDFDrawLine(10, 60, 50, 20); }},
    {"ellipse 30 x 50", [](W& w) { w.PDFDrawEllipse(10, 20, 30, 50); }},
    {"triangle stroked",
     [](W& w) {
       w.PDFDrawPolygon({10, 20, 50, 20, 30, 60});
     }},
    {"triangle filled",
     [](W& w) {
       w.PDFSetDrawMode(1);
       w.PDFDrawPolygon({10, 20, 50, 20, 30, 60});
     }},
    {"triangle filled and stroked",
     [](W& w) {
       w.PDFSetDrawMode(2);
       w.PDFDrawPolygon({10, 20, 50, 20, 30, 60});
     }},
    {"two points",
     [](W& w) {
       w.PDFDrawPolygon({100, 200, 300, 400});
     }},
    // Line styles keep the unit in force when they are set.
    {"dash set in millimetres",
     [](W& w) {
       w.PDFSetUnit(1);
       w.PDFSetLineStyle(1);
       w.PDFSetUnit(0);
       w.PDFDrawLine(1, 1, 2, 2);
     }},
    {"dash dot dot set in millimetres",
     [](W& w) {
       w.PDFSetUnit(1);
       w.PDFSetLineStyle(3);
       w.PDFSetUnit(0);
       w.PDFDrawLine(1, 1, 2, 2);
     }},
    {"line style 4 refused",
     [](W& w) {
       w.PDFSetLineStyle(4);
       w.PDFDrawLine(1, 1, 2, 2);
     }},
    {"line style -1 refused",
     [](W& w) {
       w.PDFSetLineStyle(-1);
       w.PDFDrawLine(1, 1, 2, 2);
     }},
    // Widths are in user units once set, half a point until then.
    {"default width in centimetres",
     [](W& w) {
       w.PDFSetUnit(2);
       w.PDFDrawLineHor(1, 1, 1);
     }},
    {"width 0.1 cm",
     [](W& w) {
       w.PDFSetUnit(2);
       w.PDFSetLineWidth(0.1);
       w.PDFDrawLineHor(1, 1, 1);
     }},
    {"width 0.567 mm",
     [](W& w) {
       w.PDFSetUnit(1);
       w.PDFSetLineWidth(0.567);
       w.PDFDrawLineHor(1, 1, 1);
     }},
    {"width 0",
     [](W& w) {
       w.PDFSetLineWidth(0);
       w.PDFDrawLineHor(1, 1, 1);
     }},
    {"default cell border in centimetres",
     [](W& w) {
       w.PDFSetUnit(2);
       w.PDFSetBorder(2);
       w.PDFCell("x", 1, 1, 5, 1);
     }},
    {"width -1 refused",
     [](W& w) {
       w.PDFSetLineWidth(5);
       w.PDFSetLineWidth(-1);
       w.PDFDrawLineHor(1, 1, 1);
     }},
    {"width NaN refused",
     [](W& w) {
       w.PDFSetLineWidth(5);
       w.PDFSetLineWidth(kNaN);
       w.PDFDrawLineHor(1, 1, 1);
     }},
    {"width infinite refused",
     [](W& w) {
       w.PDFSetLineWidth(5);
       w.PDFSetLineWidth(kInf);
       w.PDFDrawLineHor(1, 1, 1);
     }},
    // The colours each shape leaves after a red line colour.
    {"red, horizontal line",
     [](W& w) {
       w.PDFSetLineColor("#FF0000");
       w.PDFDrawLineHor(1, 1, 1);
     }},
    {"red, vertical line",
     [](W& w) {
       w.PDFSetLineColor("#FF0000");
       w.PDFDrawLineVer(1, 1, 1);
     }},
    {"red, free line",
     [](W& w) {
       w.PDFSetLineColor("#FF0000");
       w.PDFDrawLine(1, 1, 2, 2);
     }},
    {"red, rectangle",
     [](W& w) {
       w.PDFSetLineColor("#FF0000");
       w.PDFDrawRectangle(1, 1, 1, 1);
     }},
    {"red, circle",
     [](W& w) {
       w.PDFSetLineColor("#FF0000");
       w.PDFDrawEllipse(1, 1, 1);
     }},
    {"red, polygon",
     [](W& w) {
       w.PDFSetLineColor("#FF0000");
       w.PDFDrawPolygon({1, 1, 2, 2});
     }},
    {"red fill, then a line in the default colour",
     [](W& w) {
       w.PDFSetDrawColor(255);
       w.PDFDrawLineHor(1, 1, 1);
     }},
    // Shapes the writer cannot draw: a message, and nothing on the page.
    {"rectangle 0 wide", [](W& w) { w.PDFDrawRectangle(10, 20, 0, 40); }},
    {"rectangle -5 high", [](W& w) { w.PDFDrawRectangle(10, 20, 30, -5); }},
    {"rectangle NaN wide", [](W& w) { w.PDFDrawRectangle(10, 20, kNaN, 5); }},
    {"circle -30 across", [](W& w) { w.PDFDrawEllipse(10, 20, -30); }},
    {"ellipse -1 high", [](W& w) { w.PDFDrawEllipse(10, 20, 30, -1); }},
    {"polygon of three numbers",
     [](W& w) {
       w.PDFDrawPolygon({10, 20, 30});
     }},
    {"polygon of no number", [](W& w) { w.PDFDrawPolygon({}); }},
    {"polygon of one point",
     [](W& w) {
       w.PDFDrawPolygon({10, 20});
     }},
    // Links cover the shape or cell they are attached to.
    {"rectangle with a link", [](W& w) { w.PDFDrawRectangle(10, 20, 30, 40, kUrl); }},
    {"ellipse with a link", [](W& w) { w.PDFDrawEllipse(10, 20, 40, 20, kUrl); }},
    {"cell with a link", [](W& w) { w.PDFCell("Texte", 10, 20, 100, 12, kUrl); }},
    {"cell of three lines with a link",
     [](W& w) { w.PDFCell(kThreeLines, 10, 20, 100, 12, kUrl); }},
    {"rectangle and cell without a link",
     [](W& w) {
       w.PDFDrawRectangle(10, 20, 30, 40, "");
       w.PDFCell("Texte", 10, 20, 100, 12, "");
     }},
    {"two text links",
     [](W& w) {
       w.PDFLink(10, 20, "Site");
       w.PDFLink(10, 40, "Autre", "http://exemple.fr/a(b)");
     }},
    // Texts and cells.
    {"text escaped", [](W& w) { w.PDFTextOut("a(b)\\c", 10, 20); }},
    {"text in Windows-1252", [](W& w) { w.PDFTextOut("été 1€ ’ 中", 10, 20); }},
    {"rotation for the next text only",
     [](W& w) {
       w.PDFSetRotation(30);
       w.PDFTextOut("R", 10, 20);
       w.PDFTextOut("S", 10, 40);
     }},
    {"underline for one text",
     [](W& w) {
       w.PDFSetFont(0, 10, 3);
       w.PDFTextOut("up", 10, 20);
       w.PDFTextOut("up", 10, 40);
     }},
    {"font outside the metric files, size 0",
     [](W& w) {
       w.PDFSetFont(2, 0);
       w.PDFCell("x", 10, 20, 100, 12);
       w.PDFTextOut("y", 10, 40);
     }},
    {"framed cell",
     [](W& w) {
       w.PDFSetBorder(1);
       w.PDFCell("Texte", 10, 20, 100, 12);
     }},
    {"framed cell of three lines",
     [](W& w) {
       w.PDFSetBorder(1);
       w.PDFCell(kThreeLines, 10, 20, 100, 12);
     }},
    {"border 2: top", BorderedCell<2>},
    {"border 3: bottom", BorderedCell<3>},
    {"border 4: left", BorderedCell<4>},
    {"border 5: right", BorderedCell<5>},
    {"border 42: left and top", BorderedCell<42>},
    {"border 2345: all", BorderedCell<2345>},
    {"border 7: none", BorderedCell<7>},
    {"alignments 0, 2, 1",
     [](W& w) {
       w.PDFSetFont(0, 8);
       for (int code : {0, 2, 1}) {
         w.PDFSetAlignement(code);
         w.PDFCell("aaaaaaaaa", 10, 20, 100, 12);
       }
     }},
    {"justified",
     [](W& w) {
       w.PDFSetAlignement(3);
       w.PDFCell("aaaa aaaa aaaa bbbb", 10, 20, 100, 12);
     }},
    {"line breaks", [](W& w) { w.PDFCell("un\r\ndeux\rtrois\nquatre\r\n", 10, 20, 100, 12); }},
    {"word longer than the cell", [](W& w) { w.PDFCell("aaaaaaaaaaaaaaaaaaaa", 10, 20, 50, 12); }},
    {"blanks at wrapped starts", [](W& w) { w.PDFCell("a b  c", 10, 20, 10, 12); }},
    {"two blanks kept inside", [](W& w) { w.PDFCell("aaaaaaaa  bb", 10, 20, 50, 12); }},
    {"two blanks at a start", [](W& w) { w.PDFCell("aaaaaaa  bb", 10, 20, 50, 12); }},
    {"first blank kept", [](W& w) { w.PDFCell(" a", 10, 20, 100, 12); }},
    // Presets, with the standard fonts.
    {"Arial 8", PresetThenText<&W::FormatArial8>, Scenario::StandardFonts},
    {"Arial 8 italic", PresetThenText<&W::FormatArial8i>, Scenario::StandardFonts},
    {"Arial 10", PresetThenText<&W::FormatArial10>, Scenario::StandardFonts},
    {"Arial 10 italic", PresetThenText<&W::FormatArial10i>, Scenario::StandardFonts},
    {"Arial 10 bold", PresetThenText<&W::FormatArial10B>, Scenario::StandardFonts},
    {"Arial 12", PresetThenText<&W::FormatArial12>, Scenario::StandardFonts},
    {"Arial 12 bold", PresetThenText<&W::FormatArial12B>, Scenario::StandardFonts},
    {"Arial 15 bold", PresetThenText<&W::FormatArial15B>, Scenario::StandardFonts},
    {"table presets leave their settings",
     [](W& w) {
       w.PDFSetFont(2, 14, 2);
       w.PDFSetBorder(1);
       w.FormatTableauD("12", 10, 20, 100, 12);
       w.PDFCell("34", 10, 40, 100, 12);
       w.PDFDrawLineHor(10, 80, 100);
     },
     Scenario::StandardFonts},
    {"left table preset after the right one",
     [](W& w) {
       w.FormatTableauD("12", 10, 20, 100, 12);
       w.FormatTableauG("56", 10, 100, 100, 12);
     },
     Scenario::StandardFonts},
    // Settings refused: one message each, and the default.
    {"page format -100 x 0",
     [](W& w) {
       w.PDFFormatPage(std::array{-100.0, 0.0});
     }},
    {"page width 0.001", [](W& w) { w.PDFPageWidth(0.001); }},
    {"page height NaN", [](W& w) { w.PDFPageHeight(kNaN); }},
    {"unit 7", [](W& w) { w.PDFSetUnit(7); }},
    {"page format 9", [](W& w) { w.PDFFormatPage(9); }},
    {"page format A3", [](W& w) { w.PDFFormatPage(std::string("A3")); }},
    {"orientation 2", [](W& w) { w.PDFOrientation(2); }},
    {"layout 4 after 2",
     [](W& w) {
       w.PDFSetLayoutMode(2);
       w.PDFSetLayoutMode(4);
     }},
    {"alignment 7 after 2",
     [](W& w) {
       w.PDFSetAlignement(2);
       w.PDFSetAlignement(7);
     }},
    {"font family 5", [](W& w) { w.PDFSetFont(5, 12); }},
    // The catalog: zoom codes 0..2 are named views, others a percentage; layout 3 writes none.
    {"zoom 0, layout 0", View<0, 0>, Scenario::BeforeBegin},
    {"zoom 1, layout 1", View<1, 1>, Scenario::BeforeBegin},
    {"zoom 2, layout 2", View<2, 2>, Scenario::BeforeBegin},
    {"zoom 150, layout 3", View<150, 3>, Scenario::BeforeBegin},
    {"zoom 75, layout 3", View<75, 3>, Scenario::BeforeBegin},
    // Bookmarks: the outline objects, their links and destinations.
    {"outlines asked, no bookmark", [](W& w) { w.PDFUseOutlines(true); }, Scenario::BeforeBegin},
    {"one bookmark at level 1",
     [](W& w) {
       w.PDFUseOutlines(true);
       w.PDFBeginDoc();
       w.PDFSetBookmark("Signet1", 1, 40);
     },
     Scenario::BeforeBegin},
    {"thumbnails and outlines, a bookmark",
     [](W& w) {
       w.PDFUseThumbs(true);
       w.PDFUseOutlines(true);
       w.PDFBeginDoc();
       w.PDFSetBookmark("Signet1", 0, 40);
     },
     Scenario::BeforeBegin},
    {"thumbnails and outlines, no bookmark",
     [](W& w) {
       w.PDFUseThumbs(true);
       w.PDFUseOutlines(true);
     },
     Scenario::BeforeBegin},
    {"two top-level bookmarks",
     [](W& w) {
       w.PDFSetBookmark("Identité", 0, 40);
       w.PDFSetBookmark("Grille (AGGIR)", 0, 100);
     }},
    {"levels 0 1 2 1 0 1",
     [](W& w) {
       Bookmarks(w, {0, 1, 2, 1, 0, 1});
     }},
    {"levels 0 3 5: one below the last",
     [](W& w) {
       Bookmarks(w, {0, 3, 5});
     }},
    {"levels 2 2",
     [](W& w) {
       Bookmarks(w, {2, 2});
     }},
    {"levels 0 1 -1",
     [](W& w) {
       Bookmarks(w, {0, 1, -1});
     }},
    {"destinations on two pages and in millimetres",
     [](W& w) {
       w.PDFSetBookmark("y 40", 0, 40);
       w.PDFTextOut("texte", 10, 20);
       w.PDFSetBookmark("y courant", 0);
       w.PDFEndPage();
       w.PDFOrientation(0);
       w.PDFNewPage();
       w.PDFSetBookmark("page 2", 0, 40);
       w.PDFSetUnit(1);
       w.PDFSetBookmark("mm", 0, 10);
     }},
};

std::string Number(double value) {
  char text[32];
  return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

// Every object but the information and the fonts, whole, in the order of the file.
std::string Objects(const std::string& pdf) {
  std::string objects;
  for (const auto& [number, at] : pdftest::ObjectLinePositions(pdf)) {
    const std::string object = pdf.substr(at, pdf.find("endobj\r\n", at) + 8 - at);
    if (number != 1 && object.find("/Type /Font") == std::string::npos) objects += object;
  }
  return objects;
}

std::string Play(const Scenario& s) {
  pdftest::WriterFixture doc;
  W& w = doc.writer;
  if (s.when == Scenario::StandardFonts) w.PDFLoadAfm(AGGIR_FONTS_DIR);
  if (s.when != Scenario::BeforeBegin) w.PDFBeginDoc();
  s.calls(w);
  if (s.when == Scenario::BeforeBegin && w.PDFPageNumber() == 0) w.PDFBeginDoc();
  std::ostringstream out;
  out << "== " << s.name << "\n";
  for (const auto& m : doc.host.messages)
    out << "message " << static_cast<int>(m.icon) << static_cast<int>(m.buttons) << " " << m.title
        << ": " << m.text << "\n";
  out << "at " << w.PDFGetX() << "," << w.PDFGetY() << " text " << w.PDFGetTextColor() << ", line "
      << w.PDFGetLineColor() << ", draw " << w.PDFGetDrawColor() << ", " << w.PDFGetAlignement()
      << ", " << w.PDFGetUnit() << ", layout " << w.PDFGetLayoutMode() << ", page "
      << Number(w.PDFGetPageWidth()) << " x " << Number(w.PDFGetPageHeight()) << "\n";
  out << Objects(doc.Finish()) << "\n";
  return out.str();
}

TEST(WriterGoldenTest, EveryScenario) {
  std::string all;
  for (const Scenario& s : kScenarios) all += Play(s);
  ExpectGolden(AGGIR_SOURCE_DIR "/tests/pdf/golden/writer.txt", all);
}

}  // namespace
