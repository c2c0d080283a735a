// SPDX-License-Identifier: EUPL-1.2
#include "web/svg.h"

#include <algorithm>
#include <type_traits>
#include <variant>

namespace {

// The share of a line's height above the baseline in the window's sans-serif faces: a text
// is placed by its top-left corner, SVG places it by its baseline.
constexpr double kAscent = 0.905;
constexpr double kPixelsPerPoint = 96.0 / 72.0;

std::string Stroke(const window::Pen& pen) {
  std::string stroke = " stroke=\"" + CssColour(pen.colour) + "\" stroke-width=\"" +
                       std::to_string(pen.width) + "\"";
  if (pen.style == window::LineStyle::Dot) stroke += " stroke-dasharray=\"1 2\"";
  return stroke;
}

std::string Number(double value) {
  std::string text = std::to_string(static_cast<long long>(value * 100 + (value < 0 ? -0.5 : 0.5)));
  const bool negative = text.front() == '-';
  if (negative) text.erase(0, 1);
  text.insert(0, 3 - std::min<std::size_t>(text.size(), 3), '0');
  text.insert(text.size() - 2, ".");
  return (negative ? "-" : "") + text;
}

std::string ElementOf(const window::Segment& s) {
  return "<line x1=\"" + std::to_string(s.from.x) + "\" y1=\"" + std::to_string(s.from.y) +
         "\" x2=\"" + std::to_string(s.to.x) + "\" y2=\"" + std::to_string(s.to.y) + "\"" +
         Stroke(s.pen) + "/>";
}

std::string ElementOf(const window::Circle& c) {
  return "<circle cx=\"" + std::to_string(c.centre.x) + "\" cy=\"" + std::to_string(c.centre.y) +
         "\" r=\"" + std::to_string(c.radius) + "\" fill=\"none\"" + Stroke(c.pen) + "/>";
}

std::string ElementOf(const window::TextAt& t) {
  const double size = t.font.size * kPixelsPerPoint;
  return "<text x=\"" + std::to_string(t.top_left.x) + "\" y=\"" +
         Number(t.top_left.y + kAscent * size) + "\" font-size=\"" + Number(size) +
         "\" font-weight=\"" + (t.font.bold ? "bold" : "normal") + "\" fill=\"" +
         CssColour(t.colour) + "\" xml:space=\"preserve\">" + EscapedMarkup(t.text) + "</text>";
}

std::string ElementOf(const window::Polygon& p) {
  std::string points;
  for (const window::Point& point : p.points) {
    points += (points.empty() ? "" : " ") + std::to_string(point.x) + "," + std::to_string(point.y);
  }
  return "<polygon points=\"" + points + "\" fill=\"" + CssColour(p.fill) +
         "\" fill-rule=\"evenodd\" stroke=\"" + CssColour(p.pen) + "\"/>";
}

}  // namespace

std::string EscapedMarkup(const std::string& text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

std::string CssColour(window::Colour colour) {
  return "rgb(" + std::to_string(colour & 0xFF) + "," + std::to_string(colour >> 8 & 0xFF) + "," +
         std::to_string(colour >> 16 & 0xFF) + ")";
}

std::string SvgOf(const window::Drawing& drawing) {
  std::string svg;
  for (const window::Primitive& primitive : drawing) {
    svg += std::visit([](const auto& figure) { return ElementOf(figure); }, primitive);
  }
  return svg;
}
