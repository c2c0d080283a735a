// SPDX-License-Identifier: EUPL-1.2
// What the writer makes of the short call scripts of golden/writer_scripts.txt, each on a
// fresh document in points (A4, the test font): the messages it shows, the position, colours
// and settings it leaves, and every object of the file but the fonts, against the reviewed
// copy in golden/writer.txt (scripts/golden.sh regenerates it when a change is meant).
#include <gtest/gtest.h>

#include <charconv>
#include <filesystem>
#include <functional>
#include <locale>
#include <map>
#include <set>
#include <sstream>
#include <variant>

#include "fuzz/fuzz_input.h"
#include "jpeg_maker.h"
#include "platform/encoding.h"
#include "test_support/files.h"
#include "test_support/golden.h"

namespace {

using W = pdf::vaROR;

// The scratch folder is "<dir>" in the scripts and in what they make, the same each run.
std::string Swap(std::string text, const std::string& from, const std::string& to) {
  for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

// The arguments of one call: numbers, 'texts' and [lists of numbers].
class Args {
 public:
  Args(std::istream& in, std::filesystem::path folder, std::ostream& out)
      : folder_(std::move(folder)), out_(out) {
    for (char c; in >> c;) {
      if (c == '\'') {
        std::string text;
        std::getline(in, text, '\'');
        items_.emplace_back(Swap(text, "<dir>", folder_.string()));
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
  const std::filesystem::path& folder() const { return folder_; }
  std::ostream& out() const { return out_; }
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
  std::ostream& out_;
  std::vector<std::variant<double, std::string, std::vector<double>>> items_;
};

// The files the scratch folder holds but the fonts, in order.
std::string Files(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    const auto name = std::filesystem::relative(entry.path(), folder).string();
    names.insert(name.starts_with(".vaROR.") ? "(temporary file)" : name);  // a random name
  }
  std::string files;
  for (const auto& name : names) files += name.starts_with("fonts") ? "" : " " + name;
  return files;
}

using Call = std::function<void(W&, const Args&)>;

// A format code, a name or [width height].
fuzzinput::PageFormat PageFormat(const Args& a) {
  if (const auto* sides = std::get_if<std::vector<double>>(&a.at(0))) {
    return std::array{sides->at(0), sides->at(1)};
  }
  if (const auto* name = std::get_if<std::string>(&a.at(0))) return *name;
  return a.i(0);
}

void FormatPage(W& w, const Args& a) {
  std::visit([&w](const auto& format) { w.PDFFormatPage(format); }, PageFormat(a));
}

// A format, then an orientation: each pair is also a seed of the page format's fuzz target.
void FormatAndOrientation(W& w, const Args& a) {
  fuzzinput::Writer seed;
  fuzzinput::WritePageFormat(seed, PageFormat(a));
  seed.Byte(1).Int32(a.i(1));
  const auto name = std::hash<std::string_view>{}(seed.bytes());
  pdftest::WriteFuzzSeed("page_format", std::to_string(name), seed.bytes());
  FormatPage(w, a);
  w.PDFOrientation(a.i(1));
}

// Each colour given is also a seed of the colour forms' fuzz target.
pdf::ColorValue Colour(const Args& a) {
  fuzzinput::Writer seed;
  fuzzinput::WriteColour(seed, a.colour(0));
  const auto name = std::hash<std::string_view>{}(seed.bytes());
  pdftest::WriteFuzzSeed("colour", std::to_string(name), seed.bytes());
  return a.colour(0);
}

template <void (W::*Preset)(const std::string&, double, double)>
Call Text() {
  return [](W& w, const Args& a) { (w.*Preset)(a.s(0), a.n(1), a.n(2)); };
}

const std::map<std::string, Call> kCalls = {
    {"Begin", [](W& w, const Args&) { w.PDFBeginDoc(); }},
    {"EndPage", [](W& w, const Args&) { w.PDFEndPage(); }},
    {"EndDoc", [](W& w, const Args&) { w.PDFEndDoc(); }},
    {"Init", [](W& w, const Args&) { w.PDFInit(); }},
    {"Confirm", [](W& w, const Args&) { w.PDFConfirm(true); }},
    {"View", [](W& w, const Args&) { w.PDFView(true); }},
    {"Fill", [](W& w, const Args&) { w.PDFSetFill(true); }},
    {"FileName", [](W& w, const Args& a) { w.PDFFileName(a.s(0)); }},
    {"Metrics",  // a metric folder in the scratch folder, holding one test font
     [](W&, const Args& a) {
       std::filesystem::create_directories(a.file(0));
       pdftest::WriteTestMetrics(a.file(0), a.s(1));
     }},
    {"LoadAfm", [](W& w, const Args& a) { w.PDFLoadAfm(a.file(0)); }},
    {"KeepMetrics", [](W& w, const Args&) { w.PDFKeepMetrics(true); }},
    {"Remove", [](W&, const Args& a) { std::filesystem::remove(a.file(0)); }},
    {"Folder", [](W&, const Args& a) { std::filesystem::create_directories(a.file(0)); }},
    {"NewPage", [](W& w, const Args&) { w.PDFNewPage(); }},
    {"StandardFonts", [](W& w, const Args&) { w.PDFLoadAfm(AGGIR_FONTS_DIR); }},
    {"Title", [](W& w, const Args& a) { w.PDFTitle(a.s(0)); }},
    {"Format", FormatPage},
    {"Page", FormatAndOrientation},
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
    {"TextColour", [](W& w, const Args& a) { w.PDFSetTextColor(Colour(a)); }},
    {"LineColour", [](W& w, const Args& a) { w.PDFSetLineColor(Colour(a)); }},
    {"DrawColour", [](W& w, const Args& a) { w.PDFSetDrawColor(Colour(a)); }},
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
    {"Jpeg",  // size, colour components, then density unit, Adobe marker and file size
     [](W&, const Args& a) {
       pdftest::WriteFile(
           a.file(0),
           pdftest::MakeJpeg({.width = a.i(1),
                              .height = a.i(2),
                              .components = a.i(3),
                              .density_unit = a.i(4) == 0 ? 1 : a.i(4),
                              .adobe = a.n(5) != 0,
                              .size = a.n(6) == 0 ? 300u : static_cast<std::size_t>(a.n(6))}));
     }},
    {"Bytes", [](W&, const Args& a) { pdftest::WriteFile(a.file(0), a.s(1)); }},
    {"Spoil",  // the file's last byte replaced
     [](W&, const Args& a) {
       std::string bytes = pdftest::ReadFile(a.file(0));
       pdftest::WriteFile(a.file(0), bytes.replace(bytes.size() - 1, 1, "x"));
     }},
    {"Size",
     [](W& w, const Args& a) {
       a.out() << "size " << w.PDFImageWidth(a.file(0)) << " x " << w.PDFImageHeight(a.file(0))
               << "\n";
     }},
    {"Files", [](W&, const Args& a) { a.out() << "files" << Files(a.folder()) << "\n"; }},
    {"Peek",
     [](W&, const Args& a) { a.out() << pdftest::ReadFile(a.file(0)).substr(0, 13) << "\n"; }},
    {"Image",
     [](W& w, const Args& a) { w.PDFImage(a.file(0), a.n(1), a.n(2), a.n(3), a.n(4), a.s(5)); }},
    {"TableauD",
     [](W& w, const Args& a) { w.FormatTableauD(a.s(0), a.n(1), a.n(2), a.n(3), a.n(4)); }},
    {"TableauG",
     [](W& w, const Args& a) { w.FormatTableauG(a.s(0), a.n(1), a.n(2), a.n(3), a.n(4)); }},
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

// Each call that raised, its code and message.
std::string Raised(const pdf::PdfError& error) {
  return "raised " + std::to_string(static_cast<int>(error.code())) + " " + error.what() + "\n";
}

std::string Play(const NamedCase& scenario) {
  pdftest::WriterFixture doc;
  W& w = doc.writer;
  const auto dir = doc.dir.path();
  std::ostringstream out;
  out.imbue(std::locale::classic());
  out << "== " << scenario.name << "\n";
  for (const std::string& call : scenario.steps) {
    std::istringstream words(call);
    std::string verb;
    words >> verb;
    try {
      kCalls.at(verb)(w, Args(words, dir, out));
    } catch (const pdf::PdfError& error) {
      out << Raised(error);
    }
  }
  if (w.PDFPageNumber() == 0) w.PDFBeginDoc();
  for (const auto& m : doc.host.messages) {
    out << "message " << static_cast<int>(m.icon) << static_cast<int>(m.buttons) << " " << m.title
        << ": " << m.text << "\n";
  }
  out << "at " << w.PDFGetX() << "," << w.PDFGetY() << " text " << w.PDFGetTextColor() << ", line "
      << w.PDFGetLineColor() << ", draw " << w.PDFGetDrawColor() << ", " << w.PDFGetAlignement()
      << ", " << w.PDFGetUnit() << ", layout " << w.PDFGetLayoutMode() << ", page "
      << Number(w.PDFGetPageWidth()) << " x " << Number(w.PDFGetPageHeight()) << "\n";
  try {
    w.PDFEndDoc();
  } catch (const pdf::PdfError& error) {
    out << Raised(error);
  }
  out << "files" << Files(dir) << "\n";
  for (const auto& opened : doc.host.opened_pdfs) out << "opened " << opened.string() << "\n";
  const std::string pdf = pdftest::ReadFile(w.PDFGetFileName());
  if (pdf.starts_with("%PDF-")) pdftest::ExpectConsistentXref(pdf);
  EXPECT_EQ(pdf.find("%PDF-", 1), std::string::npos) << scenario.name;
  // The file's texts are Windows-1252: shown as UTF-8, so that the golden file reads.
  return Swap(out.str() + platform::FromWindows1252(Objects(pdf)) + "\n", dir.string(), "<dir>");
}

TEST(WriterGoldenTest, EveryScenario) {
  std::string all;
  for (const auto& scenario : ReadCases(AGGIR_SOURCE_DIR "/tests/pdf/golden/writer_scripts.txt")) {
    all += Play(scenario);
  }
  ExpectGolden(AGGIR_SOURCE_DIR "/tests/pdf/golden/writer.txt", all);
}

}  // namespace
