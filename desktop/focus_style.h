// SPDX-License-Identifier: EUPL-1.2
// The focus shown on every control, whatever the base style draws: a check box without text
// or a button focused by the mouse or by the program shows none in some styles.
#pragma once

#include <QPainter>
#include <QProxyStyle>

class FocusStyle : public QProxyStyle {
 public:
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget = nullptr) const override;
};

// The frame that marks the control holding the focus, inside `rect`.
void DrawFocusFrame(QPainter& painter, const QRect& rect, const QPalette& palette);
