// What the writer makes of short call sequences on a fresh document in points (A4, the test
// font): the messages it shows, the position, colours and settings it leaves, and every
// object of the file but the fonts, against the reviewed copy in golden/writer.txt
// (scripts/golden.sh regenerates it when a change is meant).
#include <gtest/gtest.h>

#include <charconv>
#include <filesystem>
#include <functional>
#include <locale>
#include <map>
#include <sstream>
#include <variant>

#include "tests/pdf/jpeg_maker.h"
#include "tests/pdf/support.h"
#include "tests/support/golden.h"

namespace {

using W = pdf::vaROR;

// The arguments of one call: numbers, 'texts' and [lists of numbers].
class Args {
 public:
  Args(std::istream& in, std::filesystem::path folder) : folder_(std::move(folder)) {
    for (char c; in >> c;) {
      if (c == '\'') {
        std::string text;
        std::getline(in, text, '\'');
        items_.emplace_back(text);
      } else if (c == '[') {
        std::string list;
        std::getline(in, list, ']');
        items_.emplace_back(Numbers(list));
      } else {
        in.unget();
        std::string word;
        in >> word;
        items_.emplace_back(Number(word));
      }
    }
  }
  double n(std::size_t i, double absent = 0) const {
    return i < items_.size() ? std::get<double>(items_[i]) : absent;
  }
  int i(std::size_t at) const { return static_cast<int>(n(at)); }
  std::string s(std::size_t i) const {
    return i < items_.size() ? std::get<std::string>(items_[i]) : "";
  }
  std::string file(std::size_t i) const { return (folder_ / s(i)).string(); }
  std::vector<double> list(std::size_t i) const { return std::get<std::vector<double>>(items_[i]); }
  pdf::ColorValue colour(std::size_t i) const {
    if (const auto* rgb = std::get_if<std::vector<double>>(&items_[i])) {
      return {rgb->at(0), rgb->at(1), rgb->at(2)};
    }
    return std::holds_alternative<double>(items_[i]) ? pdf::ColorValue(n(i)) : s(i);
  }
  const std::variant<double, std::string, std::vector<double>>& at(std::size_t i) const {
    return items_.at(i);
  }

