// SPDX-License-Identifier: EUPL-1.2
// Which texts go to the Unicode faces, how their cells break, which faces are embedded
// (golden/unicode_runs.txt).
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <vector>

#include "fuzz/text_script.h"
#include "pdf/vaROR.h"
#include "platform/encoding.h"
#include "platform/number_text.h"
#include "test_support/files.h"
#include "test_support/golden.h"
#include "test_support/recording_host.h"

namespace {

namespace fs = std::filesystem;

using textscript::Op;

fuzzinput::Writer& Call(fuzzinput::Writer& script, Op op) {
  return script.Byte(static_cast<std::uint8_t>(op));
}

// The row as a script of text calls, which the Unicode text fuzz target takes as a seed.
std::string Script(const std::string& row) {
  std::istringstream words(row);
  std::string op, argument;
  words >> op;
  if (op == "cell" || op == "file") words >> argument;
  std::string text;
  std::getline(words >> std::ws, text);
  fuzzinput::Writer s;
  if (op == "bold") Call(s, Op::Font).Byte(0).Byte(10).Byte(2);
  if (op == "file") Call(s, Op::FontFile).Text(argument).Byte(10);
  if (op == "cell") {
    textscript::WriteLongText(Call(s, Op::Cell), text)
        .Number(10)
        .Number(10)
        .Number(std::stod(argument))
        .Number(12);
  } else {
    textscript::WriteLongText(Call(s, Op::Text), text).Number(10).Number(20);
  }
  return s.bytes();
}

// The text of an /ActualText's UTF-16BE hexadecimal digits.
std::string FromUtf16Hex(const std::string& hex) {
  std::string bytes;
  for (std::size_t i = 0; i + 4 <= hex.size(); i += 4) {
    char32_t c = static_cast<char32_t>(std::stoul(hex.substr(i, 4), nullptr, 16));
    if (c >= 0xD800 && c < 0xDC00 && i + 8 <= hex.size()) {
      const auto low = static_cast<char32_t>(std::stoul(hex.substr(i + 4, 4), nullptr, 16));
      c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
      i += 4;
    }
    platform::AppendUtf8(bytes, c);
  }
  return bytes;
}

// "S:Paris / U:Łukasz": the runs of the content, in order.
std::string Runs(const std::string& pdf) {
  std::istringstream lines(pdf);
  std::string line, runs;
  const std::string actual = "/Span <</ActualText <FEFF";
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::string run;
    if (line.starts_with(actual)) {
      run = "U:" + FromUtf16Hex(line.substr(actual.size(), line.find('>') - actual.size()));
    } else if (line.starts_with("(") && line.ends_with(") Tj")) {
      run = "S:" + platform::FromWindows1252(line.substr(1, line.size() - 5));
    }
    if (!run.empty()) runs += (runs.empty() ? "" : " / ") + run;
  }
  return runs;
}

// "LiberationSans, NotoSansCJKjp-Regular": the embedded faces, without their subset tag.
std::string Faces(const fs::path& pdf) {
  std::istringstream lines(pdftest::RunTool("pdffonts '" + pdf.string() + "'").output);
  std::string line, faces;
  while (std::getline(lines, line)) {
    const auto plus = line.find('+');
    if (plus != 6) continue;
    faces += (faces.empty() ? "" : ", ") + line.substr(7, line.find(' ') - 7);
  }
  return faces;
}

// A one-page document in points and Helvetica 10, drawn by `draw`.
void WriteDocument(const fs::path& file, platform::RecordingHost& host,
                   const std::function<void(pdf::vaROR&)>& draw) {
  pdf::vaROR writer(host);
  writer.PDFLoadAfm(AGGIR_FONTS_DIR);
  writer.PDFFileName(file.string());
  writer.PDFSetUnit(0);
  writer.PDFBeginDoc();
  writer.PDFSetFont(0, 10);
  draw(writer);
  writer.PDFEndDoc();
}

