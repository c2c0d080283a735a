// SPDX-License-Identifier: EUPL-1.2
// The focus shown on every control, whatever the base style draws: a check box without text
// or a button focused by the mouse or by the program shows none in some styles. The focus
// frame and the check boxes' outlines stand out 3:1 at least against the window's grey.
#pragma once

#include <QPainter>
#include <QProxyStyle>

class FocusStyle : public QProxyStyle {
 public:
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget = nullptr) const override;
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

// Navy and dark grey: 8.8:1 and 5.7:1 against the window's grey (192, 192, 192).
inline const QColor kFocusColour{0, 0, 128};
inline const QColor kOutlineColour{64, 64, 64};

// The frame that marks the control holding the focus, inside `rect`.
void DrawFocusFrame(QPainter& painter, const QRect& rect);
