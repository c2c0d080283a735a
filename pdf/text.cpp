// SPDX-License-Identifier: EUPL-1.2
// Single texts: position, rotation, underline; alignment, border and fill settings.
#include <algorithm>
#include <cmath>

#include "pdf/format.h"
#include "pdf/vaROR.h"

namespace pdf {
namespace {

// The angle factor the rotation matrix has always used; it fixes the written digits.
constexpr double kDegreesToRadians = 3.1416 / 180.0;
// Underline thickness in thousandths of the font size, the usual metric value.
constexpr double kUnderlineThickness = 50.0;

}  // namespace

void vaROR::PDFTextOut(const std::string& text, double X, double Y) {
  if (!PageIsOpen("PDFTextOut")) return;
  const bool unicode = PrepareRun(text, str_Bytes, CurrentRequest());
  TextOut(str_Bytes, X, Y, unicode);
}

void vaROR::TextOut(const std::string& bytes, double X, double Y, bool unicode) {
  if (X == 0) X = in_X;
  if (Y == 0) Y = in_Y;
  const double k = in_Scale;
  FontChoice font = FontInUse();
  const int size = FontSizeInUse();
  // Measure first: a missing metric file must leave the page untouched.
  const double width = unicode ? RunWidth(bytes, true, size) : Measure(bytes, font.name, size);

  Composer out(str_PageContent);
  bool coloured = !str_TextColor.empty();
  if (coloured) out.Text("q ").Text(str_TextColor).Line(" ");
  out.Line("%DEBUT_TEXT/%").Line("BT");
  if (in_Rotation != 0) {
    PutRotation(out, X, Y);
    in_Rotation = 0;
  } else {
    out.Numbers({(in_LeftMargin + X) * k, PDFGetPageHeight() - Y * k}).Line(" Td");
  }
  if (unicode) {
    PutGlyphs(out, bytes, size, 2, 0);
  } else {
    out.Text("/F").Integer(font.number).Text(" ").Number(size, 2).Line(" Tf");
    out.Text("(").Escaped(bytes).Line(") Tj");
  }
  out.Line("ET");
  if (boUnderline) PutUnderlineBar(out, bytes, unicode, X * k, Y * k, false);
  if (coloured) out.Line("Q");
  out.Line("%FIN_TEXT/%").Done();
  boUnderline = false;
  in_X = X + width / k;
  in_Y = Y + size / k;
}

void vaROR::PutRotation(Composer& out, double X, double Y) const {
  double r = in_Rotation * kDegreesToRadians;
  out.Numbers({std::cos(r), -std::sin(r), std::sin(r), std::cos(r)}, 5).Text(" ");
  out.Numbers({X * in_Scale, PDFGetPageHeight() - Y * in_Scale}).Line(" Tm");
}

void vaROR::PutUnderlineBar(Composer& out, const std::string& bytes, bool unicode, double x,
                            double y, bool cell_case) {
  const double size = FontSizeInUse();
  const double k = in_Scale;
  double u = std::nearbyint(MeasureCurrent("up", size));
  auto blanks = std::count(bytes.begin(), bytes.end(), ' ');
  // The bar spans the text as drawn, word spacing included.
  double width = RunWidth(bytes, unicode, size) + static_cast<double>(blanks) * in_WordSpacing;
  double thickness = -size * kUnderlineThickness / 1000.0;
  double bar_x = cell_case ? x : std::nearbyint(in_LeftMargin * k + x);
  double bar_y = cell_case ? y - 3 : PDFGetPageHeight() - (y - u / 1000.0 * size) - 2;
  out.Numbers({bar_x, bar_y, width, thickness}).Line(" re f");
}

double vaROR::PDFTextHeight() const { return in_FontSize / in_Scale; }

void vaROR::PDFSetRotation(double angle) { in_Rotation = -angle; }

void vaROR::PDFSetAlignement(std::int32_t gAlignement) {
  static const char* const kAlignments[] = {"C", "L", "R", "FJ"};
  gAlignement =
      CheckedCode(gAlignement, 3, 1, "Code alignement incorrect : ",
                  "L'alignement utilisé sera l'alignement à gauche.", "Code Alignement de Cellule");
  str_Align = kAlignments[gAlignement];
}

std::string vaROR::PDFGetAlignement() const {
  if (str_Align == "C") return "Center";
  if (str_Align == "R") return "Right";
  return "Left";
}

void vaROR::PDFSetBorder(std::int32_t gBorder) {
  static const char* const kSingle[] = {"0", "1", "T", "B", "L", "R"};
  if (gBorder >= 0 && gBorder <= 5) {
    str_Border = kSingle[gBorder];
    return;
  }
  std::string digits = std::to_string(gBorder);
  str_Border.clear();
  for (auto [digit, letter] : {std::pair{'4', 'L'}, {'5', 'R'}, {'2', 'T'}, {'3', 'B'}}) {
    if (digits.find(digit) != std::string::npos) str_Border += letter;
  }
}

void vaROR::PDFSetFill(bool bFill) { boFill = bFill; }

}  // namespace pdf
