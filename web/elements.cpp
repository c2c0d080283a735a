// SPDX-License-Identifier: EUPL-1.2
#include "web/elements.h"

#include "calculator/window/layout.h"

#include "web/page_calls.h"
#include "web/svg.h"

namespace {

// Sends `now` through `send` when it differs from what the page was last sent.
template <typename T, typename Send>
void Update(std::optional<T>& kept, const T& now, Send send) {
  if (kept && *kept == now) return;
  kept = now;
  send(now);
}

// The long texts of the window were laid out with runs of blanks that push each phrase to a
// line of its own; they are shown as the line breaks they stand for.
std::string Displayed(const window::Label& label) {
  const std::string& caption = label.Caption();
  if (!label.WordWrap) return caption;
  std::string shown;
  for (std::size_t i = 0; i < caption.size();) {
    const std::size_t run = caption.find_first_not_of(' ', i);
    const std::size_t end = run == std::string::npos ? caption.size() : run;
    if (caption[i] == ' ' && end - i >= 3) {
      shown += '\n';
      i = end;
    } else {
      shown += caption[i++];
    }
  }
  return shown;
}

int AlignmentOf(window::Align align) {
  switch (align) {
    case window::Align::Center: return 1;
    case window::Align::Right: return 2;
    default: return 0;
  }
}

void SendLayout(int id, const window::Control& control) {
  if (control.kind == window::Kind::Label) {
    const auto& label = static_cast<const window::Label&>(control);
    page::Layout(id, AlignmentOf(label.Alignment), label.WordWrap, false, label.TabStop);
  } else if (control.kind == window::Kind::TextBox) {
    const auto& box = static_cast<const window::TextBox&>(control);
    page::Layout(id, AlignmentOf(box.Alignment), false, box.Locked, false);
  }
}

}  // namespace

std::string ControlName(const window::Control& control) {
  return control.Index < 0 ? control.Name
                           : control.Name + "(" + std::to_string(control.Index) + ")";
}

Element::Element(int id, int parent, const window::Control& control, int layer)
    : id_(id), control_(control) {
  const int events = (control.Click ? page::kClick : 0) | (control.KeyDown ? page::kKeys : 0) |
                     (control.MouseMove ? page::kMouse : 0);
  page::Create(id, parent, static_cast<page::Kind>(control.kind), ControlName(control), layer,
               events);
  SendLayout(id, control);
  const std::string tooltip = accessible::Keys(control);
  const char access_key = layout::AccessKey(control.Name);
  if (!tooltip.empty() || access_key) page::Keys(id, tooltip, access_key);
}

void Element::Refresh(const accessible::Text& text, bool covered) {
  const window::Control& c = control_;
  if (c.kind != window::Kind::Line) {
    Update(geometry_, std::tuple{c.Left, c.Top, c.Width, c.Height}, [this](const auto& g) {
      page::Geometry(id_, std::get<0>(g), std::get<1>(g), std::get<2>(g), std::get<3>(g));
    });
  }
  RefreshContent();
  RefreshLook();
  Update(enabled_, c.Enabled, [this](bool on) { page::Enabled(id_, on); });
  Update(visible_, c.Visible, [this](bool on) { page::Visible(id_, on); });
  Update(covered_, covered, [this](bool on) { page::Covered(id_, on); });
  Update(accessible_, std::tuple{text.name, text.description},
         [this](const auto& a) { page::Accessible(id_, std::get<0>(a), std::get<1>(a)); });
}

// What the control shows: its text, its value, its drawing.
void Element::RefreshContent() {
  const auto text = [this](const std::string& now) { page::Text(id_, now); };
  switch (control_.kind) {
    case window::Kind::Label:
      Update(text_, Displayed(static_cast<const window::Label&>(control_)), text);
      break;
    case window::Kind::TextBox:
      Update(text_, static_cast<const window::TextBox&>(control_).Text, text);
      break;
    case window::Kind::Panel:
    case window::Kind::Frame:
    case window::Kind::Button:
      Update(text_, static_cast<const window::Panel&>(control_).Caption, text);
      break;
    case window::Kind::CheckBox:
      Update(value_, static_cast<const window::CheckBox&>(control_).Value,
             [this](int value) { page::Checked(id_, value == 1); });
      break;
    case window::Kind::PictureBox: {
      const auto& box = static_cast<const window::PictureBox&>(control_);
      Update(picture_, box.Revision(), [this, &box](std::uint64_t) {
        page::Picture(id_, box.ScaleWidth(), box.ScaleHeight(), SvgOf(box.Picture()));
      });
      break;
    }
    case window::Kind::Line: {
      const auto& l = static_cast<const window::Line&>(control_);
      Update(line_, std::tuple{l.X1, l.Y1, l.X2, l.Y2, l.BorderWidth, l.ForeColor},
             [this](const auto& s) {
               page::Line(id_, std::get<0>(s), std::get<1>(s), std::get<2>(s), std::get<3>(s),
                          std::get<4>(s), std::get<5>(s));
             });
      break;
    }
    default: break;
  }
}

// Colours, weight and size: what the logic changes besides text, value and place. Shapes,
// images, boxes and lines show their container through, as a transparent label does.
void Element::RefreshLook() {
  bool transparent = false;
  switch (control_.kind) {
    case window::Kind::Label:
      transparent = static_cast<const window::Label&>(control_).Transparent;
      break;
    case window::Kind::Shape:
    case window::Kind::Image:
    case window::Kind::CheckBox:
    case window::Kind::Line: transparent = true; break;
    default: break;
  }
  Update(colours_, std::tuple{control_.ForeColor, control_.BackColor, transparent},
         [this](const auto& c) {
           page::Colours(id_, std::get<0>(c), std::get<1>(c), std::get<2>(c));
         });
  Update(font_, control_.font, [this](const window::Font& f) { page::Font(id_, f.size, f.bold); });
}
