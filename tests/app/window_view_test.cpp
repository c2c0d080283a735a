// The real widgets, clicked and typed into on Qt's offscreen platform.
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "tests/app/view_fixture.h"

namespace {

TEST_F(WindowViewTest, OpensBlankWithPrintAndCheckDisabled) {
  EXPECT_EQ(view.windowTitle(), "Modèle SORVANE");
  EXPECT_FALSE(Widget<QPushButton>(form.SSCommand1)->isEnabled());
  EXPECT_FALSE(Widget<QPushButton>(form.SSCommand2)->isEnabled());
  EXPECT_TRUE(Widget<QPushButton>(form.SSCommand7)->isEnabled());
  EXPECT_EQ(Widget<QPushButton>(form.SSCommand7)->text(), "Calcul du GIR");
  EXPECT_EQ(Widget<QGroupBox>(form.Panel2)->title(), " AGGIR");
  EXPECT_FALSE(Widget<QLabel>(form.PanelCalculGIR)->isVisible());
  EXPECT_FALSE(Widget<QLineEdit>(form.TxtVD2)->isVisible());
  for (int k = 1; k <= 24; ++k) EXPECT_EQ(Widget<QLabel>(form.CmdVD(k))->text(), "A");
  EXPECT_EQ(view.focusWidget(), Widget<QLineEdit>(form.TxtNom));
}

// Twips become pixels at 15 a pixel, relative to each container.
TEST_F(WindowViewTest, WidgetsStandWhereTheLayoutPutsThem) {
  EXPECT_EQ(view.size(), QSize(676, 673));
  EXPECT_EQ(view.WidgetOf(form.ADV(53))->geometry(), QRect(268, 44, 21, 19));
  EXPECT_EQ(view.WidgetOf(form.SSCommand7)->geometry(), QRect(446, 484, 197, 37));
  EXPECT_EQ(view.WidgetOf(form.TxtDossier)->geometry(), QRect(592, 16, 52, 22));
  EXPECT_EQ(view.WidgetOf(form.ADV(53))->parentWidget(), view.WidgetOf(form.Panel2));
}

// The fake screen is 19200 x 14400 twips: the window is centred on it at load.
TEST_F(WindowViewTest, OpensCentredOnTheScreen) {
  EXPECT_EQ(form.Left, 9600 - 5130);
  EXPECT_EQ(form.Top, 7200 - 5250);
  EXPECT_EQ(view.pos(), QPoint(298, 130));
}

TEST_F(WindowViewTest, FileNumberKeepsOnlyTypedDigits) {
  auto* field = Widget<QLineEdit>(form.TxtDossier);
  field->setFocus();
  Type(field, "12a-3é");
  EXPECT_EQ(field->text(), "123");
  EXPECT_EQ(form.TxtDossier.Text, "123");
  EXPECT_EQ(host.beeps, 3);
  QTest::keyClick(field, Qt::Key_Backspace);
  EXPECT_EQ(field->text(), "12");
  EXPECT_EQ(form.TxtDossier.Text, "12");
  EXPECT_EQ(host.beeps, 3);
}

// A paste holding anything but digits is refused whole, with a beep.
TEST_F(WindowViewTest, FileNumberRefusesPastedLetters) {
  auto* field = Widget<QLineEdit>(form.TxtDossier);
  field->setFocus();
  QTest::keyClicks(field, "7");
  QApplication::clipboard()->setText("4x2");
  field->paste();  // as the context menu does
  EXPECT_EQ(field->text(), "7");
  EXPECT_EQ(form.TxtDossier.Text, "7");
  EXPECT_EQ(host.beeps, 1);
  QApplication::clipboard()->setText("42");
  ASSERT_EQ(QApplication::clipboard()->text(), "42");
  field->paste();  // as the context menu does
  EXPECT_EQ(form.TxtDossier.Text, "742");
}

TEST_F(WindowViewTest, IdentityFieldsReachTheModel) {
  Type(Widget<QLineEdit>(form.TxtNom), "Lefèvre");
  EXPECT_EQ(form.TxtNom.Text, "Lefèvre");
}

TEST_F(WindowViewTest, CalculDuGirShowsTheGroup) {
  QTest::mouseClick(Widget<QPushButton>(form.SSCommand7), Qt::LeftButton);
  EXPECT_TRUE(Widget<QLabel>(form.PanelCalculGIR)->isVisible());
  EXPECT_EQ(Widget<QLabel>(form.LabelGroupe)->text(), "Groupe iso-ressources");
  EXPECT_EQ(Widget<QLineEdit>(form.TxtGroupe)->text(), "6");
  EXPECT_TRUE(Widget<QPushButton>(form.SSCommand1)->isEnabled());
  EXPECT_TRUE(Widget<QPushButton>(form.SSCommand2)->isEnabled());
}

}  // namespace
