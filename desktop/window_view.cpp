// SPDX-License-Identifier: EUPL-1.2
#include "desktop/window_view.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>
#include <exception>

#include "calculator/window/layout.h"
#include "calculator/window/placement.h"
#include "desktop/twips.h"
#include "desktop/widgets.h"

namespace {

bool IsEnter(const QKeyEvent* key) {
  return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

// The key as the window's handlers know it.
int KeyCode(const QKeyEvent* key) {
  if (IsEnter(key)) return window::kEnterKey;
  switch (key->key()) {
    case Qt::Key_Left: return window::kLeftKey;
    case Qt::Key_Up: return window::kUpKey;
    case Qt::Key_Right: return window::kRightKey;
    case Qt::Key_Down: return window::kDownKey;
    case Qt::Key_F2: return window::kF2Key;
    case Qt::Key_F1:
      return window::KeyCodeOf(window::kF1Key, (key->modifiers() & Qt::ShiftModifier) != 0);
    default: return key->key();
  }
}

// Title bar and borders before the desktop has framed the window: those of a classic one.
QMargins EstimatedFrame() {
  const int side = TwipsToPixels(layout::kFrameWidth) / 2;
  return {side, TwipsToPixels(layout::kFrameHeight) - side, side, side};
}

window::Area ToArea(const QRect& rect) { return {rect.x(), rect.y(), rect.width(), rect.height()}; }

}  // namespace

WindowView::WindowView(SaisieAggir2& form)
    : form_(form), scroll_(new QScrollArea(this)), client_(new QWidget) {
  setWindowTitle(QString::fromStdString(form_.Caption));
  setFont(ToQFont(window::Font{}));
  QPalette background = palette();
  background.setColor(QPalette::Window, ToQColor(form_.BackColor));
  setPalette(background);
  client_->setFixedSize(TwipsToPixels(layout::kClientWidth), TwipsToPixels(layout::kClientHeight));
  client_->setAutoFillBackground(true);
  client_->setMouseTracking(true);
  client_->installEventFilter(this);  // the window's own background hides the tooltip
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setFocusPolicy(Qt::NoFocus);
  scroll_->setWidget(client_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroll_);
  Build();
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help, &QShortcut::activated, this, [this] { Handle([this] { form_.Form_F1(); }); });
  auto* open = new QShortcut(QKeySequence::Open, this);
  connect(open, &QShortcut::activated, this, [this] { Handle([this] { form_.Form_CtrlO(); }); });
  auto* print = new QShortcut(QKeySequence::Print, this);
  connect(print, &QShortcut::activated, this, [this] { Handle([this] { form_.Form_CtrlP(); }); });
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, [this] { Handle([this] { form_.Form_Escape(); }); });
  setAcceptDrops(true);
  form_.Form_Load();
  // Placed once, at load: afterwards the window stays where the user puts it.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    PlaceIn(screen->availableGeometry(), EstimatedFrame());
  }
  Refresh();
}

void WindowView::PlaceIn(const QRect& free_area, const QMargins& frame) {
  const QSize client = client_->size();
  const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  const window::Area placed =
      window::PlaceWindow(ToArea(free_area), client.width() + frame.left() + frame.right(),
                          client.height() + frame.top() + frame.bottom(), bar);
  setMaximumSize(client + QSize(bar, bar));
  resize(placed.width - frame.left() - frame.right(), placed.height - frame.top() - frame.bottom());
  move(placed.left, placed.top);
}

void WindowView::Build() {
  for (window::Control* control : form_.Controls()) {
    QWidget* parent = control->Parent ? by_control_.at(control->Parent) : client_;
    QWidget* widget = CreateWidget(*control, parent);
    widgets_.emplace_back(control, widget);
    by_control_[control] = widget;
    by_widget_[widget] = control;
    Connect(*control, widget);
    if (control->MouseMove) FollowMouse(widget);
    widget->setToolTip(QString::fromStdString(accessible::Keys(*control)));
  }
  SetTabOrder();
}

