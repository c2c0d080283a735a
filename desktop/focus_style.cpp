// SPDX-License-Identifier: EUPL-1.2
#include "desktop/focus_style.h"

#include <QStyleOption>

void FocusStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const {
  QProxyStyle::drawControl(element, option, painter, widget);
  const bool marked = element == CE_CheckBox || element == CE_PushButton;
  if (marked && option->state & State_HasFocus) {
    DrawFocusFrame(*painter, option->rect, option->palette);
  }
}

void DrawFocusFrame(QPainter& painter, const QRect& rect, const QPalette& palette) {
  painter.save();
  painter.setPen(QPen(palette.color(QPalette::Highlight), 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
  painter.restore();
}
