#include "app/window_view.h"

#include <QCheckBox>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <exception>

#include "app/twips.h"
#include "app/widgets.h"
#include "calculator/window/layout.h"

namespace {

constexpr int kEnterKey = 13;

bool IsEnter(const QKeyEvent* key) {
  return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

// Panels, frames, buttons and picture boxes report the mouse moving over them (the tooltip
// and the radar's codings follow it), and so do the radar's hot spots; the other controls
// let their container report it.
bool FollowsMouse(const window::Control& control) {
  return control.kind == window::Kind::Panel || control.kind == window::Kind::Frame ||
         control.kind == window::Kind::Button || control.kind == window::Kind::PictureBox ||
         control.Name == "Label3";
}

int KeyCode(const QKeyEvent* key) { return IsEnter(key) ? kEnterKey : key->key(); }

}  // namespace

WindowView::WindowView(SaisieAggir2& form) : form_(form) {
  // By control name; the index of a control array's member goes to its handler.
  clicks_ = {
      {"SSCommand7", [this](int) { form_.SSCommand7_Click(); }},
      {"CmdFermer", [this](int) { form_.CmdFermer_Click(); }},
      {"BtnSupprimer", [this](int) { form_.BtnSupprimer_Click(); }},
      {"SSCommand4", [this](int) { form_.SSCommand4_Click(); }},
      {"SSCommand1", [this](int) { form_.SSCommand1_Click(); }},
      {"SSCommand2", [this](int) { form_.SSCommand2_Click(); }},
      {"SSCommand3", [this](int) { form_.SSCommand3_Click(); }},
      {"SSCommand6", [this](int) { form_.SSCommand6_Click(); }},
      {"LabelVD", [this](int index) { form_.LabelVD_Click(index); }},
      {"PanelQuestions", [this](int) { form_.PanelQuestions_Click(); }},
      {"Question", [this](int index) { form_.Question_Click(index); }},
      {"Label8", [this](int index) { form_.Label8_Click(index); }},
      {"Radar", [this](int index) { form_.Radar_Click(index); }},
  };
  setWindowTitle(QString::fromStdString(form_.Caption));
  setFont(ToQFont(window::Font{}));
  setFixedSize(TwipsToPixels(layout::kClientWidth), TwipsToPixels(layout::kClientHeight));
  setAutoFillBackground(true);
  QPalette background = palette();
  background.setColor(QPalette::Window, ToQColor(form_.BackColor));
  setPalette(background);
  setMouseTracking(true);
  Build();
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help, &QShortcut::activated, this, [this] { Handle([this] { form_.Form_F1(); }); });
  auto* open = new QShortcut(QKeySequence::Open, this);
  connect(open, &QShortcut::activated, this, [this] { Handle([this] { form_.Form_CtrlO(); }); });
  setAcceptDrops(true);
  form_.Form_Load();
  // Placed once, where the load step centred it: afterwards the window stays where the
  // user puts it.
  move(TwipsToPixels(form_.Left), TwipsToPixels(form_.Top));
  Refresh();
}

void WindowView::Build() {
  for (window::Control* control : form_.Controls()) {
    QWidget* parent = control->Parent ? by_control_.at(control->Parent) : this;
    QWidget* widget = CreateWidget(*control, parent);
    widgets_.emplace_back(control, widget);
    by_control_[control] = widget;
    by_widget_[widget] = control;
    Connect(*control, widget);
    if (FollowsMouse(*control)) FollowMouse(widget);
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
    case window::Kind::Button: {
      const auto handler = clicks_.find(control.Name);
      if (handler == clicks_.end()) break;
      connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
              [this, handler] { Handle([handler] { handler->second(-1); }); });
      break;
    }
    case window::Kind::PictureBox:
      widget->installEventFilter(this);  // its keys
      break;
    default:
      // Labels and panels take clicks through the filter.
      if (clicks_.count(control.Name)) widget->installEventFilter(this);
      break;
  }
}

// `clicked` comes from the user only (a mouse click, or the space bar), after the toggle,
// never from a value the refresh sets. Enter is the window's own key.
void WindowView::ConnectCheckBox(window::CheckBox& box, QWidget* widget) {
  const bool ne_fait_pas = box.Name == "ADV4";
  connect(static_cast<QCheckBox*>(widget), &QCheckBox::clicked, this,
          [this, &box, ne_fait_pas](bool checked) {
            Handle([this, &box, ne_fait_pas, checked] {
              box.Value = checked ? 1 : 0;
              if (ne_fait_pas) {
                form_.ADV4_Click(box.Index);
              } else {
                form_.ADV_Click(box.Index);
              }
            });
          });
  widget->installEventFilter(this);
}

