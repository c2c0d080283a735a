// SPDX-License-Identifier: EUPL-1.2
// Cells: a text broken into lines of a given width, each line a box with its borders,
// fill and alignment.
#include <algorithm>
#include <cmath>

#include "pdf/format.h"
#include "pdf/vaROR.h"
#include "platform/encoding.h"

namespace pdf {
namespace {

bool IsBreak(char c) { return c == '\r' || c == '\n'; }

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

void vaROR::PDFCell(const std::string& text, double X, double Y, double W, double H,
                    const std::string& link) {
  if (!PageIsOpen("PDFCell")) return;
  // Break and measure before writing, so a failure leaves the page untouched: the lines
  // are then measured with the metric table read here.
  std::vector<CellLine> lines = BreakLines(platform::ToWindows1252(text), W);
  const double line_x = X - in_CellMargin / in_Scale;
  Composer out(str_PageContent);
  out.Line("%DEBUT_CELL/%");
  for (std::size_t i = 0; i < lines.size(); ++i) {
    PutCell(out, lines[i], LineBorder(i, lines.size()), line_x, Y + static_cast<double>(i) * H, W,
            H);
  }
  boUnderline = false;
  if (str_Align == "FJ") {
    out.Line("0 Tw");
    in_WordSpacing = 0;
  }
  str_Border = '0';
  const double height = static_cast<double>(lines.size()) * H;
  in_LinkWidth = W;
  in_LinkHeight = height;
  AttachLink(out, link, "CELL", line_x, Y);
  out.Line("%FIN_CELL/%").Done();
  in_X = line_x + W;
  in_Y = Y + height;
}

std::vector<vaROR::CellLine> vaROR::BreakLines(const std::string& bytes, double W) {
  const WidthTable& widths = Metrics(FontInUse().name);
  // Text starts two cell margins from the left border and must end one margin before the
  // right one. Exact widths are summed: rounding at each character could overrun the border.
  const double room = W * in_Scale - 3.0 * in_CellMargin;
  const double size = FontSizeInUse();
  std::vector<CellLine> lines;
  std::size_t start = 0;
  std::size_t i = 0;
  std::size_t blank = std::string::npos;
  double used = 0;
  bool wrapped = false;  // the line in progress was opened by a wrap, not by the text
  auto cut = [&](std::size_t end, std::size_t next, bool forced) {
    lines.push_back({bytes.substr(start, end - start), forced});
    start = i = next;
    blank = std::string::npos;
    used = 0;
    wrapped = !forced;
  };
  while (i < bytes.size()) {
    char c = bytes[i];
    if (c == ' ' && wrapped && i == start) {
      start = ++i;  // a wrap already separates the words: a cell narrower than a blank
      continue;     // would otherwise turn every blank into an empty line
    }
    if (IsBreak(c)) {
      bool crlf = c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
      cut(i, i + (crlf ? 2 : 1), true);
      continue;
    }
    if (c == ' ') blank = i;
    used += widths[static_cast<unsigned char>(c)] * size / 1000.0;
    if (used <= room) {
      ++i;
    } else if (blank != std::string::npos) {
      cut(blank, blank + 1, false);
    } else {
      std::size_t end = std::max(i, start + 1);  // at least one character per line
      cut(end, end, false);
    }
  }
  // A break at the very end of the text opens no empty line.
  if (start < bytes.size() || lines.empty()) lines.push_back({bytes.substr(start), true});
  return lines;
}

std::string vaROR::LineBorder(std::size_t index, std::size_t count) const {
  bool frame = str_Border == "1";
  auto has = [&](char letter) {
    return frame || (str_Border != "0" && str_Border.find(letter) != std::string::npos);
  };
  std::string border;
  if (has('L')) border += 'L';
  if (has('R')) border += 'R';
  if (has('T') && index == 0) border += 'T';
  if (has('B') && index + 1 == count) border += 'B';
  return border.empty() ? "0" : border;
}

void vaROR::PutCell(Composer& out, const CellLine& line, const std::string& border, double X,
                    double Y, double W, double H) {
  const double k = in_Scale;
  const double P = PDFGetPageHeight();
  const int size = FontSizeInUse();
  const FontChoice font = FontInUse();
  if (!str_LineColor.empty()) out.Line(Trimmed(str_LineColor));
  if (!str_DrawColor.empty()) out.Line(str_DrawColor);
  const bool frame = border == "1";
  const bool sides = border != "0" && !frame;
  if (sides) PutWidthLine(out, "");
  const double dx = CellOffset(out, line, W);
  // The box and its sides on one line, each path ended by a CR.
  if (frame || boFill) {
    const char* op = frame && boFill ? "B" : boFill ? "f" : "S";
    out.Numbers({X * k, P - Y * k, W * k, -H * k}).Text(" re ").Text(op).Text("\r");
  }
  if (sides) PutCellSides(out, border, X, Y, W, H);
  if (frame || boFill || sides) out.Line("");
  const double x = X * k + dx;
  const double y0 = P - (0.5 * H * k + Y * k + 0.3 * size);
  bool coloured = !str_TextColor.empty();
  if (coloured) out.Text("q ").Text(str_TextColor).Line(" ");
  if (boUnderline) PutUnderlineBar(out, line.text, x, y0, true);
  out.Line("BT").Text("/F").Integer(font.number).Text(" ").Integer(size).Line(" Tf");
  out.Numbers({x, y0}).Line(" Td").Text("(").Escaped(line.text).Line(") Tj").Line("ET");
  if (coloured) out.Line("Q");
}

void vaROR::PutCellSides(Composer& out, const std::string& border, double X, double Y, double W,
                         double H) const {
  const double k = in_Scale;
  const double P = PDFGetPageHeight();
  const double x1 = X * k, x2 = (X + W) * k, yt = P - Y * k, yb = P - (Y + H) * k;
  auto has = [&border](char letter) {
    return border.find(letter) != std::string::npos ||
           border.find(static_cast<char>(letter - 'A' + 'a')) != std::string::npos;
  };
  const struct {
    char letter;
    double from_x, from_y, to_x, to_y;
    const char* end;
  } kSides[] = {{'L', x1, yt, x1, yb, " l S\r"},
                {'T', x1, yt, x2, yt, " l S \r"},
                {'R', x2, yt, x2, yb, " l S \r"},
                {'B', x1, yb, x2, yb, " l S \r"}};
  for (const auto& side : kSides) {
    if (!has(side.letter)) continue;
    out.Numbers({side.from_x, side.from_y}).Text(" m ").Numbers({side.to_x, side.to_y});
    out.Text(side.end);
  }
}

double vaROR::CellOffset(Composer& out, const CellLine& line, double W) {
  const double room = W * in_Scale;
  const double width = MeasureCurrent(line.text);
  const double tw = std::nearbyint(width);
  if (str_Align == "R") return std::nearbyint(room - in_CellMargin - tw);
  if (str_Align == "C") return std::nearbyint((room - tw) / 2.0);
  if (str_Align == "FJ") {
    // The line is spread to end one cell margin before the right border, as "R" ends;
    // the last line of a paragraph keeps its natural spacing, and words never overlap.
    double spacing = 0;
    if (!line.last) {
      auto blanks = static_cast<double>(std::count(line.text.begin(), line.text.end(), ' '));
      spacing = std::max(0.0, (room - 3.0 * in_CellMargin - width) / std::max(blanks, 1.0));
    }
    in_WordSpacing = spacing;
    out.Number(spacing, 2).Line(" Tw");
  }
  return 2.0 * in_CellMargin;
}

}  // namespace pdf
