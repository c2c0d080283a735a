// SPDX-License-Identifier: EUPL-1.2
// Cells: a text broken into lines of a given width, each line a box with its borders,
// fill and alignment.
#include <algorithm>
#include <cmath>

#include "pdf/format.h"
#include "pdf/vaROR.h"

namespace pdf {
namespace {

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
  std::string run;
  const bool unicode = PrepareRun(text, run, CurrentRequest());
  std::vector<CellLine> lines = unicode ? BreakUnicode(run, W) : BreakLines(run, W);
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

namespace {

// The bytes of a Windows-1252 text, each as wide as its metric says.
struct ByteUnits {
  const std::string& bytes;
  const WidthTable& widths;
  double points;  // the font size
  std::size_t size() const { return bytes.size(); }
  char Char(std::size_t i) const { return bytes[i]; }
  double Width(std::size_t i) const {
    return widths[static_cast<unsigned char>(bytes[i])] * points / 1000.0;
  }
};

}  // namespace

std::vector<vaROR::CellLine> vaROR::BreakLines(const std::string& bytes, double W) {
  // Text starts two cell margins from the left border and must end one margin before the
  // right one. Exact widths are summed: rounding at each character could overrun the border.
  const double room = W * in_Scale - 3.0 * in_CellMargin;
  const ByteUnits units{bytes, Metrics(FontInUse().name), static_cast<double>(FontSizeInUse())};
  std::vector<CellLine> lines;
  for (const LinePiece& piece : BreakIntoLines(units, room)) {
    lines.push_back({bytes.substr(piece.begin, piece.end - piece.begin), piece.last});
  }
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
  if (boUnderline) PutUnderlineBar(out, line.text, line.unicode, x, y0, true);
  out.Line("BT");
  if (line.unicode) {
    out.Numbers({x, y0}).Line(" Td");
    PutGlyphs(out, line.text, size, 0, in_WordSpacing);
  } else {
    out.Text("/F").Integer(font.number).Text(" ").Integer(size).Line(" Tf");
    out.Numbers({x, y0}).Line(" Td").Text("(").Escaped(line.text).Line(") Tj");
  }
  out.Line("ET");
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
  const double width = RunWidth(line.text, line.unicode, FontSizeInUse());
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
