// SPDX-License-Identifier: EUPL-1.2
#include "desktop/widgets.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

#include <optional>

#include "calculator/window/layout.h"
#include "desktop/drawn_widgets.h"
#include "desktop/twips.h"

namespace {

Qt::Alignment ToQt(window::Align align) {
  switch (align) {
    case window::Align::Center: return Qt::AlignHCenter | Qt::AlignVCenter;
    case window::Align::Right: return Qt::AlignRight | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
  }
}

QString ToQString(const std::string& text) { return QString::fromStdString(text); }

// The long texts of the window were laid out with runs of blanks that push each phrase to a
// line of its own; show those runs as the line breaks they stand for.
QString Displayed(const window::Label& label) {
  QString caption = QString::fromStdString(label.Caption());
  if (!label.WordWrap) return caption;
  static const QRegularExpression kRun(" {3,}");
  return caption.replace(kRun, "\n");
}

// Refreshes run after every event: leave an unchanged text alone, so nothing is laid out again.
void SetTextIfChanged(QLabel* label, const QString& text) {
  if (label->text() != text) label->setText(text);
}

// The palette roles that show a control's fore and back colours; none for the kinds that
// keep the toolkit's own look.
struct Roles {
  QPalette::ColorRole fore, back;
};
std::optional<Roles> RolesOf(window::Kind kind) {
  switch (kind) {
    case window::Kind::Label:
    case window::Kind::CheckBox:
    case window::Kind::Panel:
    case window::Kind::Frame:
    case window::Kind::PictureBox: return Roles{QPalette::WindowText, QPalette::Window};
    case window::Kind::TextBox: return Roles{QPalette::Text, QPalette::Base};
    default: return std::nullopt;
  }
}

// Colours, weight and opacity: the properties the logic changes besides text and place.
void RefreshLook(const window::Control& control, QWidget* widget) {
  if (const std::optional<Roles> roles = RolesOf(control.kind)) {
    const QColor fore = ToQColor(control.ForeColor), back = ToQColor(control.BackColor);
    QPalette palette = widget->palette();
    if (palette.color(roles->fore) != fore || palette.color(roles->back) != back) {
      palette.setColor(roles->fore, fore);
      palette.setColor(roles->back, back);
      widget->setPalette(palette);
    }
  }
  const QFont font = widget->font();
  if (font.bold() != control.font.bold || font.pointSizeF() != control.font.size) {
    widget->setFont(ToQFont(control.font));
  }
  // A label shows its background only when it is opaque.
  if (control.kind == window::Kind::Label) {
    widget->setAutoFillBackground(!static_cast<const window::Label&>(control).Transparent);
  }
}

QWidget* CreateLabel(const window::Label& label, QWidget* parent) {
  // A caption that answers keys is reached by the arrows, not by Tab.
  QLabel* widget = label.TabStop   ? new FocusLabel(parent, Qt::StrongFocus)
                   : label.KeyDown ? new FocusLabel(parent, Qt::ClickFocus)
                                   : new QLabel(parent);
  widget->setAlignment(label.WordWrap ? ToQt(label.Alignment) | Qt::AlignTop
                                      : ToQt(label.Alignment));
  widget->setWordWrap(label.WordWrap);
  widget->setTextFormat(Qt::PlainText);
  return widget;
}

QWidget* CreateTextBox(const window::TextBox& box, QWidget* parent) {
  auto* widget = new QLineEdit(parent);
  widget->setAlignment(ToQt(box.Alignment));
  widget->setReadOnly(box.Locked);
  return widget;
}

// A raised 3-D panel; its caption (the tooltip's text) is centred.
QWidget* CreatePanel(QWidget* parent) {
  auto* widget = new QLabel(parent);
  widget->setFrameStyle(QFrame::Panel | QFrame::Raised);
  widget->setLineWidth(2);
  widget->setAlignment(Qt::AlignCenter);
  widget->setAutoFillBackground(true);
  return widget;
}

QWidget* CreateFrame(const window::Panel& frame, QWidget* parent) {
  auto* widget = new QGroupBox(ToQString(frame.Caption), parent);
  widget->setAutoFillBackground(true);
  return widget;
}

QWidget* CreateShape(QWidget* parent) {
  auto* widget = new QFrame(parent);
  widget->setFrameStyle(QFrame::Box | QFrame::Plain);
  widget->setAttribute(Qt::WA_TransparentForMouseEvents);
  return widget;
}

// "&Quitter": the letter Alt presses the button with, underlined.
QString WithAccessKey(const window::Panel& button) {
  QString caption = ToQString(button.Caption);
  const char key = layout::AccessKey(button.Name);
  const qsizetype at = key ? caption.indexOf(QChar(key), 0, Qt::CaseInsensitive) : -1;
  if (at >= 0) caption.insert(at, '&');
  return caption;
}

QWidget* CreateKind(const window::Control& control, QWidget* parent) {
  switch (control.kind) {
    case window::Kind::Label:
      return CreateLabel(static_cast<const window::Label&>(control), parent);
    case window::Kind::TextBox:
      return CreateTextBox(static_cast<const window::TextBox&>(control), parent);
    case window::Kind::CheckBox: return new QCheckBox(parent);
    case window::Kind::Panel: return CreatePanel(parent);
    case window::Kind::Frame:
      return CreateFrame(static_cast<const window::Panel&>(control), parent);
    case window::Kind::Button:
      return new QPushButton(WithAccessKey(static_cast<const window::Panel&>(control)), parent);
    case window::Kind::Shape: return CreateShape(parent);
    case window::Kind::Image: return new QLabel(parent);
    case window::Kind::PictureBox: return new PictureView(parent);
    case window::Kind::Line: return new LineView(parent);
  }
  return new QWidget(parent);
}

}  // namespace

