// Line width, dash style and draw mode; lines, rectangles, ellipses and polygons.
#include <algorithm>
#include <array>
#include <cmath>

#include "pdf/format.h"
#include "pdf/vaROR.h"

namespace pdf {
namespace {

// Lines of a document that never set a width, in points whatever the unit.
constexpr double kDefaultLineWidth = 0.567;
// Control distance of a quarter ellipse drawn as one Bézier arc, per unit of radius.
constexpr double kArcControl = 11.0 / 20.0;
// Windows colour number of white: the text colour a rectangle or an ellipse leaves.
constexpr double kWhite = 16777215;

// Stored mode of each draw-mode code and the operators that paint a shape with it.
struct DrawMode {
  const char* stored;
  const char* rectangle;
  const char* curve;  // ellipses and polygons
};
constexpr std::array<DrawMode, 3> kDrawModes = {
    {{"", "s", "s"}, {"D", "f", "h f"}, {"DB", "B", "B"}}};

// Dash and gap lengths of each line style, in points per user unit.
constexpr std::array<std::array<double, 6>, 4> kDashes = {
    {{}, {16, 8}, {8, 7, 2, 7}, {8, 4, 2, 4, 2, 4}}};

const DrawMode& ModeOf(const std::string& stored) {
  auto found = std::find_if(kDrawModes.begin(), kDrawModes.end(),
                            [&stored](const DrawMode& mode) { return stored == mode.stored; });
  return found != kDrawModes.end() ? *found : kDrawModes[0];
}

}  // namespace

void vaROR::PDFSetLineStyle(std::int32_t pLineStyle) {
  if (pLineStyle < 0 || pLineStyle > 3) {
    ShowCritical("Code style de ligne incorrect : " + std::to_string(pLineStyle) + ".\r\n" +
                     "Le style de ligne utilisé sera pSolid.",
                 "Style de Ligne");
    pLineStyle = 0;
  }
  // The lengths follow the unit in force now, not later changes of it.
  std::string lengths;
  for (double length : kDashes[static_cast<std::size_t>(pLineStyle)]) {
    if (length == 0) break;  // the end of a shorter pattern
    lengths += std::to_string(static_cast<long>(std::floor(length * in_Scale))) + " ";
  }
  str_LineStyle = "[" + lengths + "] 0 d";
}

void vaROR::PDFSetLineWidth(double pLineWidth) {
  if (!(pLineWidth >= 0) || std::isinf(pLineWidth)) {
    ShowCritical("Épaisseur de ligne incorrecte : " + MessageNumber(pLineWidth) + ".\r\n" +
                     "L'épaisseur de ligne utilisée sera 0.567 point.",
                 "Épaisseur de Ligne");
    boLineWidthSet = false;
    return;
  }
  in_LineWidth = pLineWidth;
  boLineWidthSet = true;
}

void vaROR::PDFSetDrawMode(std::int32_t pDrawMode) {
  if (pDrawMode < 0 || pDrawMode > 2) {
    ShowCritical("Code type de traçage incorrect : " + std::to_string(pDrawMode) + ".\r\n" +
                     "Le type de traçage utilisé sera bordure et remplissage.",
                 "Objet Rectangle");
    pDrawMode = 2;
  }
  str_DrawMode = kDrawModes[static_cast<std::size_t>(pDrawMode)].stored;
}

void vaROR::PDFDrawLineHor(double X, double Y, double w) {
  if (!PageIsOpen("PDFDrawLineHor")) return;
  DeriveDrawColor();
  DrawSegment("LNH", X, Y, X + w, Y);
  in_X = X + w;
  in_Y = Y;
}

void vaROR::PDFDrawLineVer(double X, double Y, double h) {
  if (!PageIsOpen("PDFDrawLineVer")) return;
  DeriveDrawColor();
  DrawSegment("LNV", X, Y, X, Y + h);
  in_X = X;
  in_Y = Y + h;
}

void vaROR::PDFDrawLine(double x1, double y1, double x2, double y2) {
  if (!PageIsOpen("PDFDrawLine")) return;
  DrawSegment("LN", x1, y1, x2, y2);
  in_X = std::max(x1, x2);
  in_Y = std::max(y1, y2);
}

void vaROR::PDFDrawRectangle(double X, double Y, double w, double h, const std::string& URLLink) {
  if (!PageIsOpen("PDFDrawRectangle")) return;
  if (!(w > 0 && h > 0)) {
    ShowCritical("Dimensions de rectangle incorrectes : " + MessageNumber(w) + " x " +
                     MessageNumber(h) + ".\r\n" + "Le rectangle n'est pas dessiné.",
                 "Objet Rectangle");
    return;
  }
  std::string out;
  AddLine(out, "%DEBUT_RECT/%");
  out += ShapeColors();
  AddLine(out, str_LineStyle);
  // The width goes before the paint operator, so this outline is drawn with it.
  AddLine(out, WidthLine(""));
  AddLine(out, PagePoint(X, Y) + " " + FormatNumbers({w * in_Scale, -h * in_Scale}) + " re " +
                   ModeOf(str_DrawMode).rectangle);
  str_PageContent += out;
  PDFSetTextColor(kWhite);
  in_LinkWidth = w;
  in_LinkHeight = h;
  AttachLink(URLLink, "RECTANGLE", X, Y);
  AddLine(str_PageContent, "%FIN_RECT/%");
  in_X = X;
  in_Y = Y + h;
}

void vaROR::PDFDrawEllipse(double X, double Y, double rx, double ry, const std::string& URLLink) {
  if (!PageIsOpen("PDFDrawEllipse")) return;
  if (ry == 0) ry = rx;
  if (!(rx > 0 && ry > 0)) {
    ShowCritical("Dimensions d'ellipse incorrectes : " + MessageNumber(rx) + " x " +
                     MessageNumber(ry) + ".\r\n" + "L'ellipse n'est pas dessinée.",
                 "Objet Ellipse");
    return;
  }
  const double a = rx / 2, b = ry / 2;
  const double cx = X + a, cy = Y + b;
  const double ca = a * kArcControl, cb = b * kArcControl;
  std::string out = ShapeColors();
  AddLine(out, str_LineStyle);
  AddLine(out, PagePoint(X, cy) + " m");
  AddLine(out, CurveTo({X, cy - cb, cx - ca, Y, cx, Y}));
  AddLine(out, CurveTo({cx + ca, Y, X + rx, cy - cb, X + rx, cy}));
  AddLine(out, CurveTo({X + rx, cy + cb, cx + ca, Y + ry, cx, Y + ry}));
  AddLine(out, CurveTo({cx - ca, Y + ry, X, cy + cb, X, cy}));
  AddLine(out, WidthLine(ModeOf(str_DrawMode).curve));
  str_PageContent += out;
  PDFSetTextColor(kWhite);
  in_LinkWidth = rx;
  in_LinkHeight = ry;
  AttachLink(URLLink, "ELLIPSE", X, Y);
  in_X = X;
  in_Y = cy;
}

void vaROR::PDFDrawPolygon(const std::vector<double>& pParam) {
  if (!PageIsOpen("PDFDrawPolygon")) return;
  if (pParam.size() % 2 != 0 || pParam.size() < 4) {
    ShowCritical("Nombre de coordonnées de polygone incorrect : " + std::to_string(pParam.size()) +
                     ".\r\n" + "Le polygone n'est pas dessiné.",
                 "Objet Polygone");
    return;
  }
  std::string out = ShapeColors();
  AddLine(out, "%DEBUT_POLY/%");
  AddLine(out, str_LineStyle);
  AddLine(out, PagePoint(pParam[0], pParam[1]) + " m");
  for (std::size_t i = 2; i <= pParam.size(); i += 2) {
    std::size_t point = i % pParam.size();  // the last line goes back to the first point
    AddLine(out, PagePoint(pParam[point], pParam[point + 1]) + " l");
  }
  AddLine(out, WidthLine(ModeOf(str_DrawMode).curve));
  AddLine(out, "%FIN_POLY/%");
  str_PageContent += out;
}

double vaROR::LineWidthPoints() const {
  return boLineWidthSet ? in_LineWidth * in_Scale : kDefaultLineWidth;
}

std::string vaROR::WidthLine(std::string_view paint) const {
  std::string line = FormatNumber(LineWidthPoints(), 2) + " w";
  if (!paint.empty()) line.append(" ").append(paint);
  return line;
}

std::string vaROR::PagePoint(double x, double y) const {
  return FormatNumbers({x * in_Scale, PageHeight() - y * in_Scale});
}

std::string vaROR::CurveTo(const std::array<double, 6>& points) const {
  return PagePoint(points[0], points[1]) + " " + PagePoint(points[2], points[3]) + " " +
         PagePoint(points[4], points[5]) + " c";
}

std::string vaROR::ShapeColors() const {
  std::string lines;
  if (!str_DrawMode.empty()) AddLine(lines, str_DrawColor);
  if (str_DrawMode != "D") AddLine(lines, str_LineColor);
  return lines;
}

void vaROR::DeriveDrawColor() {
  const std::size_t size = str_LineColor.size();
  if (str_LineColor.ends_with("RG")) {
    str_DrawColor = str_LineColor.substr(0, size - 2) + "rg";
  } else if (size > 0) {
    str_DrawColor = str_LineColor.substr(0, size - 1) + "g";
  }
}

void vaROR::DrawSegment(const char* marker, double x1, double y1, double x2, double y2) {
  std::string out;
  AddLine(out, std::string("%DEBUT_") + marker + "/%");
  AddLine(out, str_LineStyle);
  AddLine(out, PagePoint(x1, y1) + " m");
  AddLine(out, PagePoint(x2, y2) + " l");
  AddLine(out, str_LineColor);
  AddLine(out, WidthLine("S"));
  AddLine(out, std::string("%FIN_") + marker + "/%");
  str_PageContent += out;
}

}  // namespace pdf
