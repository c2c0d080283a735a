// SPDX-License-Identifier: EUPL-1.2
// User sessions through the real widgets: the steps of golden/view_steps.txt clicked, typed
// and pressed on Qt's offscreen platform; after each step, every widget that changed (place,
// text, state, colours, weight, what a screen reader says) and what the host was asked,
// against the reviewed copy in golden/view_sessions.txt.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <map>
#include <sstream>

#include "test_support/golden.h"
#include "view_fixture.h"

namespace {

std::string Line(QWidget* w) {
  QString text;
  if (auto* label = qobject_cast<QLabel*>(w)) text = label->text();
  if (auto* field = qobject_cast<QLineEdit*>(w)) text = field->text();
  if (auto* button = qobject_cast<QAbstractButton*>(w))
    text = button->text() + (button->isChecked() ? " checked" : "");
  if (auto* group = qobject_cast<QGroupBox*>(w)) text = group->title();
  const QRect g = w->geometry();
  const QPalette& p = w->palette();
  return QString("%1 @%2,%3 %4x%5 \"%6\" fore=%7 back=%8%9%10%11%12 said \"%13\" \"%14\"")
      .arg(w->objectName())
      .arg(g.x())
      .arg(g.y())
      .arg(g.width())
      .arg(g.height())
      .arg(text, p.color(QPalette::WindowText).name(), p.color(QPalette::Window).name(),
           w->autoFillBackground() ? " filled" : "", w->font().bold() ? " bold" : "",
           w->isHidden() ? " hidden" : "", w->isEnabled() ? "" : " disabled",
           QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name),
           QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description))
      .toStdString();
}

class ViewSessionsTest : public WindowViewTest {
 public:
  void TestBody() override {}

  std::map<std::string, std::string> Snapshot() {
    const QWidget* focus = view.focusWidget();
    std::map<std::string, std::string> lines{
        {"", QString("window \"%1\" @%2,%3 %4x%5%6 focus %7")
                 .arg(view.windowTitle())
                 .arg(view.x())
                 .arg(view.y())
                 .arg(view.width())
                 .arg(view.height())
                 .arg(view.isVisible() ? "" : " closed", focus ? focus->objectName() : "-")
                 .toStdString()}};
    for (const window::Control* c : form.Controls()) {
      QWidget* w = view.WidgetOf(*c);
      lines[w->objectName().toStdString()] = Line(w);
    }
    return lines;
  }

  void Run(const std::string& step) {
    std::istringstream in(step);
    std::string verb, name, rest;
    in >> verb >> name;
    std::getline(in >> std::ws, rest);
    QWidget* w = name == "-" ? view.focusWidget() : view.findChild<QWidget*>(name.c_str());
    ASSERT_NE(w, nullptr) << step;
    const QString text = QString::fromStdString(rest);
    if (verb == "click") QTest::mouseClick(w, Qt::LeftButton);
    if (verb == "type") Type(w, text);
    if (verb == "key") QTest::keyClick(w, QKeySequence::fromString(text)[0].key());
    if (verb == "move") MoveMouseOver(w);
    if (verb == "focus") w->setFocus();
    if (verb == "paste") {
      QApplication::clipboard()->setText(text);
      qobject_cast<QLineEdit*>(w)->paste();  // as the context menu does
    }
    if (verb == "answer") host.answers.push_back(platform::MessageAnswer::No);
    if (verb == "place") view.move(17, 23);
  }

  std::string Session(const NamedCase& session) {
    std::ostringstream out;
    auto last = Snapshot();
    out << "== " << session.name << "\n";
    if (session.name == "after load")
      for (const auto& [key, line] : last) out << line << "\n";
    for (const std::string& step : session.steps) {
      out << "> " << step << "\n";
      Run(step);
      auto now = Snapshot();
      for (const auto& [key, line] : now)
        if (last.at(key) != line) out << "  " << line << "\n";
      last = std::move(now);
    }
    out << "beeps " << host.beeps << "\n";
    for (const auto& m : host.messages) out << "message " << m.title << ": " << m.text << "\n";
    return out.str() + "\n";
  }
};

TEST(ViewGoldenTest, UserSessionsThroughTheWidgets) {
  std::string text;
  for (const NamedCase& session :
       ReadCases(AGGIR_SOURCE_DIR "/tests/desktop/golden/view_steps.txt")) {
    ViewSessionsTest sessions;
    text += sessions.Session(session);
  }
  ExpectGolden(AGGIR_SOURCE_DIR "/tests/desktop/golden/view_sessions.txt", text);
}

}  // namespace