QColor ToQColor(window::Colour colour) {
  return QColor(static_cast<int>(colour & 0xFF), static_cast<int>(colour >> 8 & 0xFF),
                static_cast<int>(colour >> 16 & 0xFF));
}

QFont ToQFont(const window::Font& font) {
  // Liberation Sans keeps the widths of the fonts the layout was drawn for.
  QFont qfont;
  qfont.setFamilies({"MS Sans Serif", "Arial", "Liberation Sans"});
  qfont.setStyleHint(QFont::SansSerif);
  qfont.setPointSizeF(font.size);
  qfont.setBold(font.bold);
  return qfont;
}

QWidget* CreateWidget(const window::Control& control, QWidget* parent) {
  QWidget* widget = CreateKind(control, parent);
  widget->setObjectName(ToQString(
      control.Index < 0 ? control.Name : control.Name + "_" + std::to_string(control.Index)));
  widget->setFont(ToQFont(control.font));
  widget->setGeometry(TwipsRect(control.Left, control.Top, control.Width, control.Height));
  RefreshLook(control, widget);
  return widget;
}

namespace {

// What the control shows: its text, its value, its drawing.
void RefreshContent(const window::Control& control, QWidget* widget) {
  switch (control.kind) {
    case window::Kind::Label:
      SetTextIfChanged(static_cast<QLabel*>(widget),
                       Displayed(static_cast<const window::Label&>(control)));
      break;
    case window::Kind::TextBox: {
      const QString text = ToQString(static_cast<const window::TextBox&>(control).Text);
      auto* edit = static_cast<QLineEdit*>(widget);
      // A field never shown (the codes as strings) is no stop of the keyboard either.
      edit->setFocusPolicy(control.Visible ? Qt::StrongFocus : Qt::NoFocus);
      if (edit->text() != text) edit->setText(text);
      break;
    }
    case window::Kind::CheckBox:
      static_cast<QCheckBox*>(widget)->setChecked(
          static_cast<const window::CheckBox&>(control).Value == 1);
      break;
    case window::Kind::Panel:
      SetTextIfChanged(static_cast<QLabel*>(widget),
                       ToQString(static_cast<const window::Panel&>(control).Caption));
      break;
    case window::Kind::PictureBox:
      static_cast<PictureView*>(widget)->Show(static_cast<const window::PictureBox&>(control));
      break;
    case window::Kind::Line:
      static_cast<LineView*>(widget)->Show(static_cast<const window::Line&>(control));
      break;
    default: break;
  }
}

}  // namespace

void RefreshWidget(const window::Control& control, QWidget* widget, bool covered) {
  const QSignalBlocker block(widget);
  const QRect geometry = TwipsRect(control.Left, control.Top, control.Width, control.Height);
  if (control.kind != window::Kind::Line && widget->geometry() != geometry) {
    widget->setGeometry(geometry);
  }
  RefreshContent(control, widget);
  RefreshLook(control, widget);
  widget->setEnabled(control.Enabled && !covered);
  widget->setVisible(control.Visible);
}

void RefreshAccessible(const accessible::Text& text, QWidget* widget) {
  const QString name = ToQString(text.name), description = ToQString(text.description);
  if (widget->accessibleName() != name) widget->setAccessibleName(name);
  if (widget->accessibleDescription() != description) widget->setAccessibleDescription(description);
}
