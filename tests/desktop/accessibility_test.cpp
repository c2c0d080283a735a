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

// No name a voice would stumble on: no blanks around or doubled, no frame's caption lent to
// what it holds; and no field that is never shown among the keyboard's stops.
TEST_F(AccessibilityTest, NamesAreCleanAndHiddenFieldsTakeNoFocus) {
  for (QWidget* widget : view.findChildren<QWidget*>()) {
    const QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget);
    const QString name = node->text(QAccessible::Name);
    const std::string id = widget->objectName().toStdString() + " \"" + name.toStdString() + "\"";
    EXPECT_EQ(name, name.simplified()) << id;
    EXPECT_NE(name, "AGGIR") << id;
    if (node->state().focusable) {
      EXPECT_FALSE(widget->isHidden()) << id;
    }
  }
}

// The results go where the keyboard is, so that a screen reader says them at once: the group
// after "Calcul du GIR", the first code to look at again after "Vérifier".
TEST_F(AccessibilityTest, ResultsTakeTheFocus) {
  view.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
  for (int box : {101, 102}) QTest::mouseClick(view.WidgetOf(form.ADV4(box)), Qt::LeftButton);
  QTest::keyClick(view.WidgetOf(form.SSCommand7), Qt::Key_Enter);
  const auto said = [] {
    return QAccessible::queryAccessibleInterface(QApplication::focusWidget())
        ->text(QAccessible::Name)
        .toStdString();
  };
  EXPECT_EQ(said(), "Groupe iso-ressources " + form.TxtGroupe.Text);
  QTest::keyClick(view.WidgetOf(form.SSCommand2), Qt::Key_Enter);
  EXPECT_EQ(said(), "Déplacements intérieurs : A, à vérifier");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // the codes, one by one
  EXPECT_EQ(said(), "Orientation : A");
}

}  // namespace
