// SPDX-License-Identifier: EUPL-1.2
// What a picture box holds: a list of drawn primitives in pixels, y downwards, as plain data
// that tests read and a view paints.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "platform/colour.h"

namespace window {

using platform::Colour;
using platform::kBlack;
using platform::kWhite;
using platform::RGB;

struct Font {
  float size = 8.25f;  // points
  bool bold = true;
  bool operator==(const Font&) const = default;
};

struct Point {
  int x = 0, y = 0;
  bool operator==(const Point&) const = default;
};

enum class LineStyle { Solid, Dot };

struct Pen {
  Colour colour = kBlack;
  int width = 1;  // pixels
  LineStyle style = LineStyle::Solid;
  bool operator==(const Pen&) const = default;
};

struct Segment {
  Point from, to;
  Pen pen;
};

// An outline, never filled.
struct Circle {
  Point centre;
  int radius = 0;
  Pen pen;
};

struct TextAt {
  Point top_left;
  std::string text;
  Font font;
  Colour colour = kBlack;
};

// Filled with one colour, edges alternating inside and outside as the host's polygon fill.
struct Polygon {
  std::vector<Point> points;
  Colour pen = kBlack;
  Colour fill = kBlack;
};

using Primitive = std::variant<Segment, Circle, TextAt, Polygon>;
using Drawing = std::vector<Primitive>;

}  // namespace window