void WindowView::Connect(window::Control& control, QWidget* widget) {
  switch (control.kind) {
    case window::Kind::CheckBox:
      ConnectCheckBox(static_cast<window::CheckBox&>(control), widget);
      break;
    case window::Kind::TextBox:
      ConnectTextBox(static_cast<window::TextBox&>(control), widget);
      break;
    case window::Kind::Button:
      if (!control.Click) break;
      connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
              [this, &control] { Handle(control.Click); });
      break;
    default:
      // Labels, panels and picture boxes take clicks and keys through the filter.
      if (control.Click || control.KeyDown) widget->installEventFilter(this);
      break;
  }
}

// `clicked` comes from the user only (a mouse click, or the space bar), after the toggle,
// never from a value the refresh sets. Enter is the window's own key.
void WindowView::ConnectCheckBox(window::CheckBox& box, QWidget* widget) {
  connect(static_cast<QCheckBox*>(widget), &QCheckBox::clicked, this, [this, &box](bool checked) {
    Handle([&box, checked] {
      box.Value = checked ? 1 : 0;
      if (box.Click) box.Click();
    });
  });
  if (box.KeyDown) widget->installEventFilter(this);
}

// textEdited fires for typing, paste, drop and input methods alike, never for setText.
void WindowView::ConnectTextBox(window::TextBox& box, QWidget* widget) {
  auto* edit = static_cast<QLineEdit*>(widget);

  edit->installEventFilter(this);  // its typed keys, and files dropped onto it
  connect(edit, &QLineEdit::textEdited, this, [this, &box](const QString& text) {
    Handle([&box, text] {
      if (box.Edited) {
        box.Edited(text.toStdString());
      } else {
        box.Text = text.toStdString();
      }
    });
  });
}

void WindowView::FollowMouse(QWidget* widget) {
  widget->setMouseTracking(true);
  widget->installEventFilter(this);
}

void WindowView::SetTabOrder() {
  const std::vector<const window::Control*> order = form_.OrdreTabulation();
  for (std::size_t i = 1; i < order.size(); ++i) {
    QWidget::setTabOrder(WidgetOf(*order[i - 1]), WidgetOf(*order[i]));
  }
}

void WindowView::Handle(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    form_.AfficheErreur(error.what());
  } catch (...) {
    form_.AfficheErreur("Une erreur inattendue a interrompu l'opération.");
  }
  Refresh();
  if (form_.Fermee) close();
}