// textEdited fires for typing, paste, drop and input methods alike, never for setText.
void WindowView::ConnectTextBox(window::TextBox& box, QWidget* widget) {
  auto* edit = static_cast<QLineEdit*>(widget);
  if (box.Locked) edit->setFocusPolicy(Qt::NoFocus);
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

void WindowView::Refresh() {
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

void WindowView::mouseMoveEvent(QMouseEvent* event) {
  QWidget::mouseMoveEvent(event);
  Handle([this] { form_.Form_MouseMove(); });
}

void WindowView::OpenArguments(const QStringList& arguments) {
  if (arguments.size() < 2) return;
  const std::filesystem::path file = arguments.at(1).toStdString();
  Handle([this, file] { form_.OuvreFiche(file); });
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

bool WindowView::eventFilter(QObject* watched, QEvent* event) {
  const auto found = by_widget_.find(watched);
  if (found == by_widget_.end()) return QWidget::eventFilter(watched, event);
  window::Control& control = *found->second;
  if (event->type() == QEvent::MouseMove && FollowsMouse(control) &&
      static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton) {
    Handle([this, &control] { form_.Controle_MouseMove(control); });
    return true;  // handled here: the container below must not hide the tooltip again
  }
  if (event->type() == QEvent::MouseButtonRelease) {
    return FilterClick(control, static_cast<QWidget*>(watched), event);
  }
  if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  if (&control == &form_.TxtDossier) return FilterFileNumberKey(event);
  if (control.kind == window::Kind::CheckBox) {
    return FilterCheckBoxKey(static_cast<const window::CheckBox&>(control), event);
  }
  if (control.kind == window::Kind::PictureBox) {
    // The chart hears every key; only Enter is its own, others (Tab) keep their effect.
    const auto* key = static_cast<QKeyEvent*>(event);
    const int code = KeyCode(key);
    Handle([this, &control, code] { form_.Radar_KeyDown(control.Index, code); });
    return IsEnter(key);
  }
  return QWidget::eventFilter(watched, event);
}

// A click on a label, a panel or a picture box: the left button let go over it. A disabled
// control takes no click; a button clicks by its own signal.
bool WindowView::FilterClick(const window::Control& control, QWidget* widget, QEvent* event) {
  const auto* mouse = static_cast<QMouseEvent*>(event);
  if (control.kind == window::Kind::Button || mouse->button() != Qt::LeftButton) return false;
  const auto handler = clicks_.find(control.Name);
  if (handler == clicks_.end() || !widget->isEnabled()) return false;
  if (!widget->rect().contains(mouse->position().toPoint())) return false;
  const int index = control.Index;
  Handle([handler, index] { handler->second(index); });
  return true;
}

// Enter toggles the box through the window's own handling; every other key keeps the
// check box's usual behaviour (the space bar clicks it).
bool WindowView::FilterCheckBoxKey(const window::CheckBox& box, QEvent* event) {
  if (!IsEnter(static_cast<QKeyEvent*>(event))) return false;
  const int index = box.Index;
  if (box.Name == "ADV4") {
    Handle([this, index] { form_.ADV4_KeyDown(index, kEnterKey); });
  } else {
    Handle([this, index] { form_.ADV_KeyDown(index, kEnterKey); });
  }
  return true;
}

// Characters typed into the file number go through the window's key filter; keys that
// type nothing (arrows, Delete, shortcuts such as paste) keep their usual effect.
bool WindowView::FilterFileNumberKey(QEvent* event) {
  auto* key = static_cast<QKeyEvent*>(event);
  const QString text = key->text();
  if (key->key() == Qt::Key_Backspace || text.isEmpty()) return false;
  const char32_t code = text.toUcs4().value(0);
  const bool printable = code >= 0x20 && code != 0x7F;
  if (!printable && !IsEnter(key)) return false;
  int key_ascii = IsEnter(key) ? kEnterKey : static_cast<int>(code);
  form_.TxtDossier_KeyPress(key_ascii);
  return key_ascii == 0;
}