 private:
  static double Number(const std::string& word) {
    double value = 0;
    std::from_chars(word.data(), word.data() + word.size(), value);
    return value;
  }
  static std::vector<double> Numbers(const std::string& list) {
    std::istringstream in(list);
    std::vector<double> numbers;
    for (std::string word; in >> word;) numbers.push_back(Number(word));
    return numbers;
  }
  std::filesystem::path folder_;
  std::vector<std::variant<double, std::string, std::vector<double>>> items_;
};

using Call = std::function<void(W&, const Args&)>;

// A format code, a name or [width height].
void FormatPage(W& w, const Args& a) {
  if (const auto* sides = std::get_if<std::vector<double>>(&a.at(0))) {
    return w.PDFFormatPage(std::array{sides->at(0), sides->at(1)});
  }
  if (const auto* name = std::get_if<std::string>(&a.at(0))) return w.PDFFormatPage(*name);
  w.PDFFormatPage(a.i(0));
}

template <void (W::*Preset)(const std::string&, double, double)>
Call Text() {
  return [](W& w, const Args& a) { (w.*Preset)(a.s(0), a.n(1), a.n(2)); };
}

const std::map<std::string, Call> kCalls = {
    {"Begin", [](W& w, const Args&) { w.PDFBeginDoc(); }},
    {"EndPage", [](W& w, const Args&) { w.PDFEndPage(); }},
    {"NewPage", [](W& w, const Args&) { w.PDFNewPage(); }},
    {"StandardFonts", [](W& w, const Args&) { w.PDFLoadAfm(AGGIR_FONTS_DIR); }},
    {"Title", [](W& w, const Args& a) { w.PDFTitle(a.s(0)); }},
    {"Format", FormatPage},
    {"Width", [](W& w, const Args& a) { w.PDFPageWidth(a.n(0)); }},
    {"Height", [](W& w, const Args& a) { w.PDFPageHeight(a.n(0)); }},
    {"Orientation", [](W& w, const Args& a) { w.PDFOrientation(a.i(0)); }},
    {"Unit", [](W& w, const Args& a) { w.PDFSetUnit(a.i(0)); }},
    {"Zoom", [](W& w, const Args& a) { w.PDFSetZoomMode(a.i(0)); }},
    {"Layout", [](W& w, const Args& a) { w.PDFSetLayoutMode(a.i(0)); }},
    {"Outlines", [](W& w, const Args&) { w.PDFUseOutlines(true); }},
    {"Thumbs", [](W& w, const Args&) { w.PDFUseThumbs(true); }},
    {"Bookmark", [](W& w, const Args& a) { w.PDFSetBookmark(a.s(0), a.i(1), a.n(2, -1)); }},
    {"Font", [](W& w, const Args& a) { w.PDFSetFont(a.i(0), a.i(1), a.i(2)); }},
    {"Align", [](W& w, const Args& a) { w.PDFSetAlignement(a.i(0)); }},
    {"Border", [](W& w, const Args& a) { w.PDFSetBorder(a.i(0)); }},
    {"Rotation", [](W& w, const Args& a) { w.PDFSetRotation(a.n(0)); }},
    {"TextColour", [](W& w, const Args& a) { w.PDFSetTextColor(a.colour(0)); }},
    {"LineColour", [](W& w, const Args& a) { w.PDFSetLineColor(a.colour(0)); }},
    {"DrawColour", [](W& w, const Args& a) { w.PDFSetDrawColor(a.colour(0)); }},
    {"Style", [](W& w, const Args& a) { w.PDFSetLineStyle(a.i(0)); }},
    {"LineWidth", [](W& w, const Args& a) { w.PDFSetLineWidth(a.n(0)); }},
    {"Mode", [](W& w, const Args& a) { w.PDFSetDrawMode(a.i(0)); }},
    {"Text", [](W& w, const Args& a) { w.PDFTextOut(a.s(0), a.n(1), a.n(2)); }},
    {"Cell",
     [](W& w, const Args& a) { w.PDFCell(a.s(0), a.n(1), a.n(2), a.n(3), a.n(4), a.s(5)); }},
    {"Link", [](W& w, const Args& a) { w.PDFLink(a.n(0), a.n(1), a.s(2), a.s(3)); }},
    {"Hor", [](W& w, const Args& a) { w.PDFDrawLineHor(a.n(0), a.n(1), a.n(2)); }},
    {"Ver", [](W& w, const Args& a) { w.PDFDrawLineVer(a.n(0), a.n(1), a.n(2)); }},
    {"Line", [](W& w, const Args& a) { w.PDFDrawLine(a.n(0), a.n(1), a.n(2), a.n(3)); }},
    {"Rect",
     [](W& w, const Args& a) { w.PDFDrawRectangle(a.n(0), a.n(1), a.n(2), a.n(3), a.s(4)); }},
    {"Ellipse",
     [](W& w, const Args& a) { w.PDFDrawEllipse(a.n(0), a.n(1), a.n(2), a.n(3), a.s(4)); }},
    {"Polygon", [](W& w, const Args& a) { w.PDFDrawPolygon(a.list(0)); }},
    {"Arial8", Text<&W::FormatArial8>()},
    {"Arial8i", Text<&W::FormatArial8i>()},
    {"Arial10", Text<&W::FormatArial10>()},
    {"Arial10i", Text<&W::FormatArial10i>()},
    {"Arial10B", Text<&W::FormatArial10B>()},
    {"Arial12", Text<&W::FormatArial12>()},
    {"Arial12B", Text<&W::FormatArial12B>()},
    {"Arial15B", Text<&W::FormatArial15B>()},
    {"Jpeg",  // a file of the size and colour components given, in the scratch folder
     [](W&, const Args& a) {
       pdftest::WriteFile(a.file(0), pdftest::MakeJpeg(a.i(1), a.i(2), a.i(3)));
     }},
    {"Image",
     [](W& w, const Args& a) { w.PDFImage(a.file(0), a.n(1), a.n(2), a.n(3), a.n(4), a.s(5)); }},
    {"TableauD",
     [](W& w, const Args& a) { w.FormatTableauD(a.s(0), a.n(1), a.n(2), a.n(3), a.n(4)); }},
    {"TableauG",
     [](W& w, const Args& a) { w.FormatTableauG(a.s(0), a.n(1), a.n(2), a.n(3), a.n(4)); }},
};

// Each row: a name, then calls separated by ";", each its name and arguments.
constexpr std::pair<const char*, const char*> kScenarios[] = {
    // Shapes, with their colours, style, width and paint operator.
    {"rectangle stroked", "Begin; Rect 10 20 30 40"},
    {"rectangle filled", "Begin; Mode 1; DrawColour '#FF8000'; Rect 10 20 30 40"},
    {"rectangle filled and stroked, dashed, 2 wide",
     "Begin; Mode 2; LineColour 255; Style 1; LineWidth 2; Rect 10 20 30 40"},
    {"draw mode 3 refused", "Begin; Mode 3; Rect 10 20 30 40"},
    {"horizontal line", "Begin; Hor 10 20 30"},
    {"vertical line, dash dot", "Begin; Style 2; Ver 10 20 30"},
    {"free line, dash dot dot, blue", "Begin; Style 3; LineColour [0 0 255]; Line 50 60 10 20"},
    {"free line upwards", "Begin; Line 10 60 50 20"},
    {"ellipse 30 x 50", "Begin; Ellipse 10 20 30 50"},
    {"triangle stroked", "Begin; Polygon [10 20 50 20 30 60]"},
    {"triangle filled", "Begin; Mode 1; Polygon [10 20 50 20 30 60]"},
    {"triangle filled and stroked", "Begin; Mode 2; Polygon [10 20 50 20 30 60]"},
    {"two points", "Begin; Polygon [100 200 300 400]"},
    // Line styles keep the unit in force when they are set.
    {"dash set in millimetres", "Begin; Unit 1; Style 1; Unit 0; Line 1 1 2 2"},
    {"dash dot dot set in millimetres", "Begin; Unit 1; Style 3; Unit 0; Line 1 1 2 2"},
    {"line style 4 refused", "Begin; Style 4; Line 1 1 2 2"},
    {"line style -1 refused", "Begin; Style -1; Line 1 1 2 2"},
    // Widths are in user units once set, half a point until then.
    {"default width in centimetres", "Begin; Unit 2; Hor 1 1 1"},
    {"width 0.1 cm", "Begin; Unit 2; LineWidth 0.1; Hor 1 1 1"},
    {"width 0.567 mm", "Begin; Unit 1; LineWidth 0.567; Hor 1 1 1"},
    {"width 0", "Begin; LineWidth 0; Hor 1 1 1"},
    {"default cell border in centimetres", "Begin; Unit 2; Border 2; Cell 'x' 1 1 5 1"},
    {"width -1 refused", "Begin; LineWidth 5; LineWidth -1; Hor 1 1 1"},
    {"width NaN refused", "Begin; LineWidth 5; LineWidth nan; Hor 1 1 1"},
    {"width infinite refused", "Begin; LineWidth 5; LineWidth inf; Hor 1 1 1"},
    // The colours each shape leaves after a red line colour.
    {"red, horizontal line", "Begin; LineColour '#FF0000'; Hor 1 1 1"},
    {"red, vertical line", "Begin; LineColour '#FF0000'; Ver 1 1 1"},
    {"red, free line", "Begin; LineColour '#FF0000'; Line 1 1 2 2"},
    {"red, rectangle", "Begin; LineColour '#FF0000'; Rect 1 1 1 1"},
    {"red, circle", "Begin; LineColour '#FF0000'; Ellipse 1 1 1"},
    {"red, polygon", "Begin; LineColour '#FF0000'; Polygon [1 1 2 2]"},
    {"red fill, then a line in the default colour", "Begin; DrawColour 255; Hor 1 1 1"},
    // Shapes the writer cannot draw: a message, and nothing on the page.
    {"rectangle 0 wide", "Begin; Rect 10 20 0 40"},
    {"rectangle -5 high", "Begin; Rect 10 20 30 -5"},
    {"rectangle NaN wide", "Begin; Rect 10 20 nan 5"},
    {"circle -30 across", "Begin; Ellipse 10 20 -30"},
    {"ellipse -1 high", "Begin; Ellipse 10 20 30 -1"},
    {"polygon of three numbers", "Begin; Polygon [10 20 30]"},
    {"polygon of no number", "Begin; Polygon []"},
    {"polygon of one point", "Begin; Polygon [10 20]"},
    // Links cover the shape or cell they are attached to.
    {"rectangle with a link", "Begin; Rect 10 20 30 40 'http://exemple.fr/été'"},
    {"ellipse with a link", "Begin; Ellipse 10 20 40 20 'http://exemple.fr/été'"},
    {"cell with a link", "Begin; Cell 'Texte' 10 20 100 12 'http://exemple.fr/été'"},
    {"cell of three lines with a link",
     "Begin; Cell 'aaaa aaaa aaaa bbbb bbbb bbbb cccc' 10 20 100 12 'http://exemple.fr/été'"},
    {"rectangle and cell without a link", "Begin; Rect 10 20 30 40 ''; Cell 'Texte' 10 20 100 12"},
    {"two text links", "Begin; Link 10 20 'Site'; Link 10 40 'Autre' 'http://exemple.fr/a(b)'"},
    // Texts and cells.
    {"text escaped", "Begin; Text 'a(b)\\c' 10 20"},
    {"text in Windows-1252", "Begin; Text 'été 1€ ’ 中' 10 20"},
    {"rotation for the next text only", "Begin; Rotation 30; Text 'R' 10 20; Text 'S' 10 40"},
    {"underline for one text", "Begin; Font 0 10 3; Text 'up' 10 20; Text 'up' 10 40"},
    {"font outside the metric files, size 0",
     "Begin; Font 2 0; Cell 'x' 10 20 100 12; Text 'y' 10 40"},
    {"framed cell", "Begin; Border 1; Cell 'Texte' 10 20 100 12"},
    {"framed cell of three lines",
     "Begin; Border 1; Cell 'aaaa aaaa aaaa bbbb bbbb bbbb cccc' 10 20 100 12"},
    {"border 2: top", "Begin; Border 2; Cell 'x' 10 20 100 12"},
    {"border 3: bottom", "Begin; Border 3; Cell 'x' 10 20 100 12"},
    {"border 4: left", "Begin; Border 4; Cell 'x' 10 20 100 12"},
    {"border 5: right", "Begin; Border 5; Cell 'x' 10 20 100 12"},
    {"border 42: left and top", "Begin; Border 42; Cell 'x' 10 20 100 12"},
    {"border 2345: all", "Begin; Border 2345; Cell 'x' 10 20 100 12"},
    {"border 7: none", "Begin; Border 7; Cell 'x' 10 20 100 12"},
    {"alignments 0, 2, 1",
     "Begin; Font 0 8; Align 0; Cell 'aaaaaaaaa' 10 20 100 12; Align 2; "
     "Cell 'aaaaaaaaa' 10 20 100 12; Align 1; Cell 'aaaaaaaaa' 10 20 100 12"},
    {"justified", "Begin; Align 3; Cell 'aaaa aaaa aaaa bbbb' 10 20 100 12"},
    {"line breaks", "Begin; Cell 'un\r\ndeux\rtrois\nquatre\r\n' 10 20 100 12"},
    {"word longer than the cell", "Begin; Cell 'aaaaaaaaaaaaaaaaaaaa' 10 20 50 12"},
    {"blanks at wrapped starts", "Begin; Cell 'a b  c' 10 20 10 12"},
    {"two blanks kept inside", "Begin; Cell 'aaaaaaaa  bb' 10 20 50 12"},
    {"two blanks at a start", "Begin; Cell 'aaaaaaa  bb' 10 20 50 12"},
    {"first blank kept", "Begin; Cell ' a' 10 20 100 12"},
    // Presets, with the standard fonts: each replaces the font and the colour.
    {"Arial 8",
     "StandardFonts; Begin; Font 1 20 2; TextColour 255; Arial8 '' 10 20; Text 'suite' 10 40"},
    {"Arial 8 italic",
     "StandardFonts; Begin; Font 1 20 2; TextColour 255; Arial8i '' 10 20; Text 'suite' 10 40"},
    {"Arial 10",
     "StandardFonts; Begin; Font 1 20 2; TextColour 255; Arial10 '' 10 20; Text 'suite' 10 40"},
    {"Arial 10 italic",
     "StandardFonts; Begin; Font 1 20 2; TextColour 255; Arial10i '' 10 20; Text 'suite' 10 40"},
    {"Arial 10 bold",
     "StandardFonts; Begin; Font 1 20 2; TextColour 255; Arial10B '' 10 20; Text 'suite' 10 40"},
    {"Arial 12",
     "StandardFonts; Begin; Font 1 20 2; TextColour 255; Arial12 '' 10 20; Text 'suite' 10 40"},
    {"Arial 12 bold",
     "StandardFonts; Begin; Font 1 20 2; TextColour 255; Arial12B '' 10 20; Text 'suite' 10 40"},
    {"Arial 15 bold",
     "StandardFonts; Begin; Font 1 20 2; TextColour 255; Arial15B '' 10 20; Text 'suite' 10 40"},
    {"table presets leave their settings",
     "StandardFonts; Begin; Font 2 14 2; Border 1; TableauD '12' 10 20 100 12; "
     "Cell '34' 10 40 100 12; Hor 10 80 100"},
    {"left table preset after the right one",
     "StandardFonts; Begin; TableauD '12' 10 20 100 12; TableauG '56' 10 100 100 12"},
    // Images: the placement line, sizes from the pixels at one point each, one object each.
    {"image placed", "Jpeg 'photo.jpg' 300 200 3; Begin; Image 'photo.jpg' 10 20 100 50"},
    {"image in millimetres, no size",
     "Jpeg 'photo.jpg' 300 200 1; Unit 1; Begin; Image 'photo.jpg' 10 20"},
    {"image in centimetres, no size",
     "Jpeg 'photo.jpg' 300 200 1; Unit 2; Begin; Image 'photo.jpg' 10 20"},
    {"image, width only", "Jpeg 'photo.jpg' 300 200 1; Begin; Image 'photo.jpg' 10 20 80"},
    {"image, height only", "Jpeg 'photo.jpg' 300 200 1; Begin; Image 'photo.jpg' 10 20 0 50"},
    {"image, no size", "Jpeg 'photo.jpg' 300 200 1; Begin; Image 'photo.jpg' 10 20"},
    {"one image placed twice",
     "Jpeg 'photo.jpg' 16 8 3; Begin; Image 'photo.jpg' 10 20 100 50; Image 'photo.jpg' 10 100 30 "
     "20"},
    // Settings refused: one message each, and the default.
    {"page format -100 x 0", "Format [-100 0]"},
    {"page width 0.001", "Width 0.001"},
    {"page height NaN", "Height nan"},
    {"unit 7", "Unit 7"},
    {"page format 9", "Format 9"},
    {"page format A3", "Format 'A3'"},
    {"orientation 2", "Orientation 2"},
    {"layout 4 after 2", "Layout 2; Layout 4"},
    {"alignment 7 after 2", "Align 2; Align 7"},
    {"font family 5", "Font 5 12"},
    // Formats and orientations give each page its box.
    {"A4 landscape", "Format 0; Orientation 0"},
    {"landscape twice", "Orientation 0; Orientation 0"},
    {"500 x 700 portrait", "Format [500 700]; Orientation 1"},
    {"A3", "Format 1"},
    {"A5 landscape", "Format 2; Orientation 0"},
    {"legal", "Format 4"},
    {"a format name after letter", "Format 3; Format 'x'"},
    {"width and height", "Width 300.5; Height 400.25"},
    {"3 x 14400, the largest", "Format [3 14400]"},
    {"sides out of range after letter", "Format 3; Format [-100 0]"},
    {"1e20 high", "Format [500 1e20]"},
    {"2.99 wide", "Format [2.99 500]"},
    {"0.001 wide after letter", "Format 3; Width 0.001"},
    {"infinite height", "Height inf"},
    {"NaN high after letter", "Format 3; Height nan"},
    {"pages keep the box of their slot",
     "Begin; EndPage; Format 3; NewPage; EndPage; Format 1; Orientation 0; NewPage"},
    {"three pages, the third landscape",
     "Title 'Fiche (test)'; Begin; Text 'un' 10 20; EndPage; NewPage; Text 'suite' 10 20; "
     "EndPage; Orientation 0; NewPage; Text 'suite' 10 20"},
    // The catalog: zoom codes 0..2 are named views, others a percentage; layout 3 writes none.
    {"zoom 0, layout 0", "Zoom 0; Layout 0"},
    {"zoom 1, layout 1", "Zoom 1; Layout 1"},
    {"zoom 2, layout 2", "Zoom 2; Layout 2"},
    {"zoom 150, layout 3", "Zoom 150; Layout 3"},
    {"zoom 75, layout 3", "Zoom 75; Layout 3"},
    // Bookmarks: the outline objects, their links and destinations.
    {"outlines asked, no bookmark", "Outlines"},
    {"one bookmark at level 1", "Outlines; Begin; Bookmark 'Signet1' 1 40"},
    {"thumbnails and outlines, a bookmark", "Thumbs; Outlines; Begin; Bookmark 'Signet1' 0 40"},
    {"thumbnails and outlines, no bookmark", "Thumbs; Outlines"},
    {"two top-level bookmarks", "Begin; Bookmark 'Identité' 0 40; Bookmark 'Grille (AGGIR)' 0 100"},
    {"levels 0 1 2 1 0 1",
     "Begin; Bookmark 'B' 0 10; Bookmark 'B' 1 10; Bookmark 'B' 2 10; Bookmark 'B' 1 10; "
     "Bookmark 'B' 0 10; Bookmark 'B' 1 10"},
    {"levels 0 3 5: one below the last",
     "Begin; Bookmark 'B' 0 10; Bookmark 'B' 3 10; Bookmark 'B' 5 10"},
    {"levels 2 2", "Begin; Bookmark 'B' 2 10; Bookmark 'B' 2 10"},
    {"levels 0 1 -1", "Begin; Bookmark 'B' 0 10; Bookmark 'B' 1 10; Bookmark 'B' -1 10"},
    {"destinations on two pages and in millimetres",
     "Begin; Bookmark 'y 40' 0 40; Text 'texte' 10 20; Bookmark 'y courant' 0; EndPage; "
     "Orientation 0; NewPage; Bookmark 'page 2' 0 40; Unit 1; Bookmark 'mm' 0 10"},
};

std::string Number(double value) {
  char text[32];
  return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

// Every object but the fonts, and the information only when it holds a title; an image's
// data by its size.
std::string Objects(const std::string& pdf) {
  std::string objects;
  for (const auto& [number, at] : pdftest::ObjectLinePositions(pdf)) {
    const std::string object = pdf.substr(at, pdf.find("endobj\r\n", at) + 8 - at);
    const bool untitled = number == 1 && object.find("/Title ()") != std::string::npos;
    if (untitled || object.find("/Type /Font") != std::string::npos) continue;
    if (object.find("/Subtype /Image") == std::string::npos) {
      objects += object;
    } else {  // the file's bytes, copied: image_test.cpp compares them
      const std::string data = pdftest::StreamOf(pdf, number);
      objects += object.substr(0, object.find("stream\r\n") + 8) + "[" +
                 std::to_string(data.size()) + " bytes]\r\nendstream\r\nendobj\r\n";
    }
  }
  return objects;
}

std::string Play(const char* name, const std::string& script) {
  pdftest::WriterFixture doc;
  W& w = doc.writer;
  std::istringstream calls(script);
  for (std::string call; std::getline(calls, call, ';');) {
    std::istringstream words(call);
    std::string verb;
    words >> verb;
    kCalls.at(verb)(w, Args(words, doc.dir.path()));
  }
  if (w.PDFPageNumber() == 0) w.PDFBeginDoc();
  std::ostringstream out;
  out.imbue(std::locale::classic());
  out << "== " << name << "\n";
  for (const auto& m : doc.host.messages) {
    out << "message " << static_cast<int>(m.icon) << static_cast<int>(m.buttons) << " " << m.title
        << ": " << m.text << "\n";
  }
  out << "at " << w.PDFGetX() << "," << w.PDFGetY() << " text " << w.PDFGetTextColor() << ", line "
      << w.PDFGetLineColor() << ", draw " << w.PDFGetDrawColor() << ", " << w.PDFGetAlignement()
      << ", " << w.PDFGetUnit() << ", layout " << w.PDFGetLayoutMode() << ", page "
      << Number(w.PDFGetPageWidth()) << " x " << Number(w.PDFGetPageHeight()) << "\n";
  out << Objects(doc.Finish()) << "\n";
  return out.str();
}

TEST(WriterGoldenTest, EveryScenario) {
  std::string all;
  for (const auto& [name, script] : kScenarios) all += Play(name, script);
  ExpectGolden(AGGIR_SOURCE_DIR "/tests/pdf/golden/writer.txt", all);
}

}  // namespace
