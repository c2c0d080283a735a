// SPDX-License-Identifier: EUPL-1.2
// Line width, dash style and draw mode; lines, rectangles, ellipses and polygons.
#include <algorithm>
#include <array>
#include <cmath>

#include "pdf/format.h"
#include "pdf/vaROR.h"
#include "platform/colour.h"

namespace pdf {
namespace {

// Lines of a document that never set a width, in points whatever the unit.
constexpr double kDefaultLineWidth = 0.567;
// Control distance of a quarter ellipse drawn as one Bézier arc, per unit of radius.
constexpr double kArcControl = 11.0 / 20.0;

// Stored mode of each draw-mode code and the operators that paint a shape with it.
struct DrawMode {
  std::string_view stored;
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
  pLineStyle = CheckedCode(pLineStyle, 3, 0, "Code style de ligne incorrect : ",
                           "Le style de ligne utilisé sera pSolid.", "Style de Ligne");
  // The lengths follow the unit in force now, not later changes of it.
  str_LineStyle.clear();
  Composer style(str_LineStyle);
  style.Text("[");
  for (double length : kDashes[static_cast<std::size_t>(pLineStyle)]) {
    if (length == 0) break;  // the end of a shorter pattern
    style.Integer(static_cast<std::int64_t>(std::floor(length * in_Scale))).Text(" ");
  }
  style.Text("] 0 d").Done();
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
  pDrawMode =
      CheckedCode(pDrawMode, 2, 2, "Code type de traçage incorrect : ",
                  "Le type de traçage utilisé sera bordure et remplissage.", "Objet Rectangle");
  str_DrawMode.assign(kDrawModes[static_cast<std::size_t>(pDrawMode)].stored);
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
  Composer out(str_PageContent);
  out.Line("%DEBUT_RECT/%");
  PutShapeColors(out);
  out.Line(str_LineStyle);
  // The width goes before the paint operator, so this outline is drawn with it.
  PutWidthLine(out, "");
  PutPagePoint(out, X, Y);
  out.Text(" ").Numbers({w * in_Scale, -h * in_Scale}).Text(" re ");
  out.Line(ModeOf(str_DrawMode).rectangle);
  PDFSetTextColor(platform::kWhite);  // the text colour a shape leaves
  in_LinkWidth = w;
  in_LinkHeight = h;
  AttachLink(out, URLLink, "RECTANGLE", X, Y);
  out.Line("%FIN_RECT/%").Done();
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
  Composer out(str_PageContent);
  PutShapeColors(out);
  out.Line(str_LineStyle);
  PutPathPoint(out, X, cy, " m");
  PutCurveTo(out, {X, cy - cb, cx - ca, Y, cx, Y});
  PutCurveTo(out, {cx + ca, Y, X + rx, cy - cb, X + rx, cy});
  PutCurveTo(out, {X + rx, cy + cb, cx + ca, Y + ry, cx, Y + ry});
  PutCurveTo(out, {cx - ca, Y + ry, X, cy + cb, X, cy});
  PutWidthLine(out, ModeOf(str_DrawMode).curve);
  PDFSetTextColor(platform::kWhite);  // the text colour a shape leaves
  in_LinkWidth = rx;
  in_LinkHeight = ry;
  AttachLink(out, URLLink, "ELLIPSE", X, Y);
  out.Done();
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
  Composer out(str_PageContent);
  PutShapeColors(out);
  out.Line("%DEBUT_POLY/%").Line(str_LineStyle);
  PutPathPoint(out, pParam[0], pParam[1], " m");
  for (std::size_t i = 2; i <= pParam.size(); i += 2) {
    std::size_t point = i % pParam.size();  // the last line goes back to the first point
    PutPathPoint(out, pParam[point], pParam[point + 1], " l");
  }
  PutWidthLine(out, ModeOf(str_DrawMode).curve);
  out.Line("%FIN_POLY/%").Done();
}

double vaROR::LineWidthPoints() const {
  return boLineWidthSet ? in_LineWidth * in_Scale : kDefaultLineWidth;
}

void vaROR::PutWidthLine(Composer& out, std::string_view paint) const {
  out.Number(LineWidthPoints(), 2).Text(" w");
  if (!paint.empty()) out.Text(" ").Text(paint);
  out.Text("\r\n");
}

void vaROR::PutPagePoint(Composer& out, double x, double y) const {
  out.Numbers({x * in_Scale, PDFGetPageHeight() - y * in_Scale});
}

void vaROR::PutPathPoint(Composer& out, double x, double y, std::string_view op) const {
  PutPagePoint(out, x, y);
  out.Line(op);
}

void vaROR::PutCurveTo(Composer& out, const std::array<double, 6>& points) const {
  for (std::size_t i = 0; i < points.size(); i += 2) {
    PutPagePoint(out, points[i], points[i + 1]);
    out.Text(" ");
  }
  out.Line("c");
}

void vaROR::PutShapeColors(Composer& out) const {
  if (!str_DrawMode.empty()) out.Line(str_DrawColor);
  if (str_DrawMode != kDrawModes[1].stored) out.Line(str_LineColor);
}

void vaROR::DeriveDrawColor() {
  const std::string_view stroke = str_LineColor;
  if (stroke.empty()) return;
  // The stroke operator "RG" or "G" becomes the fill operator "rg" or "g".
  const bool rgb = stroke.ends_with("RG");
  str_DrawColor.clear();
  Composer(str_DrawColor)
      .Text(stroke.substr(0, stroke.size() - (rgb ? 2 : 1)))
      .Text(rgb ? "rg" : "g")
      .Done();
  in_DrawRgb = kUnknownRgb;
}

void vaROR::DrawSegment(const char* marker, double x1, double y1, double x2, double y2) {
  Composer out(str_PageContent);
  out.Text("%DEBUT_").Text(marker).Line("/%").Line(str_LineStyle);
  PutPathPoint(out, x1, y1, " m");
  PutPathPoint(out, x2, y2, " l");
  out.Line(str_LineColor);
  PutWidthLine(out, "S");
  out.Text("%FIN_").Text(marker).Line("/%").Done();
}

}  // namespace pdf
