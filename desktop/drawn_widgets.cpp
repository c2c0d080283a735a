// SPDX-License-Identifier: EUPL-1.2
#include "desktop/drawn_widgets.h"

#include <QPainter>
#include <QPolygon>
#include <type_traits>
#include <variant>

#include "desktop/focus_style.h"
#include "desktop/twips.h"
#include "desktop/widgets.h"

namespace {

QPoint ToQPoint(window::Point p) { return {p.x, p.y}; }

QPen ToQPen(const window::Pen& pen) {
  QPen qpen(ToQColor(pen.colour));
  qpen.setWidth(pen.width);
  qpen.setStyle(pen.style == window::LineStyle::Dot ? Qt::DotLine : Qt::SolidLine);
  return qpen;
}

// One primitive, as the host's picture box draws it: hard edges, no smoothing.
void Paint(QPainter& painter, const window::Primitive& primitive) {
  std::visit(
      [&painter](const auto& shape) {
        using T = std::decay_t<decltype(shape)>;
        painter.setBrush(Qt::NoBrush);
        if constexpr (std::is_same_v<T, window::Segment>) {
          painter.setPen(ToQPen(shape.pen));
          painter.drawLine(ToQPoint(shape.from), ToQPoint(shape.to));
        } else if constexpr (std::is_same_v<T, window::Circle>) {
          painter.setPen(ToQPen(shape.pen));
          painter.drawEllipse(ToQPoint(shape.centre), shape.radius, shape.radius);
        } else if constexpr (std::is_same_v<T, window::TextAt>) {
          const QFont font = ToQFont(shape.font);
          painter.setFont(font);
          painter.setPen(ToQColor(shape.colour));
          const QFontMetrics metrics(font);
          painter.drawText(QPoint(shape.top_left.x, shape.top_left.y + metrics.ascent()),
                           QString::fromStdString(shape.text));
        } else {
          QPolygon points;
          for (const window::Point& p : shape.points) points << ToQPoint(p);
          painter.setPen(ToQColor(shape.pen));
          painter.setBrush(ToQColor(shape.fill));
          painter.drawPolygon(points, Qt::OddEvenFill);
        }
      },
      primitive);
}

}  // namespace

PictureView::PictureView(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::StrongFocus); }

// Painted at the screen's own density (two image pixels a point at 200 %), so that nothing is
// stretched.
void PictureView::Show(const window::PictureBox& box) {
  box_ = &box;
  const qreal ratio = devicePixelRatioF();
  if (!empty_ && painted_ == box.Revision() && image_.deviceIndependentSize() == QSizeF(size()) &&
      image_.devicePixelRatio() == ratio) {
    return;
  }
  image_ = QPixmap(size() * ratio);
  image_.setDevicePixelRatio(ratio);
  image_.fill(ToQColor(box.BackColor));
  QPainter painter(&image_);
  for (const window::Primitive& primitive : box.Picture()) Paint(painter, primitive);
  painted_ = box.Revision();
  empty_ = false;
  update();
}

void PictureView::paintEvent(QPaintEvent*) {
  // Moved to a screen of another density: painted again for it.
  if (box_ && image_.devicePixelRatio() != devicePixelRatioF()) Show(*box_);
  QPainter painter(this);
  painter.drawPixmap(0, 0, image_);
  if (hasFocus()) DrawFocusFrame(painter, rect());
}

void PictureView::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void PictureView::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

LineView::LineView(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineView::Show(const window::Line& line) {
  const QPoint from(TwipsToPixels(line.X1), TwipsToPixels(line.Y1));
  const QPoint to(TwipsToPixels(line.X2), TwipsToPixels(line.Y2));
  const int width = line.BorderWidth;
  const QRect box = QRect(from, to).normalized().adjusted(-width, -width, width, width);
  const QLine drawn(from - box.topLeft(), to - box.topLeft());
  const QColor colour = ToQColor(line.ForeColor);
  if (geometry() == box && drawn == line_ && width == width_ && colour == colour_) return;
  setGeometry(box);
  line_ = drawn;
  width_ = width;
  colour_ = colour;
  update();
}

void LineView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QPen pen(colour_);
  pen.setWidth(width_);
  painter.setPen(pen);
  painter.drawLine(line_);
}

FocusLabel::FocusLabel(QWidget* parent, Qt::FocusPolicy policy) : QLabel(parent) {
  setFocusPolicy(policy);
}

void FocusLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  QPainter painter(this);
  DrawFocusFrame(painter, rect());
}
