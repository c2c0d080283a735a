// SPDX-License-Identifier: EUPL-1.2
// What a screen reader hears, read through Qt's accessibility interface as AT-SPI reads it,
// and a focus that every control shows.
#include <gtest/gtest.h>
#include <QAccessible>
#include <QPushButton>
#include <QTest>
#include <map>

#include "view_fixture.h"

namespace {

using AccessibilityTest = WindowViewTest;

TEST_F(AccessibilityTest, EveryControlTheKeyboardReachesHasANameOfItsOwn) {
  std::map<std::string, QString> owners;
  for (QWidget* widget : view.findChildren<QWidget*>()) {
    if (!QAccessible::queryAccessibleInterface(widget)->state().focusable) continue;
    const std::string name =
        QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).toStdString();
    EXPECT_NE(name, "") << widget->objectName().toStdString();
    const auto [owner, alone] = owners.emplace(name, widget->objectName());
    EXPECT_TRUE(alone) << name << ": " << owner->second.toStdString() << " and "
                       << widget->objectName().toStdString();
  }
  EXPECT_GE(owners.size(), 130u);  // the 120 boxes, the fields, the commands, the charts
}

// A control shows that it holds the focus, however the focus came: every kind the keyboard
// reaches looks different with it.
TEST_F(AccessibilityTest, FocusShowsOnEveryKindOfControl) {
  QTest::mouseClick(view.WidgetOf(form.SSCommand6), Qt::LeftButton);  // the charts
  view.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
  const window::Control* const controls[] = {&form.ADV(53),   &form.ADV4(114), &form.SSCommand7,
                                             &form.CmdFermer, &form.TxtNom,    &form.Radar(2)};
  for (const window::Control* control : controls) {
    QWidget* widget = view.WidgetOf(*control);
    view.WidgetOf(form.TxtAdresse)->setFocus();
    const QImage without = widget->grab().toImage();
    widget->setFocus();
    ASSERT_TRUE(widget->hasFocus()) << control->Name;
    EXPECT_TRUE(widget->grab().toImage() != without) << control->Name;
  }
}

}  // namespace
