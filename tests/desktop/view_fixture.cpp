// SPDX-License-Identifier: EUPL-1.2
#include "view_fixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "desktop/application.h"

namespace {

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    // Offscreen, on the screens CMake may describe to it.
    if (!qEnvironmentVariable("QT_QPA_PLATFORM").startsWith("offscreen")) {
      qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "desktop_tests";
    static char* argv[] = {name, nullptr};
    app_ = new QApplication(argc, argv);
    PrepareApplication(*app_);  // as the program does
  }
  void TearDown() override { delete app_; }

 private:
  QApplication* app_ = nullptr;
};
const auto* const kQt = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

void Type(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, c.isDigit() ? Qt::Key_0 + c.digitValue() : 0, Qt::NoModifier,
                    QString(c));
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, press.key(), Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &release);
  }
}

void MoveMouseOver(QWidget* widget) {
  const QPointF local(widget->width() / 2.0, widget->height() / 2.0);
  QMouseEvent move(QEvent::MouseMove, local, widget->mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(widget, &move);
}
