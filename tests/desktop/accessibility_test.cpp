// SPDX-License-Identifier: EUPL-1.2
// What a screen reader hears, read through Qt's accessibility interface as AT-SPI reads it,
// and a focus that every control shows.
#include <gtest/gtest.h>
#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cmath>
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

// WCAG's contrast of two colours, 1 to 21.
double Contrast(const QColor& a, const QColor& b) {
  const auto luminance = [](const QColor& c) {
    const auto linear = [](double v) {
      return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The most any pixel of an image stands out against the window's grey.
double MostContrast(const QImage& image) {
  double most = 1;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      most = std::max(most, Contrast(image.pixelColor(x, y), QColor(192, 192, 192)));
    }
  }
  return most;
}

// An empty box's outline and the focus frame stand out 3:1 at least against the grey.
TEST_F(AccessibilityTest, MarksStandOutAgainstTheGrey) {
  view.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
  QWidget* box = view.WidgetOf(form.ADV(53));
  EXPECT_GE(MostContrast(box->grab().toImage()), 3.0);
  QWidget* button = view.WidgetOf(form.CmdFermer);
  const QImage without = button->grab().toImage();
  button->setFocus();
  QImage frame = button->grab().toImage();
  for (int y = 0; y < frame.height(); ++y) {
    for (int x = 0; x < frame.width(); ++x) {
      if (frame.pixel(x, y) == without.pixel(x, y))
        frame.setPixelColor(x, y, QColor(192, 192, 192));
    }
  }
  EXPECT_GE(MostContrast(frame), 3.0);  // what the focus added
}

}  // namespace
