// The control kinds of the window as plain data: what the logic reads and writes, and
// where each control stands (twips, relative to its container). The front end mirrors them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace window {

// A colour as the host gives it: red in the low byte (0xBBGGRR).
using Colour = std::uint32_t;
constexpr Colour RGB(int r, int g, int b) {
  return static_cast<Colour>(r) | static_cast<Colour>(g) << 8 | static_cast<Colour>(b) << 16;
}
constexpr Colour kGrey = RGB(192, 192, 192);
constexpr Colour kBlack = RGB(0, 0, 0);
constexpr Colour kWhite = RGB(255, 255, 255);
constexpr Colour kDarkRed = RGB(128, 0, 0);
constexpr Colour kPaleYellow = RGB(255, 255, 128);

enum class Kind { Label, TextBox, CheckBox, Panel, Frame, Button, Shape, Image };
enum class Align { Left, Center, Right };

struct Font {
  float size = 8.25f;  // points
  bool bold = true;
};

struct Control {
  Kind kind;
  std::string Name;
  int Index = -1;                  // index in its control array, -1 when alone
  const Control* Parent = nullptr;  // container; null for the window itself
  int Left = 0, Top = 0, Width = 0, Height = 0;
  bool Visible = true;
  bool Enabled = true;
  Colour ForeColor = kBlack;
  Colour BackColor = kGrey;
  Font font;

  explicit Control(Kind k) : kind(k) {}
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
};

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

 private:
  std::string caption_;
};

struct TextBox : Control {
  TextBox() : Control(Kind::TextBox) { BackColor = kWhite; }
  std::string Text;
  Align Alignment = Align::Left;
  bool Locked = false;  // shown, but not for typing
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

}  // namespace window