std::string Written(const std::string& row) {
  pdftest::ScratchDir dir;
  const fs::path file = dir.path() / "runs.pdf";
  platform::RecordingHost host;
  const std::string script = Script(row);
  pdftest::WriteFuzzSeed("unicode_text", std::to_string(std::hash<std::string>{}(row)), script);
  WriteDocument(file, host, [&script](pdf::vaROR& writer) {
    fuzzinput::Reader in({reinterpret_cast<const std::uint8_t*>(script.data()), script.size()});
    textscript::Play(writer, in);
  });
  std::string written = Runs(pdftest::ReadFile(file));
  const std::string faces = Faces(file);
  if (!faces.empty()) written += " ; " + faces;
  for (const auto& message : host.messages) written += " ; " + message.title;
  return written;
}

TEST(UnicodeRunsTest, EachRunInItsFonts) {
  ExpectTable(AGGIR_SOURCE_DIR "/tests/pdf/golden/unicode_runs.txt", Written);
}

// Each line of a document as pdftotext places it by the fonts' widths: its left and right.
std::vector<std::pair<double, double>> LineSpans(const fs::path& pdf) {
  std::istringstream layout(
      pdftest::RunTool("pdftotext -bbox-layout '" + pdf.string() + "' -").output);
  auto value = [](const std::string& line, const std::string& key) {
    const char* digits = line.data() + line.find(key + "=\"") + key.size() + 2;
    double number = 0;  // whatever the locale
    platform::FromChars(digits, line.data() + line.size(), number);
    return number;
  };
  std::vector<std::pair<double, double>> spans;
  for (std::string line; std::getline(layout, line);) {
    if (line.find("<line ") == std::string::npos) continue;
    spans.emplace_back(value(line, "xMin"), value(line, "xMax"));
  }
  return spans;
}

// The lines of one cell, 150 points wide at x = 50, in an alignment (0 centred, 1 left,
// 2 right, 3 justified).
std::vector<std::pair<double, double>> CellLines(int alignment, const std::string& text) {
  pdftest::ScratchDir dir;
  const fs::path file = dir.path() / "cell.pdf";
  platform::RecordingHost host;
  WriteDocument(file, host, [&](pdf::vaROR& writer) {
    writer.PDFSetAlignement(alignment);
    writer.PDFCell(text, 50, 100, 150, 12);
  });
  return LineSpans(file);
}

// A Unicode cell's lines sit where a Windows-1252 cell's do: centred on the same middle,
// ending at the same right edge, and a justified line but the last from edge to edge. The
// writer starts every line on a whole point, so two lines may differ by up to one.
TEST(UnicodeRunsTest, AlignedCellsLineUpAsStandardOnes) {
  constexpr double kRounding = 1.0;
  const auto middle_of = [](const std::pair<double, double>& line) {
    return (line.first + line.second) / 2;
  };
  const double left = CellLines(1, "Paris").at(0).first;
  const double right = CellLines(2, "Paris").at(0).second;
  const double middle = middle_of(CellLines(0, "Paris").at(0));
  for (const char* text : {"Łukasz Wałęsa", "Анна Ахматова", "محمد عبد الله", "王秀英 김민준"}) {
    SCOPED_TRACE(text);
    const auto centred = CellLines(0, text);
    ASSERT_EQ(centred.size(), 1u);
    EXPECT_NEAR(middle_of(centred[0]), middle, kRounding);
    const auto to_right = CellLines(2, text);
    ASSERT_EQ(to_right.size(), 1u);
    EXPECT_NEAR(to_right[0].second, right, kRounding);
    const std::string long_text = std::string(text) + " " + text + " " + text + " " + text;
    const auto justified = CellLines(3, long_text);
    ASSERT_GE(justified.size(), 2u);
    for (std::size_t i = 0; i + 1 < justified.size(); ++i) {
      EXPECT_NEAR(justified[i].first, left, kRounding) << "line " << i;
      EXPECT_NEAR(justified[i].second, right, kRounding) << "line " << i;
    }
  }
}

}  // namespace
