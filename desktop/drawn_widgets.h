// SPDX-License-Identifier: EUPL-1.2
// Widgets that paint what the model draws: a picture box's drawing list, and a line control.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <cstdint>

#include "calculator/window/controls.h"

// Paints the drawing into a kept image when it changes, so that repaints never lose it; the
// focus shows as a frame over it.
class PictureView : public QWidget {
 public:
  explicit PictureView(QWidget* parent);
  void Show(const window::PictureBox& box);
  const QPixmap& Image() const { return image_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  QPixmap image_;
  const window::PictureBox* box_ = nullptr;  // the model's box, which outlives the view
  std::uint64_t painted_ = 0;
  bool empty_ = true;
};

// A label the keyboard reaches (a result to read out): framed while it holds the focus.
class FocusLabel : public QLabel {
 public:
  FocusLabel(QWidget* parent, Qt::FocusPolicy policy);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// A straight line, in a widget as large as the box it spans plus its width on each side.
class LineView : public QWidget {
 public:
  explicit LineView(QWidget* parent);
  void Show(const window::Line& line);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QLine line_;
  int width_ = 1;
  QColor colour_;
};
