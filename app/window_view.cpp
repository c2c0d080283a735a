#include "app/window_view.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "app/twips.h"
#include "app/widgets.h"
#include "calculator/window/layout.h"

WindowView::WindowView(SaisieAggir2& form) : form_(form) {
  clicks_ = {
      {"SSCommand7", [this] { form_.SSCommand7_Click(); }},
  };
  setWindowTitle(QString::fromStdString(form_.Caption));
  setFont(ToQFont(window::Font{}));
  setFixedSize(TwipsToPixels(layout::kClientWidth), TwipsToPixels(layout::kClientHeight));
  setAutoFillBackground(true);
  QPalette background = palette();
  background.setColor(QPalette::Window, ToQColor(form_.BackColor));
  setPalette(background);
  Build();
  form_.Form_Load();
  Refresh();
}

void WindowView::Build() {
  for (window::Control* control : form_.Controls()) {
    QWidget* parent = control->Parent ? by_control_.at(control->Parent) : this;
    QWidget* widget = CreateWidget(*control, parent);
    widgets_.emplace_back(control, widget);
    by_control_[control] = widget;
    Connect(*control, widget);
  }
}

void WindowView::Connect(window::Control& control, QWidget* widget) {
  switch (control.kind) {
    case window::Kind::CheckBox: {
      auto& box = static_cast<window::CheckBox&>(control);
      connect(static_cast<QCheckBox*>(widget), &QCheckBox::clicked, this,
              [this, &box](bool checked) { Handle([&box, checked] { box.Value = checked; }); });
      break;
    }
    case window::Kind::TextBox:
      ConnectTextBox(static_cast<window::TextBox&>(control), widget);
      break;
    case window::Kind::Button: {
      const auto handler = clicks_.find(control.Name);
      if (handler == clicks_.end()) break;
      connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
              [this, handler] { Handle(handler->second); });
      break;
    }
    default:
      break;
  }
}

// textEdited fires for typing, paste, drop and input methods alike, never for setText.
void WindowView::ConnectTextBox(window::TextBox& box, QWidget* widget) {
  auto* edit = static_cast<QLineEdit*>(widget);
  if (&box == &form_.TxtDossier) {
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this, [this](const QString& text) {
      Handle([this, text] { form_.TxtDossier_Accepte(text.toStdString()); });
    });
    return;
  }
  connect(edit, &QLineEdit::textEdited, this, [this, &box](const QString& text) {
    Handle([&box, text] { box.Text = text.toStdString(); });
  });
}

void WindowView::Handle(const std::function<void()>& handler) {
  handler();
  Refresh();
}

void WindowView::Refresh() {
  move(TwipsToPixels(form_.Left), TwipsToPixels(form_.Top));
  for (const auto& [control, widget] : widgets_) RefreshWidget(*control, widget);
  if (form_.Focus) {
    by_control_.at(form_.Focus)->setFocus();
    form_.Focus = nullptr;
  }
}

QWidget* WindowView::WidgetOf(const window::Control& control) const {
  return by_control_.at(&control);
}

void WindowView::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (activated_) return;
  activated_ = true;
  Handle([this] { form_.Form_Activate(); });
}

bool WindowView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched == WidgetOf(form_.TxtDossier)) {
    return FilterFileNumberKey(event);
  }
  return QWidget::eventFilter(watched, event);
}

// Characters typed into the file number go through the window's key filter; keys that
// type nothing (arrows, Delete, shortcuts such as paste) keep their usual effect.
bool WindowView::FilterFileNumberKey(QEvent* event) {
  auto* key = static_cast<QKeyEvent*>(event);
  const QString text = key->text();
  if (key->key() == Qt::Key_Backspace || text.isEmpty()) return false;
  const char32_t code = text.toUcs4().value(0);
  const bool printable = code >= 0x20 && code != 0x7F;
  if (!printable && key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
  int key_ascii = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter
                      ? 13
                      : static_cast<int>(code);
  form_.TxtDossier_KeyPress(key_ascii);
  return key_ascii == 0;
}
