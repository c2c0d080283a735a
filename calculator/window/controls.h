// SPDX-License-Identifier: EUPL-1.2
// The control kinds of the window as plain data: what the logic reads and writes, and
// where each control stands (twips, relative to its container). The front end mirrors them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "calculator/window/drawing.h"

namespace window {

constexpr Colour kGrey = RGB(192, 192, 192);
constexpr Colour kDarkRed = RGB(128, 0, 0);
constexpr Colour kPaleYellow = RGB(255, 255, 128);
constexpr Colour kNavy = RGB(0, 0, 128);
constexpr Colour kLightCyan = RGB(128, 255, 255);
constexpr Colour kPaleGreen = RGB(192, 255, 192);
constexpr Colour kDarkGreen = RGB(0, 64, 0);
constexpr Colour kPaleRed = RGB(255, 192, 192);
constexpr Colour kRed = RGB(255, 0, 0);  // colour 12 of the 16-colour console palette

// The screen's unit: twips per pixel at 96 dots per inch.
constexpr int kTwipsPerPixel = 15;

// Key codes, as key events reach the window's handlers.
constexpr int kEnterKey = 13;
constexpr int kEscapeKey = 27;
constexpr int kLeftKey = 37, kUpKey = 38, kRightKey = 39, kDownKey = 40;
constexpr int kF1Key = 112, kF2Key = 113;

// The key as the window's handlers take it: Shift+F1 is F2's other key.
constexpr int KeyCodeOf(int key_code, bool shift) {
  return shift && key_code == kF1Key ? kF2Key : key_code;
}
// Keys the handlers take for themselves: the toolkit must not act on them as well.
constexpr bool WindowsOwnKey(int KeyCode) {
  return KeyCode == kEnterKey || KeyCode == kF2Key || (KeyCode >= kLeftKey && KeyCode <= kDownKey);
}

enum class Kind { Label, TextBox, CheckBox, Panel, Frame, Button, Shape, Image, PictureBox, Line };
enum class Align { Left, Center, Right };

struct Control {
  Kind kind;
  std::string Name;
  int Index = -1;                   // index in its control array, -1 when alone
  const Control* Parent = nullptr;  // container; null for the window itself
  int Left = 0, Top = 0, Width = 0, Height = 0;
  bool Visible = true;
  bool Enabled = true;
  Colour ForeColor = kBlack;
  Colour BackColor = kGrey;
  Font font;
  // The user's actions the control answers, bound to the window's handlers when it is built;
  // empty when it answers none. Only the front end runs them.
  std::function<void()> Click;
  std::function<void(int KeyCode)> KeyDown;
  std::function<void()> MouseMove;

  explicit Control(Kind k) : kind(k) {}
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
};

// Whether the keyboard can reach the control: what a panel over it must then take away. A
// text the keyboard reaches (a result, a row caption) is one that answers keys or a tab stop.
bool TakesFocus(const Control& control);

// A label announces every change of its caption, also one made by the logic.
class Label : public Control {
 public:
  Label() : Control(Kind::Label) {}
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    if (Change) Change();
  }
  std::function<void()> Change;
  Align Alignment = Align::Left;
  bool Transparent = true;
  bool WordWrap = false;
  bool TabStop = false;  // a result the keyboard reaches, so that a screen reader reads it

 private:
  std::string caption_;
};

struct TextBox : Control {
  TextBox() : Control(Kind::TextBox) { BackColor = kWhite; }
  std::string Text;
  Align Alignment = Align::Left;
  bool Locked = false;  // shown, but not for typing
  // A typed character, before it reaches the text: setting KeyAscii to 0 refuses it.
  std::function<void(int& KeyAscii)> KeyPress;
  // Text the user put in by any means (typing, paste, drop): when bound, it decides what the
  // field keeps; otherwise the field takes the text as it is.
  std::function<void(const std::string& text)> Edited;
};

// Value 0 unticked, 1 ticked. Setting it never runs a user-action handler.
struct CheckBox : Control {
  CheckBox() : Control(Kind::CheckBox) {}
  int Value = 0;
};

// 3-D panel, frame or command button: a caption and a box.
struct Panel : Control {
  explicit Panel(Kind k = Kind::Panel) : Control(k) {}
  std::string Caption;
};

struct Shape : Control {
  Shape() : Control(Kind::Shape) {}
};

struct Image : Control {
  Image() : Control(Kind::Image) {}
};

// A straight line from (X1, Y1) to (X2, Y2), twips in its container, BorderWidth pixels
// wide. Left, Top, Width and Height give the box the line spans.
struct Line : Control {
  Line() : Control(Kind::Line) {}
  int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
  int BorderWidth = 1;
};

// A box that holds what is drawn into it, in pixels from its inner top-left corner. The
// revision counts changes, so a view redraws its picture only when it changed.
class PictureBox : public Control {
 public:
  PictureBox() : Control(Kind::PictureBox) { BackColor = kWhite; }
  // Inner size in pixels: the box has no border.
  int ScaleWidth() const { return Width / kTwipsPerPixel; }
  int ScaleHeight() const { return Height / kTwipsPerPixel; }
  void Cls() {
    drawing_.clear();
    ++revision_;
  }
  // Built in place: one of Segment, Circle, TextAt, Polygon.
  template <typename Figure>
  void Draw(Figure figure) {
    drawing_.emplace_back(std::in_place_type<Figure>, std::move(figure));
    ++revision_;
  }
  const Drawing& Picture() const { return drawing_; }
  std::uint64_t Revision() const { return revision_; }

 private:
  Drawing drawing_;
  std::uint64_t revision_ = 0;
};

}  // namespace window
