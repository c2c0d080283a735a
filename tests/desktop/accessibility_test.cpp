// SPDX-License-Identifier: EUPL-1.2
// What a screen reader hears, read through Qt's accessibility interface as AT-SPI reads it,
// and a focus that every control shows.
#include <gtest/gtest.h>
#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <functional>
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
  view.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
  const window::Control* const controls[] = {&form.ADV(53),   &form.ADV4(114), &form.SSCommand7,
                                             &form.CmdFermer, &form.TxtNom,    &form.Radar(2)};
  for (const window::Control* control : controls) {
    QWidget* widget = view.WidgetOf(*control);
    if (control == &form.Radar(2)) {
      QTest::mouseClick(view.WidgetOf(form.SSCommand6), Qt::LeftButton);  // the charts
    }
    view.WidgetOf(form.TxtAdresse)->setFocus();
    const QImage without = widget->grab().toImage();
    widget->setFocus();
    ASSERT_TRUE(widget->hasFocus()) << control->Name;
    EXPECT_TRUE(widget->grab().toImage() != without) << control->Name;
  }
}

// While a panel lies over the grid, Tab reaches only what can be seen, and Escape closing
// the panel brings the focus back where it was.
TEST_F(AccessibilityTest, TabReachesOnlyWhatThePanelsLeaveInView) {
  view.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
  const struct {
    const char* panel;
    const window::Control* before;  // the focus when the panel opens
    std::function<void()> open;
  } panels[] = {
      {"profile", &form.SSCommand6,
       [&] { QTest::keyClick(view.WidgetOf(form.SSCommand6), Qt::Key_Space); }},
      {"coherence", &form.SSCommand2,
       [&] { QTest::keyClick(view.WidgetOf(form.SSCommand2), Qt::Key_Space); }},
      {"questions", &form.ADV(53),
       [&] { QTest::keyClick(view.WidgetOf(form.ADV(53)), Qt::Key_F2); }},
  };
  QTest::keyClick(view.WidgetOf(form.SSCommand7), Qt::Key_Space);  // "Vérifier" enabled
  for (const auto& p : panels) {
    QWidget* before = view.WidgetOf(*p.before);
    before->setFocus();
    p.open();
    for (int step = 0; step < 150; ++step) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      const QWidget* focus = QApplication::focusWidget();
      ASSERT_NE(focus, nullptr) << p.panel;
      EXPECT_TRUE(focus->isVisible()) << p.panel << " " << focus->objectName().toStdString();
      for (const window::Control* c : form.Controls()) {
        if (view.WidgetOf(*c) == focus) {
          EXPECT_FALSE(form.Couvert(*c)) << p.panel << " " << focus->objectName().toStdString();
        }
      }
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(form.PanelProfil.Visible || form.PanelCoherence.Visible ||
                 form.PanelQuestions.Visible)
        << p.panel;
    EXPECT_EQ(QApplication::focusWidget(), before) << p.panel;
  }
}

}  // namespace
