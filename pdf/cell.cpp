// Cells: a text broken into lines of a given width, each line a box with its borders,
// fill and alignment.
#include <algorithm>
#include <cmath>

#include "pdf/encoding.h"
#include "pdf/format.h"
#include "pdf/vaROR.h"

namespace pdf {
namespace {

bool IsBreak(char c) { return c == '\r' || c == '\n'; }

}  // namespace

void vaROR::PDFCell(const std::string& text, double X, double Y, double W, double H,
                    const std::string& link) {
  if (!PageIsOpen("PDFCell")) return;
  // Break and measure everything before writing, so a failure leaves the page untouched.
  std::vector<CellLine> lines = BreakLines(ToWindows1252(text), W);
  const double line_x = X - in_CellMargin / in_Scale;
  std::string out;
  AddLine(out, "%DEBUT_CELL/%");
  for (std::size_t i = 0; i < lines.size(); ++i) {
    PutCell(out, lines[i], LineBorder(i, lines.size()), line_x, Y + static_cast<double>(i) * H, W,
            H);
  }
  boUnderline = false;
  if (str_Align == "FJ") {
    AddLine(out, "0 Tw");
    in_WordSpacing = 0;
  }
  str_PageContent += out;
  str_Border = "0";
  const double height = static_cast<double>(lines.size()) * H;
  in_LinkWidth = W;
  in_LinkHeight = height;
  Composer tail(str_PageContent);
  AttachLink(tail, link, "CELL", line_x, Y);
  tail.Line("%FIN_CELL/%").Done();
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

void vaROR::PutCell(std::string& out, const CellLine& line, const std::string& border, double X,
                    double Y, double W, double H) {
  const double k = in_Scale;
  const double P = PageHeight();
  const int size = FontSizeInUse();
  const FontChoice font = FontInUse();
  if (!str_LineColor.empty()) {
    auto first = str_LineColor.find_first_not_of(' ');
    auto last = str_LineColor.find_last_not_of(' ');
    AddLine(out, first == std::string::npos ? "" : str_LineColor.substr(first, last - first + 1));
  }
  if (!str_DrawColor.empty()) AddLine(out, str_DrawColor);
  std::string shapes;
  bool frame = border == "1";
  if (frame || boFill) {
    const char* op = frame && boFill ? "B" : boFill ? "f" : "S";
    shapes = FormatNumbers({X * k, P - Y * k, W * k, -H * k}) + " re " + op + "\r";
  }
  if (border != "0" && !frame) {
    Composer width(out);
    PutWidthLine(width, "");
    width.Done();
    shapes += CellSides(border, X, Y, W, H);
  }
  const double dx = CellOffset(line, W, out);
  if (!shapes.empty()) AddLine(out, shapes);
  const double x = X * k + dx;
  const double y0 = P - (0.5 * H * k + Y * k + 0.3 * size);
  bool coloured = !str_TextColor.empty();
  if (coloured) AddLine(out, "q " + str_TextColor + " ");
  if (boUnderline) AddLine(out, UnderlineBar(line.text, x, y0, true));
  AddLine(out, "BT");
  AddLine(out, "/F" + std::to_string(font.number) + " " + std::to_string(size) + " Tf");
  AddLine(out, FormatNumbers({x, y0}) + " Td");
  AddLine(out, "(" + EscapeString(line.text) + ") Tj");
  AddLine(out, "ET");
  if (coloured) AddLine(out, "Q");
}

std::string vaROR::CellSides(const std::string& border, double X, double Y, double W,
                             double H) const {
  const double k = in_Scale;
  const double P = PageHeight();
  const double x1 = X * k, x2 = (X + W) * k, yt = P - Y * k, yb = P - (Y + H) * k;
  auto has = [&border](char letter) {
    return border.find(letter) != std::string::npos ||
           border.find(static_cast<char>(letter - 'A' + 'a')) != std::string::npos;
  };
  std::string sides;
  if (has('L')) sides += FormatNumbers({x1, yt}) + " m " + FormatNumbers({x1, yb}) + " l S\r";
  if (has('T')) sides += FormatNumbers({x1, yt}) + " m " + FormatNumbers({x2, yt}) + " l S \r";
  if (has('R')) sides += FormatNumbers({x2, yt}) + " m " + FormatNumbers({x2, yb}) + " l S \r";
  if (has('B')) sides += FormatNumbers({x1, yb}) + " m " + FormatNumbers({x2, yb}) + " l S \r";
  return sides;
}

double vaROR::CellOffset(const CellLine& line, double W, std::string& out) {
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
    AddLine(out, FormatNumber(spacing, 2) + " Tw");
  }
  return 2.0 * in_CellMargin;
}

}  // namespace pdf
