// SPDX-License-Identifier: EUPL-1.2
#include "desktop/focus_style.h"

#include <QStyleOption>

void FocusStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const {
  QProxyStyle::drawControl(element, option, painter, widget);
  const bool marked = element == CE_CheckBox || element == CE_PushButton;
  if (marked && option->state & State_HasFocus) {
    DrawFocusFrame(*painter, option->rect);
  }
}

void FocusStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
  QProxyStyle::drawPrimitive(element, option, painter, widget);
  if (element != PE_IndicatorCheckBox) return;
  painter->save();
  painter->setPen(kOutlineColour);
  painter->setBrush(Qt::NoBrush);
  painter->drawRect(QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5));
  painter->restore();
}

void DrawFocusFrame(QPainter& painter, const QRect& rect) {
  painter.save();
  painter.setPen(QPen(kFocusColour, 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
  painter.restore();
}