// What a panel covers takes neither the focus nor a shortcut; when the last panel goes, the
// focus goes back where it was before the first one came.
void WindowView::Refresh() {
  const bool covered = form_.GrilleCouverte();
  if (covered && !covering_) focus_before_ = focusWidget();
  for (const auto& [control, widget] : widgets_) {
    RefreshWidget(*control, widget, window::TakesFocus(*control) && form_.Couvert(*control));
    RefreshAccessible(accessible::Of(form_, *control), widget);
  }
  if (!covered && covering_ && !form_.Focus && focus_before_ && focus_before_->isEnabled() &&
      focus_before_->isVisible()) {
    focus_before_->setFocus();
  }
  covering_ = covered;
  if (form_.Focus) {
    QWidget* focus = by_control_.at(form_.Focus);
    focus->setFocus();
    scroll_->ensureWidgetVisible(focus);
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
  // Framed now: placed again with the frame the desktop really drew, if it has one yet.
  const QMargins frame(
      geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
      frameGeometry().right() - geometry().right(), frameGeometry().bottom() - geometry().bottom());
  if (!frame.isNull() && screen()) PlaceIn(screen()->availableGeometry(), frame);
  Handle([this] { form_.Form_Activate(); });
}

// Closed by the desktop (the title bar's button, a shortcut): the same question as "Quitter".
void WindowView::closeEvent(QCloseEvent* event) {
  int cancel = 0;
  form_.Form_QueryUnload(cancel);
  if (cancel) {
    event->ignore();
  } else {
    QWidget::closeEvent(event);
  }
}

void WindowView::OpenFile(const std::string& file) {
  if (file.empty()) return;
  Handle([this, file] { form_.OuvreFiche(std::filesystem::path(file)); });
}

// Anything that carries addresses may be dropped: the window says what it cannot open.
void WindowView::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void WindowView::dropEvent(QDropEvent* event) {
  std::vector<std::filesystem::path> files;
  for (const QUrl& url : event->mimeData()->urls()) {
    files.emplace_back(url.isLocalFile() ? url.toLocalFile().toStdString() : std::string());
  }
  event->acceptProposedAction();
  Handle([this, files] { form_.Form_DragDrop(files); });
}

// A file dropped onto a field is a sheet to open, as anywhere on the window, not a path to
// insert as text.
bool WindowView::FilterDroppedFiles(QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
  auto* drop = static_cast<QDropEvent*>(event);
  if (!drop->mimeData()->hasUrls()) return false;
  if (type == QEvent::Drop) {
    dropEvent(drop);
  } else {
    drop->acceptProposedAction();
  }
  return true;
}

bool WindowView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == client_ && event->type() == QEvent::MouseMove) {
    Handle([this] { form_.Form_MouseMove(); });
    return false;
  }
  const auto found = by_widget_.find(watched);
  if (found == by_widget_.end()) return QWidget::eventFilter(watched, event);
  window::Control& control = *found->second;
  if (control.kind == window::Kind::TextBox && FilterDroppedFiles(event)) return true;
  if (event->type() == QEvent::MouseMove && control.MouseMove &&
      static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton) {
    Handle(control.MouseMove);
    return true;  // handled here: the container below must not hide the tooltip again
  }
  if (event->type() == QEvent::MouseButtonRelease) {
    return FilterClick(control, static_cast<QWidget*>(watched), event);
  }
  if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  if (control.kind == window::Kind::Button && IsEnter(static_cast<QKeyEvent*>(event))) {
    static_cast<QPushButton*>(watched)->click();  // Enter presses it, as the space bar
    return true;
  }
  if (control.kind == window::Kind::TextBox) {
    return FilterTypedKey(static_cast<const window::TextBox&>(control), event);
  }
  return FilterKeyDown(control, event);
}

// A click on a label, a panel or a picture box: the left button let go over it. A disabled
// control takes no click; buttons and check boxes click by their own signal.
bool WindowView::FilterClick(const window::Control& control, QWidget* widget, QEvent* event) {
  const auto* mouse = static_cast<QMouseEvent*>(event);
  if (control.kind == window::Kind::Button || control.kind == window::Kind::CheckBox) return false;
  if (!control.Click || mouse->button() != Qt::LeftButton || !widget->isEnabled()) return false;
  if (!widget->rect().contains(mouse->position().toPoint())) return false;
  Handle(control.Click);
  return true;
}

// The control hears every key; Enter, F2 and the arrows are the window's own, the others keep
// their usual effect as well (Tab, the space bar that ticks a box).
bool WindowView::FilterKeyDown(const window::Control& control, QEvent* event) {
  if (!control.KeyDown) return false;
  const int code = KeyCode(static_cast<QKeyEvent*>(event));
  Handle([&control, code] { control.KeyDown(code); });
  return window::WindowsOwnKey(code);
}

// Characters typed into a field that filters them go through its handler first; keys that
// type nothing (arrows, Delete, shortcuts such as paste) keep their usual effect.
bool WindowView::FilterTypedKey(const window::TextBox& box, QEvent* event) {
  if (!box.KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  const QString text = key->text();
  if (key->key() == Qt::Key_Backspace || text.isEmpty()) return false;
  const char32_t code = text.toUcs4().value(0);
  const bool printable = code >= 0x20 && code != 0x7F;
  if (!printable && !IsEnter(key)) return false;
  int key_ascii = IsEnter(key) ? window::kEnterKey : static_cast<int>(code);
  box.KeyPress(key_ascii);
  return key_ascii == 0;
}
